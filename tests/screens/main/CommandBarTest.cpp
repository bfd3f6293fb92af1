#include "screens/main/CommandBar.h"

#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "screens/dialogs/InfoWindow.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct CommandBarTest : ::testing::Test {
    SeededRandom rng{11};
    TurnGame tg{rng};
    GameState& s = tg.game.st;
    void SetUp() override {
        AddSounds(tg, {"NOTRESP.WAV", "ERROR.WAV"});
        s.ComAutoLRS = kFalse;
        s.MissionType = 3;
    }
    std::vector<std::string> Sounds() const { return SoundNames(tg.host); }
};

TEST_F(CommandBarTest, KeysMapToTheirCommands) {
    struct Case {
        int key;
        KeyAction action;
        CommandButton button;
    };
    const Case cases[] = {
        {'1', KeyAction::Command, CommandButton::cmdNAV},   {'2', KeyAction::Command, CommandButton::cmdSRS},
        {'3', KeyAction::Command, CommandButton::cmdLRS},   {'4', KeyAction::Command, CommandButton::cmdPHA},
        {'5', KeyAction::Command, CommandButton::cmdTOR},   {'6', KeyAction::Command, CommandButton::cmdSHE},
        {'7', KeyAction::Command, CommandButton::cmdDAM},   {'8', KeyAction::Command, CommandButton::cmdCOM},
        {'9', KeyAction::Command, CommandButton::cmdPRO},   {27, KeyAction::Quit, CommandButton::cmdGame},
        {'g', KeyAction::GameMenu, CommandButton::cmdGame}, {'G', KeyAction::None, CommandButton::cmdGame},
        {'0', KeyAction::None, CommandButton::cmdGame},     {'h', KeyAction::None, CommandButton::cmdGame},
    };
    for (const Case& c : cases) {
        const CommandKey k = CommandForKey(c.key);
        EXPECT_EQ(k.action, c.action) << c.key;
        if (c.action == KeyAction::Command) {
            EXPECT_EQ(k.button, c.button) << c.key;
        }
    }
}

TEST_F(CommandBarTest, ButtonIsOffUnlessEnabledWithTheButtonFace) {
    ButtonLook& srs = s.CommandLook[CommandButton::cmdSRS];
    EXPECT_FALSE(ButtonIsOff(s, CommandButton::cmdSRS));
    srs.BackColor = 12;
    EXPECT_TRUE(ButtonIsOff(s, CommandButton::cmdSRS));
    srs.BackColor = kButtonFace;
    srs.Enabled = false;
    EXPECT_TRUE(ButtonIsOff(s, CommandButton::cmdSRS));
}

TEST_F(CommandBarTest, KeyOneOpensTheNavigationDialogAtFullWarp) {
    EXPECT_EQ(CommandBarKeyPress(tg.game, '1'), KeyAction::Command);
    EXPECT_TRUE(tg.host.Saw("show:frmNAV"));
    EXPECT_EQ(s.NavDialog.WarpMax, 80);
    EXPECT_EQ(s.NavDialog.WarpText, "0.0");
    EXPECT_EQ(s.NavDialog.CourseText, "1.0");
}

TEST_F(CommandBarTest, DamagedWarpEnginesLimitTheWarpAndSaySo) {
    s.SystemDamage[kWarpEngines] = 2;
    UpdateCommandState(tg.game);
    RunCommand(tg.game, CommandButton::cmdNAV);
    EXPECT_EQ(s.NavDialog.WarpMax, 5);
    ASSERT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(tg.host.notices[0], "SYS1<COM0002>");
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(CommandBarTest, TheAutomaticScanRunsBeforeAMoveOnlyOnceAndOnlyWhenAllowed) {
    s.ComAutoLRS = kTrue;
    RunCommand(tg.game, CommandButton::cmdNAV);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.1f);
    EXPECT_EQ(s.LRSDone, kTrue);
    RunCommand(tg.game, CommandButton::cmdNAV);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.1f);  // no second scan before the move
    s.LRSDone = kFalse;
    s.SystemDamage[kLongRangeSensors] = 7;  // the box is greyed with the sensors out of action
    UpdateCommandState(tg.game);
    RunCommand(tg.game, CommandButton::cmdNAV);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.1f);
}

