#include <gtest/gtest.h>

#include <cmath>

#include "engine/tactical/Tactical.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

// The draw that gives sector coordinate v (1..8) through Int(Rnd * 8 + 1).
float At(int v) { return (v - 1) / 8.0f + 0.01f; }

struct Expect {
    int row, col, code;
};

void ExpectGrid(const GameState& s, std::vector<Expect> cells) {
    Grid9 want{};
    for (const auto& e : cells) want[e.row][e.col] = static_cast<Integer>(e.code);
    for (int r = 0; r <= 8; ++r)
        for (int c = 0; c <= 8; ++c) EXPECT_EQ(s.SectorGrid[r][c], want[r][c]) << "sector " << r << "," << c;
}

// Every kind of object in one quadrant, with collisions at each stage: the star overwrites the
// ship's own cell, and every later object that lands on a taken sector is drawn again.
TEST(GalaxyTactical, BuildsTheQuadrantInOrderOfPrecedence) {
    ScriptedRandom rng({
        0.9f,  At(1), At(1), 0.9f,  At(8), At(8),  // InitZ: two ships, one weakening draw each
        0.9f,  At(3), At(3),                       // InitC: one cloaked ship
        At(4), At(4),                              // InitS: the starbase's new sector (a star)
        At(5), At(5),                              // Starbases: drawn again
        At(5), At(5), At(1), At(1),                // ZStarbase: star, then the starbase, then free
        At(6), At(6), At(8), At(8),                // QuadZ: ship 1 on the Zarvoni base, the Morv ship
        At(3), At(3),                              // QuadZ: ship 2 on ship 1
        At(8), At(1),                              // QuadC: on ship 2
    });
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = 3;
    s.ShipQuadrantCol = 5;
    s.ShipSectorRow = 2;
    s.ShipSectorCol = 2;
    s.TacticalQuadRow = 7;
    s.TacticalQuadCol = 6;
    s.Galaxy[3][5] = 212;
    s.CloakedPerQuadrant[2][4] = 1;
    s.StarSystem(3, 5, 1).SectorRow = 2;
    s.StarSystem(3, 5, 1).SectorCol = 2;
    s.StarSystem(3, 5, 2).SectorRow = 4;
    s.StarSystem(3, 5, 2).SectorCol = 4;
    s.StarSystem(3, 5, 3).SectorRow = 7;  // beyond the quadrant's count: no star
    s.StarSystem(3, 5, 3).SectorCol = 7;
    s.StarbaseSectors[1][1] = 7;
    s.StarbaseSectors[2][1] = 2;
    s.ZarvoniBase = {0, 3, 5, 4, 4, 15000};
    s.MorvShip = {0, 3, 5, 6, 6};
    s.ZarvoniShips[3][1] = 42;  // fields 3 and 4 are left alone
    s.QuadrantChanged = kTrue;

    MakeTactical(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
    ExpectGrid(s, {{2, 2, 3}, {4, 4, 3}, {5, 5, 4}, {1, 1, 5}, {6, 6, 7}, {8, 8, 2}, {3, 3, 2}, {8, 1, 6}});
    EXPECT_EQ(s.QuadZarvonis, 2);
    EXPECT_EQ(s.QuadStarbase, 1);
    EXPECT_EQ(s.QuadStars, 2);
    EXPECT_EQ(s.StarbaseSectors[1][1], 5);
    EXPECT_EQ(s.StarbaseSectors[2][1], 5);
    EXPECT_EQ(s.ZarvoniBase[3], 1);
    EXPECT_EQ(s.ZarvoniBase[4], 1);
    EXPECT_EQ(s.ZarvoniShips[1][1], 8);
    EXPECT_EQ(s.ZarvoniShips[2][1], 8);
    EXPECT_EQ(s.ZarvoniShips[1][2], 3);
    EXPECT_EQ(s.ZarvoniShips[2][2], 3);
    EXPECT_EQ(s.ZarvoniShips[3][1], 42);
    EXPECT_EQ(s.CloakedShips[1][1], 8);
    EXPECT_EQ(s.CloakedShips[2][1], 1);
    EXPECT_EQ(s.ZarvoniEnergy[1], 100);
    EXPECT_EQ(s.ZarvoniEnergy[2], 100);
    EXPECT_EQ(s.ZarvoniEnergy[3], -1);
    EXPECT_EQ(s.CloakedEnergy[1], 100);
    EXPECT_EQ(s.CloakedEnergy[2], -1);
    EXPECT_EQ(s.PrevQuadRow, 7);
    EXPECT_EQ(s.PrevQuadCol, 6);
    EXPECT_EQ(s.QuadrantChanged, kFalse);
}

TEST(GalaxyTactical, AnEmptyQuadrantHoldsOnlyTheShip) {
    ScriptedRandom rng;  // no draw at all
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = 6;
    s.ShipQuadrantCol = 2;
    s.ShipSectorRow = 3;
    s.ShipSectorCol = 7;
    s.ZarvoniBase = {0, 6, 3, 4, 4, 15000};  // next quadrant
    s.MorvShip = {0, 5, 2, 1, 1};
    s.StarSystem(6, 2, 1).SectorRow = 5;  // a record, but the code says no systems
    s.StarSystem(6, 2, 1).SectorCol = 5;
    for (int i = 1; i <= 10; ++i) {
        s.ZarvoniEnergy[i] = 55;
        s.ZarvoniShips[1][i] = s.ZarvoniShips[2][i] = 4;
    }
    for (int i = 1; i <= 5; ++i) {
        s.CloakedEnergy[i] = 55;
        s.CloakedShips[1][i] = s.CloakedShips[2][i] = 4;
    }
    s.SectorGrid[4][4] = kZarvoni;

    MakeTactical(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    ExpectGrid(s, {{3, 7, 1}});
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.ZarvoniEnergy[i], -1);
        EXPECT_EQ(s.ZarvoniShips[1][i], 0);
        EXPECT_EQ(s.ZarvoniShips[2][i], 0);
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(s.CloakedEnergy[i], -1);
        EXPECT_EQ(s.CloakedShips[1][i], 0);
        EXPECT_EQ(s.CloakedShips[2][i], 0);
    }
    EXPECT_EQ(s.QuadZarvonis + s.QuadStarbase + s.QuadStars, 0);
}

