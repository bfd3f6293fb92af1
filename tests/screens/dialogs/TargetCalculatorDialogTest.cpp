#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "screens/dialogs/TargetCalculatorDialog.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct TargetCalculatorDialogTest : ::testing::Test {
    SeededRandom rng{5};
    TurnGame tg{rng};
    GameState& s = tg.st;

    void SetUp() override {
        At(4, 4, 4, 4);
        s.TargetQuadText = "7,7";
        s.TargetSectText = "2,2";
        for (auto& row : s.KnownGalaxy) row.fill(-1);
    }
    void At(int qr, int qc, int sr, int sc) {
        s.ShipQuadrantRow = static_cast<Integer>(qr), s.ShipQuadrantCol = static_cast<Integer>(qc);
        s.ShipSectorRow = static_cast<Integer>(sr), s.ShipSectorCol = static_cast<Integer>(sc);
    }
    // A friendly starbase the player has charted.
    void Base(int n, int qr, int qc, int sr, int sc) {
        s.Starbases[1][n] = qr, s.Starbases[2][n] = qc, s.Starbases[3][n] = 30000;
        s.StarbaseSectors[1][n] = static_cast<Integer>(sr), s.StarbaseSectors[2][n] = static_cast<Integer>(sc);
        s.Galaxy[qr][qc] = static_cast<Integer>(10 * n);
        s.KnownGalaxy[qr][qc] = s.Galaxy[qr][qc];
    }
    int SetBase() const {
        for (int i = 0; i < 4; ++i)
            if (s.TargetOptBase[static_cast<size_t>(i)]) return i;
        return -1;
    }
};

TEST_F(TargetCalculatorDialogTest, TheNearestBaseByExactDistance) {
    At(3, 3, 5, 5);
    Base(1, 4, 4, 1, 1);  // 5.66 away
    Base(2, 2, 3, 8, 8);  // 5.83 away
    ChooseNearestBase(tg.game);
    EXPECT_EQ(s.TargetQuadText, "4,4");
    EXPECT_EQ(SetBase(), 1);

    // An equal distance keeps the earlier base; an uncharted one does not count.
    Base(3, 4, 4, 1, 1);
    s.TargetOptBase.fill(false);
    ChooseNearestBase(tg.game);
    EXPECT_EQ(SetBase(), 1);
    s.KnownGalaxy[4][4] = -1;
    ChooseNearestBase(tg.game);
    EXPECT_EQ(SetBase(), 2);
    EXPECT_EQ(s.TargetQuadText, "2,3");

    // A destroyed base, however near, gives way to the nearest standing one.
    s.KnownGalaxy[4][4] = s.Galaxy[4][4];
    s.Starbases[3][1] = s.Starbases[3][3] = -1000;
    ChooseNearestBase(tg.game);
    EXPECT_EQ(SetBase(), 2);
    EXPECT_EQ(s.TargetQuadText, "2,3");

    // Nothing known: every base option cleared, the text kept.
    s.KnownGalaxy[2][3] = -1;
    ChooseNearestBase(tg.game);
    EXPECT_EQ(SetBase(), -1);
    EXPECT_EQ(s.TargetQuadText, "2,3");
}

// A base the starbase report has shown stays a target after its quadrant's record on the chart
// has gone out of date; one never seen is refused then.
TEST_F(TargetCalculatorDialogTest, ABaseTheReportHasSeenStaysATargetWhenItsChartIsOld) {
    Base(1, 2, 6, 3, 3);
    UpdateBaseReport(tg.game);
    s.Galaxy[2][6] = 110;  // hostiles came in after the last scan
    ChooseTargetBase(tg.game, 1);
    EXPECT_EQ(SetBase(), 1);
    EXPECT_EQ(s.TargetQuadText, "2,6");
    ChooseNearestBase(tg.game);
    EXPECT_EQ(SetBase(), 1);

    Base(2, 7, 7, 1, 1);
    s.Galaxy[7][7] = 120;
    ChooseTargetBase(tg.game, 2);
    EXPECT_EQ(SetBase(), -1);
    EXPECT_EQ(s.TargetQuadText, "2,6");
}

