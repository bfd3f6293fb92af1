#include <gtest/gtest.h>

#include "engine/tactical/Tractor.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// Quadrant (4, 4) with the player's ship at sector (8, 8) and Zarvoni ship 3 (energy 100) at
// (5, 2); the quadrant's code counts two Zarvoni ships.
struct TowScene {
    ScriptedRandom rng;  // the tow draws nothing
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    TowScene() {
        AddSounds(tg, {"TRACTOR.WAV", "ZDOCK.WAV"});
        s.ShipSectorRow = s.ShipSectorCol = 8;
        s.SectorGrid[8][8] = kShip;
        s.Galaxy[4][4] = 200;
        s.StrongEnemyText = "Morv";
        Place(3, 5, 2, 100);
    }
    void Place(int slot, int row, int col, Integer energy) {
        s.ZarvoniShips[1][slot] = static_cast<Integer>(row);
        s.ZarvoniShips[2][slot] = static_cast<Integer>(col);
        s.ZarvoniEnergy[slot] = energy;
        s.SectorGrid[row][col] = kZarvoni;
    }
    void MorvAt(int row, int col, Long strength) {
        s.MorvShip = {0, 4, 4, static_cast<Integer>(row), static_cast<Integer>(col)};
        s.MorvStrength = strength;
        s.SectorGrid[row][col] = kMorv;
    }
    void StarbaseAt(int base, int row, int col, Long strength) {
        s.StarbaseSectors[1][base] = static_cast<Integer>(row);
        s.StarbaseSectors[2][base] = static_cast<Integer>(col);
        s.Starbases[3][base] = strength;
        s.SectorGrid[row][col] = kStarbase;
    }
    void ExpectGone(int slot) {
        EXPECT_EQ(s.ZarvoniShips[1][slot], 0);
        EXPECT_EQ(s.ZarvoniShips[2][slot], 0);
        EXPECT_EQ(s.ZarvoniEnergy[slot], -1000);
        EXPECT_EQ(s.ZarvoniFlags[slot], 0);
    }
};

struct TractorTest : ::testing::Test, TowScene {};

TEST_F(TractorTest, TheMorvShipPullsAShipInStepByStep) {
    MorvAt(5, 5, 500);  // exactly 3 x 100 + 200
    s.ZarvoniFlags[3] = 1;
    TractorTow(tg.game, 3, 0);

    // Two steps, (5, 3) and (5, 4), then the ship is beside the Morv ship and taken.
    EXPECT_EQ(tg.host.Events("draw:"), (std::vector<std::string>{"draw:5,2:0", "draw:5,3:2", "draw:5,3:0", "draw:5,4:2",
                                                                 "draw:5,4:0", "draw:5,5:12"}));
    EXPECT_EQ(tg.host.output, std::vector<std::string>{"<KVBASIC0244>Morv<KVBASIC0245>Zarvoni<KVBASIC0246>"});
    EXPECT_EQ(SoundNames(tg.host), (std::vector<std::string>{"TRACTOR.WAV", "TRACTOR.WAV", "ZDOCK.WAV"}));
    ExpectGone(3);
    EXPECT_EQ(s.SectorGrid[5][2], kEmpty);
    EXPECT_EQ(s.SectorGrid[5][4], kEmpty);
    EXPECT_EQ(s.SectorGrid[5][5], kMorv);
    EXPECT_EQ(s.Galaxy[4][4], 100);
    EXPECT_EQ(s.MorvStrength, 500 - 200 + 1000);  // two steps paid, the ship's energy gained
    // The beam in the Morv ship's colours, aimed, shown and hidden, then its own colours again.
    const auto e = tg.host.Events("beam");
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.front(), "beamcolours:morv");
    EXPECT_EQ(e[1], "beam:10:5,5>5,2");
    EXPECT_EQ(e[e.size() - 2], "beams:10-14:off");
    EXPECT_EQ(e.back(), "beamcolours:own");
}

TEST_F(TractorTest, AnAdjacentShipIsTakenAtOnceAndTheMorvStrengthIsCapped) {
    MorvAt(5, 3, 1199500);
    s.MorvShipsDestroyed = 1;  // the cap is 1,200,000
    TractorTow(tg.game, 3, 0);
    EXPECT_TRUE(tg.host.Events("beams:10-14:on").empty());  // no step
    EXPECT_EQ(SoundNames(tg.host), std::vector<std::string>{"ZDOCK.WAV"});
    ExpectGone(3);
    EXPECT_EQ(s.MorvStrength, 1200000);
}

