#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct DisplayLooksTest : ::testing::Test {
    SeededRandom rng{5};
    TurnGame tg{rng};
    GameState& s = tg.game.st;
    const CommandStateLook& look = s.CommandLook;
};

TEST_F(DisplayLooksTest, CommandColoursFollowTheDamageOfEachSystem) {
    struct Case {
        const char* what;
        ShipSystem system;
        float damage;
        CommandButton strong;    // a light-red button of the system
        CommandButton ordinary;  // a red one (cmdGame: none)
    };
    const Case cases[] = {
        {"warp engines damaged", kWarpEngines, 0.5f, CommandButton::cmdNAV, CommandButton::cmdGame},
        {"sensors damaged", kShortRangeSensors, 1.0f, CommandButton::cmdSRS, CommandButton::cmdGame},
        {"long-range sensors", kLongRangeSensors, 1.0f, CommandButton::cmdGame, CommandButton::cmdLRS},
        {"torpedo tubes: torpedoes and probes", kTorpedoes, 1.0f, CommandButton::cmdGame, CommandButton::cmdPRO},
        {"damage control", kDamageControl, 1.0f, CommandButton::cmdDAM, CommandButton::cmdGame},
        {"computer", kComputer, 1.0f, CommandButton::cmdGame, CommandButton::cmdCOM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        s.SystemDamage = {};
        s.SystemDamage[c.system] = c.damage;
        UpdateCommandState(tg.game);
        if (c.strong != CommandButton::cmdGame) {
            EXPECT_EQ(look[c.strong], (ButtonLook{12, true}));
        }
        if (c.ordinary != CommandButton::cmdGame) {
            EXPECT_EQ(look[c.ordinary], (ButtonLook{4, true}));
        }
        EXPECT_EQ(look[CommandButton::cmdGame], ButtonLook{});
        EXPECT_EQ(look[CommandButton::cmdHYP], ButtonLook{});
    }
    s.SystemDamage = {};
    s.SystemDamage[kWarpEngines] = 0.5f;
    UpdateCommandState(tg.game);
    EXPECT_EQ(look.TargetCalculator, (ButtonLook{12, true}));
    EXPECT_EQ(look.DockAtStarbase, (ButtonLook{4, true}));
}

TEST_F(DisplayLooksTest, AllWorkingThenOutOfAction) {
    UpdateCommandState(tg.game);
    for (const ButtonLook& b : look.Commands) EXPECT_EQ(b, ButtonLook{});
    EXPECT_EQ(look.AutoShields, CheckBoxLook{});
    EXPECT_EQ(look.AutoLRS, CheckBoxLook{});
    EXPECT_TRUE(look.MinShieldLine);
    EXPECT_FALSE(tg.host.Saw("hide:frmCOM"));

    s.SystemDamage[kWarpEngines] = 7.0f;
    s.SystemDamage[kComputer] = 7.0f;
    UpdateCommandState(tg.game);
    EXPECT_FALSE(look[CommandButton::cmdNAV].Enabled);
    EXPECT_FALSE(look.TargetCalculator.Enabled);
    EXPECT_FALSE(look.DockAtStarbase.Enabled);
    EXPECT_FALSE(look.TargetCalculatorPanel);
    EXPECT_FALSE(look[CommandButton::cmdCOM].Enabled);
    EXPECT_TRUE(tg.host.Saw("hide:frmCOM"));
    EXPECT_TRUE(tg.host.Saw("refresh:CommandState"));
}

TEST_F(DisplayLooksTest, ShieldBoxTakesTheSensorsDamageToo) {
    s.SystemDamage[kShields] = 3.0f;
    UpdateCommandState(tg.game);
    EXPECT_EQ(look.AutoShields, (CheckBoxLook{12, true}));
    EXPECT_EQ(look[CommandButton::cmdSHE], (ButtonLook{4, true}));
    EXPECT_FALSE(look.MinShieldLine);
    EXPECT_EQ(s.ComAutoShieldsColor, 12);  // the automatic shields hold back
    s.SystemDamage[kShields] = 0;
    s.SystemDamage[kShortRangeSensors] = 8.0f;
    UpdateCommandState(tg.game);
    EXPECT_EQ(look.AutoShields, (CheckBoxLook{12, false}));
    EXPECT_EQ(CombinedDamage(0, 0), 0.0f);
    EXPECT_EQ(CombinedDamage(0.3f, 0), 0.1f);
    EXPECT_EQ(CombinedDamage(0.3f, 7.0f), 7.0f);
}

// ---- The galactic record ------------------------------------------------------------------------

int Label(int row, int col) { return (row - 1) * 8 + col - 1; }

TEST_F(DisplayLooksTest, ChartShowsScannedCodesAndBordersTheShip) {
    s.Galaxy[4][4] = 5;
    s.KnownGalaxy[2][3] = 213;
    UpdateGalaxyRecord(tg.game);
    const auto& labels = s.Chart.Labels;
    EXPECT_EQ(s.KnownGalaxy[4][4], 5);
    EXPECT_EQ(labels[static_cast<size_t>(Label(4, 4))].Caption, "005");
    EXPECT_TRUE(labels[static_cast<size_t>(Label(4, 4))].Border);
    EXPECT_EQ(labels[static_cast<size_t>(Label(2, 3))].Caption, "213");
    EXPECT_FALSE(labels[static_cast<size_t>(Label(2, 3))].Border);
    int captions = 0;
    for (const ChartLabel& l : labels) captions += !l.Caption.empty();
    EXPECT_EQ(captions, 2);
    EXPECT_TRUE(tg.host.Saw("refresh:GalaxyChart"));
}

TEST_F(DisplayLooksTest, ChartColoursOfEachTab) {
    // Quadrant (2, 3): 2 Zarvoni ships, starbase 1, 3 systems (one visited); (6, 6) scanned, within
    // the last scan, with 1 Zarvoni ship; (7, 7) the Zarvoni starbase, scanned.
    s.Galaxy[2][3] = s.KnownGalaxy[2][3] = 213;
    s.Starbases[1][1] = 2, s.Starbases[2][1] = 3, s.Starbases[3][1] = 40000;
    s.StarSystem(2, 3, 2).SystemValue3 = 77;
    s.Galaxy[6][6] = s.KnownGalaxy[6][6] = 100;
    SetChartQuadrantColor(tg.game, Label(6, 6), kChartScanned);
    s.ZarvoniBase[1] = 7, s.ZarvoniBase[2] = 7, s.ZarvoniBase[5] = 30000;
    s.Galaxy[7][7] = s.KnownGalaxy[7][7] = 2;
    struct Case {
        int tab;
        long quad23, quad66, base;
    };
    const Case cases[] = {{1, 12, 0, 12}, {2, 12, 4, 12}, {3, 11, 0, 6}, {4, 0, 0, 0}};
    for (const Case& c : cases) {
        s.Chart.Tab = c.tab;
        UpdateGalaxyRecord(tg.game);
        const auto& labels = s.Chart.Labels;
        EXPECT_EQ(labels[static_cast<size_t>(Label(2, 3))].ForeColor, c.quad23) << c.tab;
        EXPECT_EQ(labels[static_cast<size_t>(Label(6, 6))].ForeColor, c.quad66) << c.tab;
        EXPECT_EQ(labels[static_cast<size_t>(Label(7, 7))].ForeColor, c.base) << c.tab;
        EXPECT_EQ(labels[static_cast<size_t>(Label(7, 7))].Caption, "?<Z>2") << c.tab;
    }
}

TEST_F(DisplayLooksTest, ZarvoniBaseMarks) {
    s.ZarvoniBase[1] = 7, s.ZarvoniBase[2] = 7, s.ZarvoniBase[5] = 30000;
    s.Galaxy[7][7] = 102;
    s.Chart.Tab = 1;
    UpdateGalaxyRecord(tg.game);  // never scanned: no mark, hidden on the bases tab
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(7, 7))].Caption, "");
    EXPECT_FALSE(s.Chart.Labels[static_cast<size_t>(Label(7, 7))].Visible);
    s.KnownGalaxy[7][7] = 102;
    s.ZarvoniBase[0] = -1;  // captured
    UpdateGalaxyRecord(tg.game);
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(7, 7))].Caption, "<Z>02");
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(7, 7))].ForeColor, 10);
    s.ZarvoniBase[5] = -1000;  // destroyed: the plain code
    UpdateGalaxyRecord(tg.game);
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(7, 7))].Caption, "102");
}