TEST_F(TargetCalculatorDialogTest, TheNeighbourScoresOfTheChart) {
    At(4, 4, 2, 7);
    s.KnownGalaxy[3][3] = 205, s.KnownGalaxy[3][5] = 102, s.KnownGalaxy[4][3] = 3;
    s.KnownGalaxy[4][5] = 204, s.KnownGalaxy[5][4] = 0, s.KnownGalaxy[5][5] = 1;
    struct Case {
        NeighbourScore score;
        const char* quadrant;
        int option;
    };
    const Case cases[] = {
        {NeighbourScore::Hostiles, "4,5", 4}, {NeighbourScore::Stars, "3,3", 0}, {NeighbourScore::Safety, "4,3", 3}};
    for (const auto& c : cases) {
        s.TargetOptBase[2] = true;
        ChooseBestNeighbour(tg.game, c.score);
        EXPECT_EQ(s.TargetQuadText, c.quadrant);
        EXPECT_TRUE(s.TargetOptLRS[static_cast<size_t>(c.option)]) << c.quadrant;
        EXPECT_EQ(SetBase(), -1);
    }
}

TEST_F(TargetCalculatorDialogTest, NeighboursFindNothingInAnUnchartedCorner) {
    At(1, 1, 4, 4);
    for (auto score : {NeighbourScore::Hostiles, NeighbourScore::Stars, NeighbourScore::Safety}) {
        s.TargetOptLRS[4] = true;
        ChooseBestNeighbour(tg.game, score);
        EXPECT_EQ(s.TargetQuadText, "7,7");
        EXPECT_FALSE(s.TargetOptLRS[4]);
    }
    // Nine known hostiles are too many for safety; eight are not.
    s.KnownGalaxy[1][2] = 900;
    ChooseBestNeighbour(tg.game, NeighbourScore::Safety);
    EXPECT_EQ(s.TargetQuadText, "7,7");
    s.KnownGalaxy[1][2] = 800;
    ChooseBestNeighbour(tg.game, NeighbourScore::Safety);
    EXPECT_EQ(s.TargetQuadText, "1,2");

    // A neighbour outside the galaxy is refused.
    ChooseTargetNeighbour(tg.game, 0);
    EXPECT_EQ(s.TargetQuadText, "1,2");
    EXPECT_FALSE(s.TargetOptLRS[0]);
    ChooseTargetNeighbour(tg.game, 7);
    EXPECT_EQ(s.TargetQuadText, "2,2");
}

TEST_F(TargetCalculatorDialogTest, BasesAndThePreviousQuadrantAreRefusedUntilTheyExist) {
    // No previous quadrant before the ship has moved.
    ChooseTargetPrevious(tg.game);
    EXPECT_FALSE(s.TargetOptPrev);
    EXPECT_EQ(s.TargetQuadText, "7,7");
    s.PrevQuadRow = 3, s.PrevQuadCol = 5;
    ChooseTargetPrevious(tg.game);
    EXPECT_TRUE(s.TargetOptPrev);
    EXPECT_EQ(s.TargetQuadText, "3,5");

    // A base of no quadrant, one not known, one destroyed; then the Zarvoni base once known.
    ChooseTargetBase(tg.game, 1);
    EXPECT_EQ(SetBase(), -1);
    EXPECT_FALSE(s.TargetOptPrev);
    Base(2, 6, 2, 3, 3);
    s.KnownGalaxy[6][2] = -1;
    ChooseTargetBase(tg.game, 2);
    EXPECT_EQ(SetBase(), -1);
    s.Starbases[0][2] = -1;  // known all the same
    ChooseTargetBase(tg.game, 2);
    EXPECT_EQ(SetBase(), 2);
    EXPECT_EQ(s.TargetQuadText, "6,2");
    s.Starbases[3][2] = -1000;
    ChooseTargetBase(tg.game, 2);
    EXPECT_EQ(SetBase(), -1);
    s.ZarvoniBase = {0, 8, 1, 2, 2, 5000};
    ChooseTargetBase(tg.game, 0);
    EXPECT_EQ(SetBase(), -1);
    s.ZarvoniBaseKnown = kTrue;
    ChooseTargetBase(tg.game, 0);
    EXPECT_EQ(SetBase(), 0);
    EXPECT_EQ(s.TargetQuadText, "8,1");
}