TEST_F(TractorTest, StrengthAndReachOfThePullers) {
    struct Case {
        const char* what;
        void (*setup)(TowScene&);
        int base;
        bool towed;
        long (*strength)(const GameState&);
        long after;
        Integer galaxyAfter;  // the quadrant's code: a ship with energy comes off it
    };
    const Case cases[] = {
        {"the Morv ship never reaches 4 sectors", [](TowScene& t) { t.MorvAt(5, 6, 1000000); }, 0, false,
         [](const GameState& st) -> long { return st.MorvStrength; }, 1000000, 200},
        {"a starbase pulls from 4 sectors with 600", [](TowScene& t) { t.StarbaseAt(2, 5, 6, 600); }, 2, true,
         [](const GameState& st) -> long { return st.Starbases[3][2]; }, 300, 100},
        {"a starbase with 599 does not", [](TowScene& t) { t.StarbaseAt(2, 5, 6, 599); }, 2, false,
         [](const GameState& st) -> long { return st.Starbases[3][2]; }, 599, 200},
        {"the Zarvoni starbase pulls a spent ship in",
         [](TowScene& t) {
             t.s.ZarvoniEnergy[3] = 0;
             t.s.ZarvoniBase = {0, 4, 4, 7, 2, 10000};
             t.s.SectorGrid[7][2] = kZarvoniStarbase;
         },
         0, true, [](const GameState& st) -> long { return st.ZarvoniBase[5]; }, 10000 - 100, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TowScene t;
        c.setup(t);
        TractorTow(t.tg.game, 3, c.base);
        EXPECT_EQ(t.s.ZarvoniShips[1][3] == 0, c.towed);
        EXPECT_EQ(c.strength(t.s), c.after);
        EXPECT_EQ(t.tg.host.Events("log:").size(), c.towed ? 1u : 0u);
        EXPECT_EQ(t.s.Galaxy[4][4], c.galaxyAfter);
        if (c.towed) {
            EXPECT_EQ(t.tg.host.output, std::vector<std::string>{"<KVBASIC0247>Zarvoni<KVBASIC0248>"});
        }
    }
}

TEST_F(TractorTest, ABlockedTowLeavesTheShipOnItsLastSectorInTableAndGrid) {
    MorvAt(5, 5, 900);
    s.SectorGrid[5][4] = kStar;  // the second step is blocked
    TractorTow(tg.game, 3, 0);
    EXPECT_EQ(s.ZarvoniShips[1][3], 5);
    EXPECT_EQ(s.ZarvoniShips[2][3], 3);
    EXPECT_EQ(s.ZarvoniEnergy[3], 100);
    EXPECT_EQ(s.SectorGrid[5][2], kEmpty);
    EXPECT_EQ(s.SectorGrid[5][3], kZarvoni);
    EXPECT_EQ(s.SectorGrid[5][4], kStar);
    EXPECT_EQ(s.MorvStrength, 900 - 200);  // charged for both attempts
    EXPECT_TRUE(tg.host.output.empty());
    EXPECT_EQ(s.Galaxy[4][4], 200);
    EXPECT_EQ(tg.host.Events("refresh:ShortRangeScan").size(), 1u + 10u + 1u);  // step, strain, its end
}

TEST_F(TractorTest, AStarbaseOnThePathIsNoObstacle) {
    StarbaseAt(1, 5, 6, 5000);
    s.SectorGrid[5][4] = kZarvoniStarbase;
    TractorTow(tg.game, 3, 1);
    ExpectGone(3);
    EXPECT_EQ(s.Starbases[3][1], 5000 - 300);
    EXPECT_EQ(s.SectorGrid[5][6], kStarbase);
    EXPECT_EQ(s.SectorGrid[5][4], kZarvoniStarbase);  // passed over, still there
}

// A tow blocked while the ship stands over a starbase it is passing leaves the base its cell:
// the ship stops on the last sector it held alone.
TEST_F(TractorTest, ATowBlockedOverAStarbaseStopsTheShipBeforeIt) {
    MorvAt(5, 5, 900);
    s.SectorGrid[5][3] = kZarvoniStarbase;
    s.SectorGrid[5][4] = kStar;
    TractorTow(tg.game, 3, 0);
    EXPECT_EQ(s.ZarvoniShips[1][3], 5);
    EXPECT_EQ(s.ZarvoniShips[2][3], 2);
    EXPECT_EQ(s.SectorGrid[5][2], kZarvoni);
    EXPECT_EQ(s.SectorGrid[5][3], kZarvoniStarbase);
    EXPECT_EQ(s.SectorGrid[5][4], kStar);
}

TEST_F(TractorTest, DamagedSensorsOnlyShowTheStepsNearTheShip) {
    MorvAt(5, 5, 900);
    s.SystemDamage[kShortRangeSensors] = 1.0f;
    s.ShipSectorRow = 7, s.ShipSectorCol = 2;  // sees rows 5..8 of columns 1..4
    TractorTow(tg.game, 3, 0);
    EXPECT_EQ(tg.host.Events("draw:"),
              (std::vector<std::string>{"draw:5,2:0", "draw:5,3:2", "draw:5,3:0", "draw:5,4:2", "draw:5,4:0"}));
    ExpectGone(3);
}

TEST_F(TractorTest, OnlyAPlacedShipOfSlots1To10IsPulled) {
    MorvAt(5, 3, 100000);
    s.ZarvoniEnergy[0] = 100;  // slot 0 is never a ship
    Place(4, 5, 4, 100);
    s.ZarvoniShips[1][4] = 0;  // slot 4 no longer on the grid
    for (int slot : {0, 4, 11, -1}) TractorTow(tg.game, slot, 0);
    TractorTow(tg.game, 3, 4);  // no starbase 4
    EXPECT_TRUE(tg.host.events.empty());
    EXPECT_EQ(s.MorvStrength, 100000);
    EXPECT_EQ(s.ZarvoniEnergy[3], 100);
}

}  // namespace
}  // namespace kv::test