// Once the Zarvoni starbase is destroyed or captured, a ship starts weakened on a draw above 0.3
// (cloaked: 0.5) with a second draw for its energy; otherwise the first draw is made all the same.
// The single-precision draw nearest to 0.3 lies just above it and weakens; the one below does not.
TEST(GalaxyTactical, ShipsStartWeakenedOnceTheZarvoniBaseIsGone) {
    struct Case {
        Flag destroyed;
        Long captured;
        std::vector<Integer> zarvoni, cloaked;
    };
    const std::vector<Case> cases = {
        {kFalse, 0, {100, 100}, {100, 100}},
        {kTrue, 0, {60, 100}, {79, 100}},
        {kFalse, -1, {60, 100}, {79, 100}},
    };
    for (const Case& c : cases) {
        const bool weak = c.destroyed != 0 || c.captured != 0;
        ScriptedRandom rng;
        rng.Push(0.3f);
        if (weak) rng.Push(0.5f);
        rng.Push(At(1));
        rng.Push(At(1));
        rng.Push(std::nextafter(0.3f, 0.0f));
        rng.Push(At(1));
        rng.Push(At(2));
        rng.Push(0.51f);
        if (weak) rng.Push(0.99f);
        rng.Push(At(2));
        rng.Push(At(1));
        rng.Push(0.5f);
        rng.Push(At(2));
        rng.Push(At(2));
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 1;
        s.ShipSectorRow = s.ShipSectorCol = 8;
        s.Galaxy[1][1] = 200;
        s.CloakedPerQuadrant[0][0] = 2;
        s.ZarvoniBaseDestroyed = c.destroyed;
        s.ZarvoniBase[0] = c.captured;

        MakeTactical(gg.game);

        EXPECT_TRUE(gg.host.errors.empty());
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniEnergy[1], c.zarvoni[0]);
        EXPECT_EQ(s.ZarvoniEnergy[2], c.zarvoni[1]);
        EXPECT_EQ(s.CloakedEnergy[1], c.cloaked[0]);
        EXPECT_EQ(s.CloakedEnergy[2], c.cloaked[1]);
        ExpectGrid(s, {{8, 8, 1}, {1, 1, 2}, {1, 2, 2}, {2, 1, 6}, {2, 2, 6}});
    }
}

// The largest draw below 1 gives sector 8 and a weakened energy of 79 (Int(Rnd * n + m) never
// reaches n + m).
TEST(GalaxyTactical, TheLargestDrawStaysInRange) {
    const float top = std::nextafter(1.0f, 0.0f);
    ScriptedRandom rng({
        0.9f, top, top, top,   // InitZ: weakened, energy, sector (8, 8)
        top, top, top, At(7),  // InitC: weakened, energy, sector (8, 7)
        top, top,              // InitS: the starbase's sector (8, 8)
        At(2), At(2),          // QuadZ: the Zarvoni ship on the starbase, drawn again
    });
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 1;
    s.ShipSectorRow = s.ShipSectorCol = 1;
    s.Galaxy[1][1] = 110;
    s.CloakedPerQuadrant[0][0] = 1;
    s.ZarvoniBaseDestroyed = kTrue;

    MakeTactical(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniEnergy[1], 79);
    EXPECT_EQ(s.CloakedEnergy[1], 79);
    ExpectGrid(s, {{1, 1, 1}, {8, 8, 4}, {2, 2, 2}, {8, 7, 6}});
}

// A generator that keeps naming one taken sector cannot hold up the set-up: the second ship
// takes the first free sector in row order.
TEST(GalaxyTactical, AStuckGeneratorStillPlacesEveryShip) {
    ConstantRandom rng(At(8));
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 1;
    s.ShipSectorRow = s.ShipSectorCol = 1;
    s.Galaxy[1][1] = 200;

    MakeTactical(gg.game);

    EXPECT_TRUE(gg.host.errors.empty());
    ExpectGrid(s, {{1, 1, 1}, {8, 8, 2}, {1, 2, 2}});
    EXPECT_EQ(s.ZarvoniShips[1][2], 1);
    EXPECT_EQ(s.ZarvoniShips[2][2], 2);
}

TEST(GalaxyTactical, AnUnexpectedErrorIsReportedAndTheSetUpGoesOn) {
    ScriptedRandom rng;
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = 0;  // not a quadrant
    s.ShipQuadrantCol = 3;
    s.QuadrantChanged = kTrue;

    // Both stages that read the quadrant report it.
    gg.host.ExpectErrors(2);
    MakeTactical(gg.game);

    ASSERT_EQ(gg.host.errors.size(), 2u);
    EXPECT_NE(gg.host.errors.front().find("KVBASIC : MakeTactical"), std::string::npos);
    EXPECT_NE(gg.host.errors.front().find("InitC"), std::string::npos);
    EXPECT_EQ(s.QuadrantChanged, kFalse);
}

}  // namespace
}  // namespace kv::test
