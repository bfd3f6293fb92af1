#include <gtest/gtest.h>

#include "engine/tactical/Assimilate.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

// Quadrant (2, 3) with three systems; system 2 had an inhabited planet (planet 2 of 3).
void ThreeSystems(GameState& s) {
    s.Galaxy[2][3] = 213;
    for (int n = 1; n <= 3; ++n) {
        SolarSystemRecord& rec = s.StarSystem(2, 3, n);
        rec.SetName("Star" + std::to_string(n));
        rec.SectorRow = static_cast<Integer>(n);
        rec.SectorCol = static_cast<Integer>(n);
        rec.PlanetCount = 3;
    }
    s.StarSystem(2, 3, 2).Planets[1].PlanetValue4 = 2 * 1024;
    s.StarSystem(2, 3, 2).Planets[2].PlanetValue4 = 16384 + 1024;  // not inhabited
    s.StarSystem(2, 3, 2).SystemValue3 = 500;                      // visited
}

TEST(AssimilateStarTest, TheSystemIsRemovedAndTheRestMoveDown) {
    struct Case {
        int system;
        float heard;
        std::vector<std::string> names;  // the quadrant's records 1..3 afterwards
        int progress;
        bool told;
    };
    const Case cases[] = {
        {1, 0.9f, {"Star2", "Star3", "Star3"}, 3, false},
        {2, 0.9f, {"Star1", "Star3", "Star3"}, 2, true},
        {2, 0.5f, {"Star1", "Star3", "Star3"}, 2, false},  // not heard this time
        {3, 0.9f, {"Star1", "Star2", "Star3"}, 3, false},  // the last one: nothing moves
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.system);
        ScriptedRandom rng{c.heard};
        HostileGame hg(rng);
        GameState& s = hg.st;
        ThreeSystems(s);
        s.GoalProgress = 3;
        s.KnownGalaxy[2][3] = 213;
        AssimilateStar(hg.game, 2, 3, c.system);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[2][3], 212);
        EXPECT_EQ(s.MorvStarsTaken, 1);
        EXPECT_EQ(s.GoalProgress, c.progress);
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(s.StarSystem(2, 3, n).Name.substr(0, 5), c.names[n - 1]);
        if (c.told) {
            ASSERT_EQ(hg.host.notices.size(), 1u);
            EXPECT_EQ(hg.host.notices[0],
                      "<KVBASIC0006>Star2 II:\r\n\r\n<KVBASIC0007>\r\n<KVBASIC0008>\r\n"
                      "<KVBASIC0009>MORV<KVBASIC0010>\r\n<KVBASIC0011>");
            EXPECT_EQ(s.KnownGalaxy[2][3], 212);
            EXPECT_EQ(hg.host.chart[(2 - 1) * 8 + 3 - 1], kChartRed);
        } else {
            EXPECT_TRUE(hg.host.notices.empty());
            EXPECT_EQ(s.KnownGalaxy[2][3], 213);
            EXPECT_TRUE(hg.host.Events("chart:").empty());
        }
    }
}

TEST(AssimilateStarTest, InTheShipsQuadrantThePlayerAlwaysHearsIt) {
    ScriptedRandom rng{0.1f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddStar(1, 1, 1).PlanetCount = 1;
    hg.AddStar(2, 2, 2);
    s.StarSystem(4, 4, 1).Planets[0].PlanetValue4 = 3 * 1024;
    AssimilateStar(hg.game, 4, 4, 1);
    EXPECT_EQ(hg.host.notices.size(), 1u);
    EXPECT_EQ(s.Galaxy[4][4], 1);
    EXPECT_EQ(s.QuadStars, 1);
    EXPECT_EQ(s.StarSystem(4, 4, 1).SectorRow, 2);  // the other system moved into place 1
    EXPECT_TRUE(hg.host.Saw("refresh:ShortRangeScan"));
}

TEST(AssimilateStarTest, ASystemThatIsNotThereIsIgnored) {
    for (int system : {0, -1, 3, 5}) {
        SCOPED_TRACE(system);
        ScriptedRandom none;
        HostileGame hg(none);
        GameState& s = hg.st;
        s.Galaxy[2][3] = 102;
        AssimilateStar(hg.game, 2, 3, system);
        EXPECT_EQ(s.Galaxy[2][3], 102);
        EXPECT_EQ(s.MorvStarsTaken, 0);
    }
    ScriptedRandom none;
    HostileGame hg(none);
    hg.st.Galaxy[2][3] = 300;  // no systems left: the count stays at none
    AssimilateStar(hg.game, 2, 3, 1);
    EXPECT_EQ(hg.st.Galaxy[2][3], 300);
    AssimilateStar(hg.game, 9, 3, 1);
}

}  // namespace
}  // namespace kv::test
