#include <gtest/gtest.h>

#include <cmath>

#include "engine/turn/Placement.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

// The draw that gives v through Int(Rnd * 8 + 1) (quadrant and sector coordinates).
float At(int v) { return (v - 1) / 8.0f + 0.01f; }

// Skill 1: three starbases with their strengths, no Zarvoni starbase, no cloaked ships, a start
// quadrant without ships away from the starbases, and a start sector off the star systems.
TEST(GalaxyPlacement, SkillOneFromAScript) {
    ScriptedRandom rng({
        At(2), At(2), 0.99f,                               // group 1: quadrant (2, 2), 4 ships
        At(2), At(2), At(7),  At(7), 0.0f,                 // group 2: (2, 2) holds ships: (7, 7), 1 ship
        At(2), At(2), 0.999f, At(3), At(3),                // starbase 1: 105% - 2000, capped
        At(2), At(2), At(5),  At(5), 0.0f,  At(1), At(8),  // starbase 2: (2, 2) taken
        At(5), At(6), 0.5f,   At(8), At(8),                // starbase 3
        At(2), At(3),                                      // start: next to starbase 1, not counted
        At(7), At(7),                                      // start: one ship, refused
        At(8), At(1),                                      // start: accepted
        At(4), At(4), At(4),  At(5),                       // start sector: (4, 4) holds a star system
    });
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.SkillLevel = 1;
    s.GameLength = 1;
    s.InitialZarvonis = 2;
    s.StarbaseCount = 3;
    s.MaxStarbaseStrength = 50000;
    s.ZarvoniBaseStrength = 5000;
    s.ZarvoniBaseKnown = kTrue;
    s.ZarvonisCounted = 77;
    s.Galaxy[8][1] = 1;
    s.StarSystem(8, 1, 1).SetName("Tessaly");
    s.StarSystem(8, 1, 1).SectorRow = 4;
    s.StarSystem(8, 1, 1).SectorCol = 4;

    PlaceGalaxyObjects(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvonisCounted, 5);
    EXPECT_EQ(s.Galaxy[2][2], 410);
    EXPECT_EQ(s.Galaxy[7][7], 100);
    EXPECT_EQ(s.Galaxy[5][5], 20);
    EXPECT_EQ(s.Galaxy[5][6], 30);
    EXPECT_EQ(s.Galaxy[8][1], 1);
    const Long want[4][4] = {{0, 0, 0, 0}, {0, 2, 2, 50000}, {0, 5, 5, 38500}, {0, 5, 6, 44500}};
    for (int b = 1; b <= 3; ++b)
        for (int f = 0; f <= 3; ++f) EXPECT_EQ(s.Starbases[f][b], want[b][f]) << "base " << b << " field " << f;
    EXPECT_EQ(s.Starbases[3][0], -1000);
    EXPECT_EQ(s.StarbaseSectors[1][2], 1);
    EXPECT_EQ(s.StarbaseSectors[2][2], 8);
    EXPECT_EQ(s.ZarvoniBase, (std::array<Long, 6>{0, 0, 0, 0, 0, -1000}));
    EXPECT_EQ(s.ZarvoniBaseKnown, kTrue);  // left alone without a Zarvoni starbase
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) EXPECT_EQ(s.KnownGalaxy[r][c], -1);
    EXPECT_EQ(s.ShipQuadrantRow, 8);
    EXPECT_EQ(s.ShipQuadrantCol, 1);
    EXPECT_EQ(s.ShipSectorRow, 4);
    EXPECT_EQ(s.ShipSectorCol, 5);
    for (const auto& row : s.CloakedPerQuadrant)
        for (Integer n : row) EXPECT_EQ(n, 0);
    EXPECT_EQ(s.StarTargetRow, 0);
    EXPECT_EQ(gg.host.framed, -1);
}

