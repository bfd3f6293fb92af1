#include <gtest/gtest.h>

#include "engine/tactical/Hostiles.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(MovemTest, StepsFollowEnergyAndSkill) {
    struct Case {
        const char* name;
        Integer skill;
        int energy;
        std::vector<float> draws;  // steps, dash, then two per step
        int row, col;              // where the ship ends
    };
    // The ship starts at (6, 6).
    const Case cases[] = {
        {"below 20 never moves", 9, 19, {0.99f, 0.99f}, 6, 6},
        {"20 at skill 3 takes no step", 3, 20, {0.99f, 0.99f}, 6, 6},
        {"29 at skill 5 takes no step", 5, 29, {0.99f, 0.99f}, 6, 6},
        {"one step", 4, 100, {0.3f, 0.0f, 0.99f, 0.0f}, 7, 5},
        {"low skill moves less", 2, 100, {0.5f, 0.99f, 0.0f, 0.5f}, 5, 6},
        {"high skill: one more", 6, 40, {0.0f, 0.0f, 0.5f, 0.99f}, 6, 7},
        {"high skill may dash", 6, 60, {0.0f, 0.9f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f}, 8, 8},
        {"a step of nought stays where it is", 4, 100, {0.3f, 0.0f, 0.5f, 0.5f}, 6, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = c.skill;
        const int i = hg.AddZarvoni(6, 6, c.energy);
        Movem(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniShips[1][i], c.row);
        EXPECT_EQ(s.ZarvoniShips[2][i], c.col);
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kZarvoni);
        if (c.row != 6 || c.col != 6) {
            EXPECT_EQ(s.SectorGrid[6][6], kEmpty);
        }
        EXPECT_EQ(hg.Played("ZMOVE.WAV"), c.draws.size() > 2);
    }
}

TEST(MovemTest, AnOccupiedCellGivesWayAlongTheRowThenTheColumn) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> taken;
        int row, col;
        bool moved;
    };
    // From (6, 6) towards (7, 7).
    const Case cases[] = {
        {"free", {}, 7, 7, true},
        {"along the row", {{7, 7}}, 6, 7, true},
        {"along the column", {{7, 7}, {6, 7}}, 7, 6, true},
        {"boxed in", {{7, 7}, {6, 7}, {7, 6}}, 6, 6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng{0.3f, 0.0f, 0.99f, 0.99f};
        HostileGame hg(rng);
        GameState& s = hg.st;
        for (auto [r, col] : c.taken) s.SectorGrid[r][col] = kStar;
        const int i = hg.AddZarvoni(6, 6);
        Movem(hg.game);
        EXPECT_EQ(s.ZarvoniShips[1][i], c.row);
        EXPECT_EQ(s.ZarvoniShips[2][i], c.col);
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kZarvoni);
        for (auto [r, col] : c.taken) EXPECT_EQ(s.SectorGrid[r][col], kStar);
        EXPECT_EQ(hg.Played("ZMOVE.WAV"), c.moved);
        EXPECT_EQ(hg.host.Events("draw:").empty(), !c.moved);
    }
}

TEST(MovemTest, DamagedSensorsShowOnlyMovesNearTheShip) {
    ScriptedRandom rng{0.3f, 0.0f, 0.0f, 0.0f, 0.3f, 0.0f, 0.99f, 0.99f};
    HostileGame hg(rng);
    hg.st.SystemDamage[2] = 1.0f;
    hg.AddZarvoni(2, 2);  // to (1, 1): from near to far
    hg.AddZarvoni(7, 7);  // to (8, 8): far
    Movem(hg.game);
    EXPECT_EQ(hg.host.Events("draw:"), (std::vector<std::string>{"draw:2,2:0"}));
}

TEST(MovemTest, ShipsDockAtTheirStarbase) {
    struct Case {
        const char* name;
        int energy;
        Integer docked;
        Long strength;
        bool captured;
        bool docks;
    };
    const Case cases[] = {
        {"docks", 40, 0, 10000, false, true},
        {"six ships docked already", 40, 6, 10000, false, false},
        {"the base at a quarter of its strength", 40, 0, 5000, false, false},
        {"a ship at full energy", 100, 0, 10000, false, false},
        {"a captured base", 40, 0, 10000, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Skill 6: one step from (3, 3) to (2, 2), next to the base at (1, 1).
        ScriptedRandom rng{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = 6;
        hg.AddZarvoniBase(1, 1, c.strength, c.captured);
        s.ZarvoniBaseShips = c.docked;
        const int i = hg.AddZarvoni(3, 3, c.energy);
        const int other = hg.AddZarvoni(8, 1, 10);  // too weak to move
        Movem(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.SectorGrid[3][3], kEmpty);
        if (c.docks) {
            EXPECT_EQ(s.SectorGrid[2][2], kEmpty);
            EXPECT_EQ(s.ZarvoniBaseShips, c.docked + 1);
            EXPECT_EQ(s.ZarvoniBase[5], c.strength - 1200);
            EXPECT_EQ(s.Galaxy[4][4], 100);
            EXPECT_EQ(s.QuadZarvonis, 1);
            // The table is compacted: the weak ship now holds the first slot.
            EXPECT_EQ(s.ZarvoniShips[1][1], 8);
            EXPECT_EQ(s.ZarvoniEnergy[1], 10);
            EXPECT_EQ(s.ZarvoniShips[1][2], 0);
            EXPECT_EQ(s.ZarvoniEnergy[2], -1000);
            EXPECT_EQ(hg.host.output, std::vector<std::string>{"Zarvoni<KVBASIC0210>"});
            EXPECT_TRUE(hg.Played("ZDOCK.WAV"));
        } else {
            EXPECT_EQ(s.SectorGrid[2][2], kZarvoni);
            EXPECT_EQ(s.ZarvoniShips[1][i], 2);
            EXPECT_EQ(s.ZarvoniShips[1][other], 8);
            EXPECT_EQ(s.ZarvoniBaseShips, c.docked);
            EXPECT_EQ(s.ZarvoniBase[5], c.strength);
            EXPECT_EQ(s.Galaxy[4][4], 200);
            EXPECT_TRUE(hg.host.output.empty());
        }
    }
}

TEST(MovemTest, DockingNeverDrivesTheBaseBelowNothing) {
    ScriptedRandom rng{0.0f, 0.0f, 0.0f, 0.0f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SkillLevel = 6;
    s.ZarvoniBaseStrength = 100;
    hg.AddZarvoniBase(1, 1, 30);
    hg.AddZarvoni(3, 3, 30);
    Movem(hg.game);
    EXPECT_EQ(s.ZarvoniBaseShips, 1);
    EXPECT_EQ(s.ZarvoniBase[5], 0);
}

TEST(MovemTest, TheTurnClearsTheChartAndTheHostileTurnRequest) {
    ScriptedRandom none;
    HostileGame hg(none);
    hg.st.HostileTurnFlag = -32767;
    Movem(hg.game);
    EXPECT_EQ(hg.host.Events("chart:").size(), 128u);
    EXPECT_EQ(hg.host.chart[63], kChartCleared);
    EXPECT_TRUE(hg.host.Saw("refresh:Background"));
    EXPECT_EQ(hg.st.HostileTurnFlag, 0);
}

}  // namespace
}  // namespace kv::test
