#include <gtest/gtest.h>

#include "engine/tactical/ShortRangeScan.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// Quadrant (4, 4), the ship at sector (4, 4), the hostiles' last turn already here.
struct ShortRangeScanTest : ::testing::Test {
    ScriptedRandom rng;  // the scan draws nothing
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override { s.LibComputerState[3] = -32767; }  // no automatic shields
    std::vector<std::string> Draws() const { return tg.host.Events("draw:"); }

    // One of everything the quadrant can hold.
    void FillQuadrant() {
        s.QuadZarvonis = 2;
        s.ZarvoniShips[1][1] = 2, s.ZarvoniShips[2][1] = 3, s.ZarvoniEnergy[1] = 100;
        s.ZarvoniShips[1][2] = 6, s.ZarvoniShips[2][2] = 6, s.ZarvoniEnergy[2] = 0;
        s.ZarvoniShips[1][3] = 7, s.ZarvoniShips[2][3] = 3, s.ZarvoniEnergy[3] = 100;  // beyond QuadZarvonis
        s.MorvShip = {0, 4, 4, 1, 8};
        s.QuadStars = 2;
        s.StarSystem(4, 4, 1).SectorRow = 7, s.StarSystem(4, 4, 1).SectorCol = 7;
        s.StarSystem(4, 4, 2).SectorRow = 8, s.StarSystem(4, 4, 2).SectorCol = 1;
        s.StarSystem(4, 4, 2).SystemValue3 = 5;  // visited
        s.QuadStarbase = 2;
        s.StarbaseSectors[1][2] = 3, s.StarbaseSectors[2][2] = 5;
        s.ZarvoniBase = {-1, 4, 4, 5, 1, 9000};  // captured
        s.CloakedPerQuadrant[3][3] = 2;
        s.CloakedShips[1][1] = 2, s.CloakedShips[2][1] = 7, s.CloakedEnergy[1] = 10;
        s.CloakedShips[1][2] = 8, s.CloakedShips[2][2] = 8, s.CloakedEnergy[2] = 20;
    }
};

TEST_F(ShortRangeScanTest, WorkingSensorsRebuildTheGridAndDrawEveryObject) {
    FillQuadrant();
    s.SectorGrid[7][3] = kZarvoni;  // stale codes are cleared
    s.SectorGrid[4][5] = kStar;
    SRS(tg.game);

    Grid9 expected{};
    expected[4][4] = kShip;
    expected[2][3] = expected[6][6] = kZarvoni;
    expected[1][8] = kMorv;
    expected[7][7] = expected[8][1] = kStar;
    expected[3][5] = kStarbase;
    expected[5][1] = kZarvoniStarbase;
    expected[2][7] = expected[8][8] = kCloaked;
    EXPECT_EQ(s.SectorGrid, expected);
    EXPECT_EQ(EventsOf(tg.host, {"resetcells", "draw:", "refresh:ShortRangeScan"}),
              (std::vector<std::string>{"resetcells", "draw:2,3:2", "draw:6,6:3", "draw:4,4:1", "draw:1,8:12",
                                        "draw:7,7:4", "draw:8,1:5", "draw:3,5:6", "draw:5,1:8", "draw:2,7:9",
                                        "draw:8,8:0", "refresh:ShortRangeScan"}));

    // The debug switch shows a cloaked ship at full strength; the Zarvoni base not captured.
    tg.host.events.clear();
    s.ShowCloakFlag = true;
    s.ZarvoniBase[0] = 0;
    SRS(tg.game);
    EXPECT_TRUE(tg.host.Saw("draw:8,8:10"));
    EXPECT_TRUE(tg.host.Saw("draw:5,1:7"));
}

TEST_F(ShortRangeScanTest, DamagedSensorsSeeTwoSectorsAroundTheShipAndKeepTheGrid) {
    FillQuadrant();
    s.SystemDamage[kShortRangeSensors] = 0.5f;
    s.ShipSectorRow = s.ShipSectorCol = 1;
    s.ZarvoniShips[1][2] = 3, s.ZarvoniShips[2][2] = 3;  // in reach
    s.ZarvoniShips[1][1] = 4, s.ZarvoniShips[2][1] = 4;  // out of reach
    s.StarbaseSectors[1][2] = 2, s.StarbaseSectors[2][2] = 2;
    s.SectorGrid[4][4] = kStar;  // whatever the grid holds stays
    const Grid9 before = s.SectorGrid;
    SRS(tg.game);

    const auto draws = Draws();
    ASSERT_GE(draws.size(), 64u);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const bool inReach = r <= 3 && c <= 3;
            EXPECT_EQ(draws[(r - 1) * 8 + c - 1],
                      "draw:" + std::to_string(r) + "," + std::to_string(c) + (inReach ? ":0" : ":11"));
        }
    EXPECT_EQ(std::vector<std::string>(draws.begin() + 64, draws.end()),
              (std::vector<std::string>{"draw:3,3:3", "draw:1,1:1", "draw:2,2:6"}));
    // Only the Morv ship's and the Zarvoni starbase's codes are written.
    Grid9 expected = before;
    expected[1][8] = kMorv;
    expected[5][1] = kZarvoniStarbase;
    EXPECT_EQ(s.SectorGrid, expected);
    EXPECT_FALSE(tg.host.Saw("resetcells"));
}