// Skill 3: the Zarvoni starbase avoids the friendly starbases and gets no escort in a quadrant
// of four ships; half the skill level (rounded half to even) of ships in the start quadrant;
// cloaked ships by skill and game length.
TEST(GalaxyPlacement, SkillThreeFromAScript) {
    ScriptedRandom rng({
        At(3), At(3), 0.7f,                 // group 1: (3, 3), Int(0.7 * 5 + 1) = 4 ships
        At(6), At(6), 0.25f,                // group 2: (6, 6), 2 ships
        At(1), At(1), 0.5f,  At(1), At(1),  // starbases
        At(1), At(8), 0.5f,  At(1), At(1), At(8), At(1), 0.5f,
        At(1), At(1), At(1), At(1), At(3), At(3), At(2), At(2),  // Zarvoni base: (1, 1) has a starbase
        At(6), At(6),                                            // start quadrant: 2 ships = CInt(1.5)
        At(6), At(6), At(6), At(6),                              // two cloaked ships, both in (6, 6)
        At(5), At(5),                                            // start sector
    });
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.SkillLevel = 3;
    s.GameLength = 1;
    s.InitialZarvonis = 2;
    s.StarbaseCount = 3;
    s.ZarvoniBaseStrength = 15000;
    s.ZarvoniBaseKnown = kTrue;

    PlaceGalaxyObjects(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniBase, (std::array<Long, 6>{0, 3, 3, 2, 2, 15000}));
    EXPECT_EQ(s.ZarvoniBaseKnown, kFalse);
    EXPECT_EQ(s.Galaxy[3][3], 400);  // no escort: four ships already
    EXPECT_EQ(s.ZarvonisCounted, 6);
    EXPECT_EQ(s.ShipQuadrantRow, 6);
    EXPECT_EQ(s.ShipQuadrantCol, 6);
    EXPECT_EQ(s.CloakedPerQuadrant[5][5], 2);
    EXPECT_EQ(s.ShipSectorRow, 5);
}

// With 64 groups every quadrant gets ships; more groups than quadrants stop instead of hanging.
TEST(GalaxyPlacement, SixtyFourGroupsFillEveryQuadrant) {
    for (int groups : {64, 70}) {
        SeededRandom rng(static_cast<uint32_t>(groups));
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.SkillLevel = 5;
        s.GameLength = 3;
        s.InitialZarvonis = static_cast<Integer>(groups);
        s.StarbaseCount = 2;
        s.ZarvoniBaseStrength = 25000;
        PlaceGalaxyObjects(gg.game);
        int sum = 0;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                const int ships = s.Galaxy[r][c] / 100;
                EXPECT_GE(ships, 1);
                EXPECT_LE(ships, 9);
                sum += ships;
            }
        const int escort = sum - s.ZarvonisCounted;
        EXPECT_TRUE(escort == 0 || escort == 2) << escort;
    }
}

