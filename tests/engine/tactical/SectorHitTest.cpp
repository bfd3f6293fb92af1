#include <gtest/gtest.h>

#include "engine/tactical/SectorHit.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// The draw that gives flare direction d (Int(Rnd x 8 + 1) = d).
float Dir(int d) { return static_cast<float>(d - 1) / 8.0f + 0.01f; }

// The flare's own waits: eleven frames of 0.02 s and 0.3 s after them.
constexpr double kFlareWait = 11 * 0.02 + 0.3;
// A destroyed ship's cell flashes on the scan: six rings of 0.01 s on a 32-pixel cell, then
// 0.5 s.
constexpr double kDestroyFlashWait = 6 * 0.01 + 0.5;

// A star at sector row 5, column 5; the ship far off at (1, 1).
struct SectorHitTest : ::testing::Test {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.ShipSectorRow = s.ShipSectorCol = 1;
        s.SectorGrid[5][5] = kStar;
    }
};

TEST_F(SectorHitTest, ACornerStarFlaresOnlyIntoTheQuadrant) {
    // Directions 2 to 6 leave the quadrant from (1, 1) and are drawn again; 7 points south.
    for (int d : {2, 3, 4, 5, 6, 7}) rng.Push(Dir(d));
    s.ShipSectorRow = s.ShipSectorCol = 8;
    ResolveSectorHit(tg.game, 1, 1);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(tg.host.Events("refresh:ShortRangeScan").size(), 1u);
    EXPECT_NEAR(tg.host.waited, kFlareWait + 0.3, 1e-6);

    int dc = 0, dr = 0;
    FlareStep(9, dc, dr);  // never drawn; steps as direction 1
    EXPECT_EQ(dc, 1);
    EXPECT_EQ(dr, 0);
}

TEST_F(SectorHitTest, AFlareTowardsTheShipLosesItWithoutPause) {
    s.ShipSectorRow = 4, s.ShipSectorCol = 5;  // north of the star
    rng.Push(Dir(3));
    tg.host.modal[Form::frmShip] = [] { return kOK; };
    ResolveSectorHit(tg.game, 5, 5);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_TRUE(s.ShipLost);
    EXPECT_FALSE(s.GameRunning);
    // The end of the game blanks the displays; the hit's own redraw of the scan never comes.
    EXPECT_TRUE(tg.host.Events("refresh:ShortRangeScan").empty());
    EXPECT_NEAR(tg.host.waited, kFlareWait, 1e-6);  // only the flare's own
}

TEST_F(SectorHitTest, WhatTheFlareDoesToItsNeighbour) {
    // The neighbour is east of the star: sector (5, 6).
    struct Case {
        const char* what;
        void (*setup)(GameState&);
        std::vector<float> draws;  // after the direction
        long (*strength)(const GameState&);
        long expected;       // the strength or energy left (-1000 or 0 once destroyed)
        bool flash = false;  // a destroyed ship's cell flashes
    };
    auto none = [](const GameState&) -> long { return 0; };
    const Case cases[] = {
        {"an empty sector", [](GameState&) {}, {}, none, 0},
        {"another star", [](GameState& st) { st.SectorGrid[5][6] = kStar; }, {}, none, 0},
        {"a Zarvoni ship without energy survives",
         [](GameState& st) {
             st.SectorGrid[5][6] = kZarvoni;
             st.ZarvoniShips[1][3] = 5, st.ZarvoniShips[2][3] = 6, st.ZarvoniEnergy[3] = 0;
         },
         {0.0f},
         [](const GameState& st) -> long { return st.ZarvoniEnergy[3]; },
         0},
        {"a Zarvoni ship with energy 1 is destroyed",
         [](GameState& st) {
             st.SectorGrid[5][6] = kZarvoni;
             st.ZarvoniShips[1][3] = 5, st.ZarvoniShips[2][3] = 6, st.ZarvoniEnergy[3] = 1;
         },
         {0.999f},
         [](const GameState& st) -> long { return st.ZarvoniEnergy[3]; },
         -1000,
         true},
        {"a cloaked ship found by its recorded sector, not the grid",
         [](GameState& st) { st.CloakedShips[1][2] = 5, st.CloakedShips[2][2] = 6, st.CloakedEnergy[2] = -3; },
         {0.0f},
         [](const GameState& st) -> long { return st.CloakedEnergy[2]; },
         -3},
        {"the Zarvoni base at 150000 is always destroyed",
         [](GameState& st) { st.SectorGrid[5][6] = kZarvoniStarbase, st.ZarvoniBase[5] = 150000; },
         {0.999f, 0.0f, 0.0f},  // then the base's loss: the ships it held, the time it costs
         [](const GameState& st) -> long { return st.ZarvoniBase[5]; },
         -1000},
        {"the Morv ship at 1000000 survives a draw of 0.2",
         [](GameState& st) { st.SectorGrid[5][6] = kMorv, st.MorvStrength = 1000000; },
         {0.2f},
         [](const GameState& st) -> long { return st.MorvStrength; },
         800000},
        {"the Morv ship at 1000000 falls to a draw below 0.2",
         [](GameState& st) { st.SectorGrid[5][6] = kMorv, st.MorvStrength = 1000000; },
         {0.19f},
         [](const GameState& st) -> long { return st.MorvStrength; },
         0},
        {"the quadrant's friendly base survives at half chance",
         [](GameState& st) {
             st.SectorGrid[5][6] = kStarbase, st.QuadStarbase = 2;
             st.Starbases[3][2] = 400000, st.Starbases[3][1] = 900000;
         },
         {0.5f},
         [](const GameState& st) -> long { return st.Starbases[3][2]; },
         200000},
        {"a spent Zarvoni base whose code still stands",
         [](GameState& st) { st.SectorGrid[5][6] = kZarvoniStarbase, st.ZarvoniBase[5] = 0; },
         {0.999f, 0.0f, 0.0f},
         [](const GameState& st) -> long { return st.ZarvoniBase[5]; },
         -1000},
        {"a friendly base below 0",
         [](GameState& st) { st.SectorGrid[5][6] = kStarbase, st.QuadStarbase = 1, st.Starbases[3][1] = -5; },
         {0.999f},
         [](const GameState& st) -> long { return st.Starbases[3][1]; },
         -1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom r;
        TurnGame t(r);
        GameState& st = t.game.st;
        st.ShipSectorRow = st.ShipSectorCol = 1;
        st.SectorGrid[5][5] = kStar;
        c.setup(st);
        r.Push(Dir(1));
        for (float v : c.draws) r.Push(v);
        ResolveSectorHit(t.game, 5, 5);
        EXPECT_EQ(r.Remaining(), 0u);
        EXPECT_EQ(c.strength(st), c.expected);
        // The hit ends with the scan redrawn once and a pause after the flare.
        EXPECT_EQ(t.host.Events("refresh:ShortRangeScan").size(), 1u);
        EXPECT_EQ(t.host.events.back(), "wait");
        EXPECT_NEAR(t.host.waited, kFlareWait + 0.3 + (c.flash ? kDestroyFlashWait : 0), 1e-6);
        EXPECT_EQ(t.host.Events("ring:5,6:").empty(), !c.flash);
    }
}

TEST_F(SectorHitTest, AStarOutsideTheQuadrantDoesNothing) {
    ResolveSectorHit(tg.game, 0, 5);
    ResolveSectorHit(tg.game, 5, 9);
    EXPECT_EQ(rng.Used(), 0u);
    EXPECT_TRUE(tg.host.events.empty());
}

}  // namespace
}  // namespace kv::test