// The hostiles tab marks the hostile base's quadrant whatever became of the base; the bases tab
// marks only a base that stands.
TEST_F(DisplayLooksTest, TheHostilesTabKeepsADestroyedBasesQuadrant) {
    s.ZarvoniBase[1] = 7, s.ZarvoniBase[2] = 7, s.ZarvoniBase[5] = -1000;
    s.Galaxy[7][7] = s.KnownGalaxy[7][7] = 2;
    const ChartLabel& base = s.Chart.Labels[static_cast<size_t>(Label(7, 7))];
    s.Chart.Tab = 2;
    UpdateGalaxyRecord(tg.game);
    EXPECT_EQ(base.ForeColor, 12);
    EXPECT_EQ(base.Caption, "002");
    s.Chart.Tab = 1;
    UpdateGalaxyRecord(tg.game);
    EXPECT_EQ(base.ForeColor, 0);
    EXPECT_TRUE(base.Visible);
}

TEST_F(DisplayLooksTest, ChartBlinksStandingBasesThatCallForHelp) {
    s.Starbases[1][1] = 2, s.Starbases[2][1] = 3, s.Starbases[3][1] = 40000;
    s.Starbases[1][2] = 5, s.Starbases[2][2] = 5, s.Starbases[3][2] = 0;  // destroyed: never blinks
    s.StarbaseFlags[1] = s.StarbaseFlags[2] = kTrue;
    tg.host.visible.insert(Form::frmTargetCalculator);
    EXPECT_TRUE(ChartBlinkTick(tg.game));
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(2, 3))].ForeColor, 12);
    EXPECT_EQ(s.TargetOptBaseColour[1], 12);
    ChartBlinkTick(tg.game);
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(2, 3))].ForeColor, 4);
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(Label(5, 5))].ForeColor, 0);
}

}  // namespace
}  // namespace kv::test