// The largest draw below 1 still gives coordinate 8, a group of at most Int(SkillLevel / 2) + 4
// ships and a starbase strength of at most 105 percent (Int(Rnd * n + m) never reaches n + m).
TEST(GalaxyPlacement, TheLargestDrawStaysInRange) {
    const float top = std::nextafter(1.0f, 0.0f);
    struct Case {
        int skill;
        std::vector<float> script;
        int ships;
        Long strength;
        int startRow, startCol;
    };
    const Case cases[] = {
        {1,
         {top, top, top, At(4), At(4), 0.0f,  // groups: (8, 8) with 4 ships, (4, 4) with 1
          At(1), At(1), top, top, top,        // starbase 1 in (1, 1), sector (8, 8)
          top, top, At(4), At(5),             // start: (8, 8) has ships, (4, 5) has none
          top, top},                          // start sector (8, 8)
         4,
         50000,
         4,
         5},
        {2,
         {top, top, top, At(4), At(4), 0.0f,  // groups: (8, 8) with 5 ships, (4, 4) with 1
          At(1), At(1), top, top, top,        // strength 105% - 2 x 2000
          top, top, At(4), At(4),             // start: one ship, as CInt(2 / 2) asks
          At(2), At(2),                       // one cloaked ship
          top, top},
         5,
         48500,
         4,
         4},
    };
    for (const Case& c : cases) {
        ScriptedRandom rng(c.script);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.SkillLevel = static_cast<Integer>(c.skill);
        s.GameLength = 1;
        s.InitialZarvonis = 2;
        s.StarbaseCount = 1;
        s.MaxStarbaseStrength = 50000;

        PlaceGalaxyObjects(gg.game);

        SCOPED_TRACE("skill " + std::to_string(c.skill));
        EXPECT_TRUE(gg.host.errors.empty());
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[8][8], 100 * c.ships);
        EXPECT_EQ(s.Galaxy[4][4], 100);
        EXPECT_EQ(s.Galaxy[1][1], 10);
        EXPECT_EQ(s.ZarvonisCounted, c.ships + 1);
        EXPECT_EQ(s.Starbases[3][1], c.strength);
        EXPECT_EQ(s.StarbaseSectors[1][1], 8);
        EXPECT_EQ(s.StarbaseSectors[2][1], 8);
        EXPECT_EQ(s.ShipQuadrantRow, c.startRow);
        EXPECT_EQ(s.ShipQuadrantCol, c.startCol);
        EXPECT_EQ(s.ShipSectorRow, 8);
        EXPECT_EQ(s.ShipSectorCol, 8);
    }
}

// Cloaked ships: (GameLength + 1) x s / 2 of them, s = SkillLevel - 1, or 16..20 from one draw
// above skill 10; a quadrant holds at most five, and a draw on a full one is lost.
TEST(GalaxyPlacement, CloakedShipsByLengthAndSkillAtMostFiveAQuadrant) {
    struct Case {
        int skill, length;
        float groupDraw, perDraw;  // perDraw < 0: no draw for the number
        int drawn;                 // cloaked ships drawn
    };
    const Case cases[] = {
        {4, 3, 0.2f, -1.0f, 6},    // Int(0.2 x 6 + 1) = 2 ships = CInt(4 / 2); 4 x 3 / 2 = 6
        {12, 1, 0.5f, 0.99f, 20},  // 6 ships = CInt(12 / 2); Int(0.99 x 4.99) + 16 = 20; 2 x 20 / 2
    };
    for (const Case& c : cases) {
        ScriptedRandom rng({At(1), At(1), c.groupDraw,   // the group in (1, 1)
                            At(8), At(8), At(1), At(1),  // Zarvoni starbase in (8, 8)
                            At(1), At(1)});              // start quadrant (1, 1)
        if (c.perDraw >= 0) rng.Push(c.perDraw);
        rng.Push(static_cast<size_t>(2 * c.drawn), At(3));  // every cloaked ship into (3, 3)
        rng.Push(At(4));
        rng.Push(At(4));  // start sector
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.SkillLevel = static_cast<Integer>(c.skill);
        s.GameLength = static_cast<Integer>(c.length);
        s.InitialZarvonis = 1;
        s.StarbaseCount = 0;
        s.ZarvoniBaseStrength = 5000 * c.skill;

        PlaceGalaxyObjects(gg.game);

        SCOPED_TRACE("skill " + std::to_string(c.skill));
        EXPECT_TRUE(gg.host.errors.empty());
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ShipQuadrantRow, 1);
        EXPECT_EQ(s.ShipQuadrantCol, 1);
        int total = 0;
        for (const auto& row : s.CloakedPerQuadrant)
            for (Integer n : row) total += n;
        EXPECT_EQ(s.CloakedPerQuadrant[2][2], 5);
        EXPECT_EQ(total, 5);
    }
}