TEST_F(CommandBarTest, KeyThreeTwiceChargesOneScan) {
    CommandBarKeyPress(tg.game, '3');
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.05f);
    EXPECT_TRUE(tg.host.Saw("front:frmGalaxy"));
    CommandBarKeyPress(tg.game, '3');
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.05f);
    ASSERT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(tg.host.notices[0], "<COMMANDS0014>");
}

TEST_F(CommandBarTest, ADisabledButtonsKeyPlaysTheErrorSoundAndLeavesTheScanAlone) {
    s.SystemDamage[kShortRangeSensors] = 7.5f;
    UpdateCommandState(tg.game);
    tg.host.events.clear();
    CommandBarKeyPress(tg.game, '2');
    EXPECT_EQ(Sounds(), std::vector<std::string>{"ERROR.WAV"});
    EXPECT_TRUE(tg.host.Events("show:").empty());
    EXPECT_TRUE(tg.host.Events("hide:").empty());
}

TEST_F(CommandBarTest, ADamagedSystemsButtonRefusesWithNoResponse) {
    s.SystemDamage[kPhasers] = 1;
    UpdateCommandState(tg.game);
    EXPECT_EQ(s.CommandLook[CommandButton::cmdPHA].BackColor, 4);
    CommandBarKeyPress(tg.game, '4');  // still enabled: the click runs and refuses
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NOTRESP.WAV"});
    EXPECT_FALSE(tg.host.Saw("show:frmPHA"));
}

TEST_F(CommandBarTest, ScanAndComputerButtonsToggleTheirWindows) {
    RunCommand(tg.game, CommandButton::cmdSRS);
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmSRS));
    const size_t redraws = tg.host.Events("refresh:ShortRangeScan").size();
    EXPECT_GT(redraws, 0u);
    RunCommand(tg.game, CommandButton::cmdSRS);
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmSRS));
    EXPECT_EQ(tg.host.Events("refresh:ShortRangeScan").size(), redraws);  // hidden without a new scan
    RunCommand(tg.game, CommandButton::cmdCOM);
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmCOM));
    RunCommand(tg.game, CommandButton::cmdCOM);
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmCOM));
}

TEST_F(CommandBarTest, TorpedoesOpenAnEmptyPlanOnlyWithTorpedoesOnBoard) {
    s.TorpedoPlan = {"left over"};
    s.TorpedoStockClass2 = 1;
    RunCommand(tg.game, CommandButton::cmdTOR);
    EXPECT_TRUE(tg.host.Saw("show:frmTOR"));
    EXPECT_TRUE(s.TorpedoPlan.empty());
    s.TorpedoStockClass2 = 0;
    tg.host.visible.clear();
    RunCommand(tg.game, CommandButton::cmdTOR);
    EXPECT_EQ(tg.host.notices.back(), "<COMMANDS0018>");
}

TEST_F(CommandBarTest, QuittingAChangedGameNeverThrowsItAwayWithoutANo) {
    struct Case {
        const char* what;
        int answer;
        std::optional<std::string> file;  // what the file dialog gives after Yes
        bool ends;
    };
    const Case cases[] = {
        {"Yes, then a cancelled file dialog", kYes, std::nullopt, false},
        {"Yes, then an empty name", kYes, std::string(), false},
        {"Yes and a name", kYes, std::string("quitsave"), true},
        {"No", kNo, std::nullopt, true},
        {"Cancel", kCancel, std::nullopt, false},
    };
    for (const char* key : {"COMMANDS0017", "INFO0001"})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(key) + ": " + c.what);
            SeededRandom r(3);
            TurnGame g(r);
            g.game.st.GameChanged = kTrue;
            g.host.answers = {c.answer};
            if (c.answer == kYes) g.host.files = {c.file};
            if (std::string(key) == "INFO0001")
                InfoClose(g.game);
            else
                CommandBarQuit(g.game);
            EXPECT_EQ(g.host.questions, std::vector<std::string>{"<" + std::string(key) + ">"});
            EXPECT_EQ(g.host.Saw("endprogram"), c.ends);
            EXPECT_EQ(g.host.Events("savefile:").size(), c.answer == kYes ? 1u : 0u);
        }
}