TEST_F(TargetCalculatorDialogTest, PicksFromThePickerTheChartAndTheScan) {
    EXPECT_EQ(TargetPickerShipCell(s, true), 27);
    s.TargetOptLRS[1] = true;
    TakePickedCell(tg.game, true, 10);
    EXPECT_EQ(s.TargetQuadText, "2,3");
    EXPECT_FALSE(s.TargetOptLRS[1]);
    TakePickedCell(tg.game, false, 63);
    EXPECT_EQ(s.TargetSectText, "8,8");
    // A picker closed without a pick keeps the texts.
    TakePickedCell(tg.game, true, std::nullopt);
    TakePickedCell(tg.game, false, std::nullopt);
    EXPECT_EQ(s.TargetQuadText, "2,3");
    EXPECT_EQ(s.TargetSectText, "8,8");

    TargetCalculatorActivate(tg.game);
    EXPECT_EQ(TakeChartPick(tg.game), std::nullopt);
    s.QuadrantPickMode = 17;
    s.Chart.Labels[16].Border = true;  // the chart's pick mark
    EXPECT_EQ(TakeChartPick(tg.game), 16);
    EXPECT_EQ(s.TargetQuadText, "3,1");
    EXPECT_FALSE(s.Chart.Labels[16].Border);
    EXPECT_EQ(s.QuadrantPickMode, -1);
    s.SectorPickMode = 1;
    TakeScanPick(tg.game);
    EXPECT_EQ(s.TargetSectText, "1,1");
    EXPECT_EQ(s.SectorPickMode, -1);

    TargetCalculatorCancel(tg.game);
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(s.QuadrantPickMode, 0);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckSRS));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckCOM));
}

TEST_F(TargetCalculatorDialogTest, ThePickerOffersEveryCellButTheShipsOwn) {
    struct Case {
        bool quadrant;
        int pick;  // -1: closed without a pick
        const char* quad;
        const char* sect;
    };
    const Case cases[] = {
        {true, 0, "1,1", "2,2"},
        {false, 63, "7,7", "8,8"},
        {true, -1, "7,7", "2,2"},
        {false, -1, "7,7", "2,2"},
    };
    At(3, 5, 6, 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quadrant ? "quadrant" : "sector");
        s.TargetQuadText = "7,7", s.TargetSectText = "2,2";
        const int ship = c.quadrant ? 20 : 41;
        bool shipDisabled = false;
        tg.host.modal[Form::frmQuadSelect] = [&] {
            EXPECT_EQ(s.QuadSelect.Caption, c.quadrant ? "<TARGET0004>" : "<TARGET0005>");
            shipDisabled = !s.QuadSelect.Enabled[static_cast<size_t>(ship)];
            s.QuadSelect.Selected = c.pick;
            return kOK;
        };
        PickTargetCell(tg.game, c.quadrant);
        EXPECT_TRUE(shipDisabled);
        EXPECT_TRUE(s.QuadSelect.Enabled[static_cast<size_t>(ship)]);
        EXPECT_EQ(s.TargetQuadText, c.quad);
        EXPECT_EQ(s.TargetSectText, c.sect);
    }
}

TEST_F(TargetCalculatorDialogTest, TheAutomaticCalculatorComesBackAsThePanelHadIt) {
    tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    s.ComTCTag = "Manual";
    SaveTCState(tg.game);
    TargetCalculatorActivate(tg.game);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(s.ComTCTag, "");
    TargetCalculatorCancel(tg.game);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(s.ComTCTag, "Manual");
}

}  // namespace
}  // namespace kv::test