TEST(GalaxyPlacement, StarTargetFoundByItsDescriptorName) {
    SeededRandom rng(7);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.SkillLevel = 4;
    s.InitialZarvonis = 20;
    s.StarbaseCount = 2;
    s.ZarvoniBaseStrength = 20000;
    s.TimeLeft = 41.257f;
    s.StarTarget = "4Vega";
    s.Galaxy[2][7] = 2;
    s.StarSystem(2, 7, 1).SetName("Ardent");
    s.StarSystem(2, 7, 1).SectorRow = 3;
    s.StarSystem(2, 7, 1).SectorCol = 3;
    s.StarSystem(2, 7, 2).SetName("Vega");
    s.StarSystem(2, 7, 2).DescriptorName = "4Vega";
    s.StarSystem(2, 7, 2).SectorRow = 6;
    s.StarSystem(2, 7, 2).SectorCol = 1;
    s.Galaxy[5][1] = 1;  // a record beyond its quadrant's count is not searched
    s.StarSystem(5, 1, 2).DescriptorName = "4Vega";

    PlaceGalaxyObjects(gg.game);

    EXPECT_EQ(s.StarTargetRow, 2);
    EXPECT_EQ(s.StarTargetCol, 7);
    EXPECT_EQ(s.ShipQuadrantRow, 2);
    EXPECT_EQ(s.ShipQuadrantCol, 7);
    EXPECT_EQ(s.StarSystem(2, 7, 2).SystemValue3, CLng(41.257f * 100.0));
    EXPECT_EQ(s.StarSystem(2, 7, 1).SystemValue3, 0);
    EXPECT_EQ(s.StarSystem(5, 1, 2).SystemValue3, 0);
    EXPECT_EQ(gg.host.framed, 14);
    EXPECT_EQ(FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol), 0);
}

// A name that no system carries becomes system 1 of quadrant (4, 4) at sector (8, 8); another
// system of that quadrant standing there moves to a sector of its own.
TEST(GalaxyPlacement, StarTargetNotFoundIsCreatedInTheMiddle) {
    for (int seed = 1; seed <= 20; ++seed) {
        SeededRandom rng(static_cast<uint32_t>(seed));
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.SkillLevel = 6;
        s.InitialZarvonis = 25;
        s.StarbaseCount = 2;
        s.ZarvoniBaseStrength = 30000;
        s.TimeLeft = 30;
        s.StarTarget = "NoSuchStarAnywhere";
        if (seed % 2 == 0) {
            s.Galaxy[4][4] = 2;
            s.StarSystem(4, 4, 1).SetName("Old");
            s.StarSystem(4, 4, 1).SectorRow = 2;
            s.StarSystem(4, 4, 1).SectorCol = 2;
            s.StarSystem(4, 4, 2).SetName("Neighbour");
            s.StarSystem(4, 4, 2).SectorRow = 8;
            s.StarSystem(4, 4, 2).SectorCol = 8;
        }

        PlaceGalaxyObjects(gg.game);

        SCOPED_TRACE(seed);
        const SolarSystemRecord& t = s.StarSystem(4, 4, 1);
        EXPECT_EQ(t.DescriptorName, "NoSuchStarAnywhere");
        EXPECT_EQ(t.SectorRow, 8);
        EXPECT_EQ(t.SectorCol, 8);
        EXPECT_EQ(t.SystemValue3, 3000);
        EXPECT_TRUE(t.InUse());
        EXPECT_EQ(s.Galaxy[4][4] % 10, seed % 2 == 0 ? 2 : 1);
        if (seed % 2 == 0) {
            const SolarSystemRecord& n = s.StarSystem(4, 4, 2);
            EXPECT_FALSE(n.SectorRow == 8 && n.SectorCol == 8);
            EXPECT_GE(n.SectorRow, 1);
            EXPECT_GE(n.SectorCol, 1);
        }
        EXPECT_EQ(s.StarTargetRow, 4);
        EXPECT_EQ(s.StarTargetCol, 4);
        EXPECT_EQ(s.ShipQuadrantRow, 4);
        EXPECT_EQ(s.ShipQuadrantCol, 4);
        EXPECT_EQ(gg.host.framed, 27);
        EXPECT_EQ(FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol), 0);
    }
}

}  // namespace
}  // namespace kv::test