TEST_F(CommandBarTest, QuitWithNothingToSaveLeavesTheQuestionToQuitGame) {
    tg.host.answers = {kNo};
    CommandBarKeyPress(tg.game, 27);  // a running game: QuitGame asks its own question
    EXPECT_EQ(tg.host.questions, std::vector<std::string>{"<KVMAIN0020>"});
    EXPECT_FALSE(tg.host.Saw("endprogram"));
    s.GameRunning = kFalse;
    CommandBarQuit(tg.game);
    EXPECT_TRUE(tg.host.Saw("endprogram"));
}

TEST_F(CommandBarTest, TheHelpItemOpensOurHelpPageOrSaysItIsMissing) {
    RunPopupItem(tg.game, PopupItem::mnuHelp);  // the test's program folder has no page
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<HelpMissing>"});
    s.AppPath = std::string(KESTRAVA_DATA_DIR) + "/";
    RunPopupItem(tg.game, PopupItem::mnuHelp);
    EXPECT_EQ(tg.host.Events("open:"), std::vector<std::string>{"open:" + s.AppPath + "kestrava.html"});
}

TEST_F(CommandBarTest, ActivationDrainsCapturedShipsAndSetsTheRepairPick) {
    s.CaptureAllFlag = true;
    s.ZarvoniShips[1][2] = 3;
    s.ZarvoniEnergy[2] = 400;
    s.ZarvoniEnergy[3] = 500;  // a free slot keeps its value
    CommandBarActivate(tg.game);
    EXPECT_EQ(s.ZarvoniEnergy[2], 0);
    EXPECT_EQ(s.ZarvoniEnergy[3], 500);
    EXPECT_EQ(s.DamageReportMode, kTrue);
    s.SystemDamage[kDamageControl] = 0.5f;
    CommandBarActivate(tg.game);
    EXPECT_EQ(s.DamageReportMode, 0);
}

TEST(CommandBarLayout, GridsForEachColumnCount) {
    // Buttons of 1200 x 450 twips, 15 twips a pixel, a frame of 90 x 400.
    struct Case {
        int asked, columns, rows;
    };
    const Case cases[] = {{12, 12, 1}, {3, 3, 4},   {1, 1, 12},   {5, 6, 2}, {7, 12, 1},
                          {11, 12, 1}, {13, 12, 1}, {100, 12, 1}, {0, 1, 12}};
    for (const Case& c : cases) {
        const CommandBarGeometry geo = ArrangeCommandBar(c.asked, 1200, 450, 15, 90, 400);
        EXPECT_EQ(geo.columns, c.columns) << c.asked;
        EXPECT_EQ(geo.rows, c.rows) << c.asked;
        // The inner area is the grid exactly: n cells less the n - 1 shared pixels.
        EXPECT_EQ(geo.outerWidth - 90, c.columns * 1200L - (c.columns - 1) * 15L) << c.asked;
        EXPECT_EQ(geo.outerHeight - 400, c.rows * 450L - (c.rows - 1) * 15L) << c.asked;
    }
    const CommandBarGeometry tall = ArrangeCommandBar(3, 1200, 450, 15, 90, 400);
    // Rows Game-NAV-SRS, LRS-PHA-TOR, ...: LRS starts the second row, DES ends the last.
    EXPECT_EQ(tall.left[static_cast<size_t>(CommandButton::cmdLRS)], 0);
    EXPECT_EQ(tall.top[static_cast<size_t>(CommandButton::cmdLRS)], 435);
    EXPECT_EQ(tall.left[static_cast<size_t>(CommandButton::cmdDES)], 2 * 1185);
    EXPECT_EQ(tall.top[static_cast<size_t>(CommandButton::cmdDES)], 3 * 435);
}

}  // namespace
}  // namespace kv::test