TEST_F(ShortRangeScanTest, TheHostilesGetOneTurnWhenItIsDue) {
    struct Case {
        const char* what;
        Integer lastTurnRow;
        Integer flag;
        bool turn;
    };
    const Case cases[] = {
        {"nothing owed", 4, 0, false},
        {"a move asks for it", 4, 1, true},
        {"another quadrant", 3, 0, true},
        {"inside the hostiles' own turn", 3, -32767, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        s.TacticalQuadRow = c.lastTurnRow;
        s.HostileTurnFlag = c.flag;
        if (c.turn)
            for (float d : QuietWalk(s)) rng.Push(d);  // the turn's walk over the galaxy
        SRS(tg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.HostileTurnFlag, c.turn ? 0 : c.flag);
        EXPECT_EQ(s.TacticalQuadRow, c.turn ? 4 : c.lastTurnRow);
    }
}

TEST_F(ShortRangeScanTest, ANewQuadrantIsSetUpFirst) {
    s.QuadrantChanged = kTrue;
    s.Galaxy[4][4] = 0;
    SRS(tg.game);
    EXPECT_EQ(s.QuadrantChanged, kFalse);
    EXPECT_EQ(s.SectorGrid[4][4], kShip);
    EXPECT_TRUE(tg.host.errors.empty());
}

TEST_F(ShortRangeScanTest, WithoutTheComputerTheArrivalOffersShields) {
    struct Case {
        const char* what;
        Long mark;
        Single computer;
        Integer shields;
        int answer;  // 0: not asked
        bool dialog;
    };
    const Case cases[] = {
        {"accepted", 1, 1.0f, 0, kYes, true},
        {"declined", 1, 1.0f, 0, kNo, false},
        {"shields already up", 1, 1.0f, 300, 0, false},
        {"no arrival mark", 0, 1.0f, 0, 0, false},
        {"the computer sets them", -1, 0.0f, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom r;
        TurnGame t(r);
        GameState& st = t.game.st;
        st.Galaxy[4][4] = 100;  // a Zarvoni ship in the quadrant
        st.LibComputerState[3] = c.mark;
        st.SystemDamage[kComputer] = c.computer;
        st.ShieldLevel = c.shields;
        st.ComAutoShields = kFalse;  // the automatic shields' own step stays quiet
        if (c.answer) t.host.answers = {c.answer};
        t.host.modal[Form::frmSHE] = [] { return static_cast<int>(kCancel); };
        SRS(t.game);
        EXPECT_EQ(t.host.questions, c.answer ? std::vector<std::string>{"<KVBASIC0253>"} : std::vector<std::string>{});
        EXPECT_EQ(t.host.Saw("modal:frmSHE"), c.dialog);
    }
}

TEST_F(ShortRangeScanTest, KnownStarbaseQuadrantsShowTheirCurrentCode) {
    s.Starbases[1][1] = 2, s.Starbases[2][1] = 2;
    s.Starbases[1][2] = 6, s.Starbases[2][2] = 7;
    s.Galaxy[2][2] = 310, s.KnownGalaxy[2][2] = 10;
    s.Galaxy[6][7] = 320, s.KnownGalaxy[6][7] = -1;  // never charted
    SRS(tg.game);
    EXPECT_EQ(s.KnownGalaxy[2][2], 310);
    EXPECT_EQ(s.KnownGalaxy[6][7], -1);
}

TEST_F(ShortRangeScanTest, DrawSectorIgnoresCellsOutsideTheQuadrant) {
    DrawSector(tg.game, 0, 5, 2);
    DrawSector(tg.game, 9, 1, 2);
    DrawSector(tg.game, 3, 0, 2);
    EXPECT_TRUE(tg.host.events.empty());
    DrawSector(tg.game, 8, 8, 12);
    EXPECT_EQ(tg.host.events, std::vector<std::string>{"draw:8,8:12"});
}

}  // namespace
}  // namespace kv::test
