#include "screens/main/MainMenu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "screens/main/DifficultyDialog.h"
#include "screens/main/MenuTestSupport.h"
#include "screens/main/NewGame.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

TEST(MainMenuTest, TheBarsRunInverted) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;
    const struct { int value, skill; } skills[] = {{1, 10}, {10, 1}, {4, 7}};
    for (const auto& c : skills) {
        MenuSkillChange(tg.game, c.value);
        EXPECT_EQ(s.SkillLevel, c.skill);
        EXPECT_EQ(tg.game.screens.menu.lblSkillLevel, " " + std::to_string(c.skill));
        DifficultySkillChange(tg.game, c.value);
        EXPECT_EQ(s.SkillLevel, c.skill);
    }
    MenuLengthChange(tg.game, 3);
    EXPECT_EQ(s.GameLength, 1);
    MenuLengthChange(tg.game, 1);
    EXPECT_EQ(s.GameLength, 3);
    DifficultyLengthChange(tg.game, 3);
    EXPECT_EQ(s.GameLength, 1);
    // With the debug option the bar reaches 9: its bottom is the longest game.
    tg.game.screens.menu.vsbLength.Max = 9;
    MenuLengthChange(tg.game, 1);
    EXPECT_EQ(s.GameLength, 9);
}

TEST(MainMenuTest, TechnologySpinnerStaysWithinOneToNine) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    for (int i = 0; i < 5; ++i) MenuMaxUpStep(tg.game, -1);
    EXPECT_EQ(tg.game.screens.menu.lblMaxUp, "1");
    EXPECT_EQ(tg.st.TechLevel, 1);
    for (int i = 0; i < 12; ++i) MenuMaxUpStep(tg.game, +1);
    EXPECT_EQ(tg.game.screens.menu.lblMaxUp, "9");
    EXPECT_EQ(tg.st.TechLevel, 9);
}

TEST(MainMenuTest, ActivationLocksThePanelWhileAGameRuns) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    MainMenuData& m = tg.game.screens.menu;
    MenuLoad(tg.game);
    EXPECT_FALSE(m.mnuGSaveEnabled);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmMenu_tmrSavedGame));
    EXPECT_EQ(tg.st.SkillLevel, 1);  // from the bar at its top
    tg.st.ConfigName = "Ann";
    tg.st.SkillLevel = 4;
    tg.st.GameLength = 2;
    tg.st.MissionType = 2;
    MenuActivate(tg.game);
    EXPECT_EQ(m.vsbSkill.Value, 7);
    EXPECT_EQ(m.vsbLength.Value, 2);
    EXPECT_EQ(m.txtName, "Ann");
    EXPECT_EQ(m.cboMissionType, 2);
    EXPECT_EQ(m.cmdNewCloseCaption, "<MENU0001>");
    EXPECT_TRUE(m.mnuGOptionsEnabled);
    EXPECT_FALSE(m.mnuGEndMissionEnabled);

    tg.st.GameRunning = kTrue;
    MenuActivate(tg.game);
    EXPECT_EQ(m.cmdNewCloseCaption, "<MENU0007>");
    EXPECT_FALSE(m.vsbSkill.Enabled || m.vsbLength.Enabled || m.txtNameEnabled || m.cboMissionTypeEnabled ||
                 m.chkUpgradesEnabled);
    EXPECT_TRUE(m.mnuGSaveEnabled && m.mnuGEndMissionEnabled);
    EXPECT_FALSE(m.mnuGOptionsEnabled);

    // The panel's button goes back to the game, remembering which windows showed.
    tg.host.visible = {Form::frmSRS, Form::frmMenu};
    MenuNewClose(tg.game);
    EXPECT_EQ(tg.st.FormVisible[11], kTrue);
    EXPECT_EQ(tg.st.FormVisible[7], kFalse);
    EXPECT_TRUE(tg.host.Saw("hide:frmMenu"));

    // A final report that asked for the break ends the game for the menu.
    tg.st.FinalReportFlag = kTrue;
    MenuActivate(tg.game);
    EXPECT_FALSE(tg.st.GameRunning);
}

// A running game of the menu, saved under `name` and changed since.
void RunningGame(MenuGame& m) {
    NewGame(m.g);
    ASSERT_TRUE(m.st.GameRunning);
    m.st.GameChanged = kTrue;
}

TEST(MainMenuTest, LoadNeverReplacesAnUnsavedGameUnlessThePlayerSaysSo) {
    MenuGame m;
    RunningGame(m);
    ASSERT_TRUE(SaveGame(m.g, "other", {}));
    m.st.GameChanged = kTrue;
    const Long energy = m.st.ShipEnergy = 777;

    // Yes, then Cancel in the file dialog; and Cancel in the question.
    m.host.answers = {kYes, kCancel};
    m.host.files = {std::nullopt};
    MenuLoadGame(m.g);
    MenuLoadGame(m.g);
    EXPECT_EQ(m.st.ShipEnergy, energy);
    EXPECT_TRUE(m.host.Events("loadfile:").empty());

    // No: the chosen game is loaded.
    m.host.answers = {kNo};
    m.host.files = {std::string("other.KVW")};
    MenuLoadGame(m.g);
    EXPECT_NE(m.st.ShipEnergy, energy);
    EXPECT_TRUE(m.st.GameRunning);
}

TEST(MainMenuTest, LoadAsksWhichNameToKeep) {
    MenuGame m;
    RunningGame(m);
    ASSERT_TRUE(SaveGame(m.g, "anns", {}));  // saved by Ann
    for (int answer : {kYes, kNo}) {
        m.st.ConfigName = "Bob";
        m.st.GameChanged = kFalse;
        m.host.answers = {answer};
        m.host.files = {std::string("anns")};
        MenuLoadGame(m.g);
        EXPECT_EQ(m.host.questions.back(), "<MENU0005>Ann<MENU0006>Ann?");
        EXPECT_EQ(m.st.ConfigName, answer == kYes ? "Ann" : "Bob");
        EXPECT_EQ(m.menu.txtName, m.st.ConfigName);
    }
}

TEST(MainMenuTest, LoadAndSaveNeedANameAndNoBreak) {
    MenuGame m;
    m.st.ConfigName = " ";
    MenuLoadGame(m.g);
    MenuSaveGame(m.g);
    EXPECT_EQ(m.host.notices, (std::vector<std::string>{"<MENU0002>", "<MENU0002>"}));
    m.st.ConfigName = "Ann";
    m.g.SetTimer(Timer::frmMenu_tmrBreak, true);
    m.host.events.clear();
    MenuLoadGame(m.g);
    MenuSaveGame(m.g);
    EXPECT_TRUE(m.host.events.empty());
}

TEST(MainMenuTest, SaveWritesTheNamedGame) {
    MenuGame m;
    MenuSaveGame(m.g);  // no game: nothing to save, no dialog
    EXPECT_TRUE(m.host.Events("savefile:").empty());
    RunningGame(m);
    m.host.files = {std::string("mine"), std::nullopt};
    MenuSaveGame(m.g);
    EXPECT_TRUE(fs::exists(m.scratch.Saves() + "mine.KVW"));
    EXPECT_FALSE(m.st.GameChanged);
    MenuSaveGame(m.g);  // cancelled
    EXPECT_EQ(m.host.Events("savefile:").size(), 2u);
}

TEST(MainMenuTest, TimedSaveEveryThreeHundredTicksKeepsThePlayersSaveName) {
    MenuGame m;
    for (int i = 0; i < 5; ++i) TimedSaveTick(m.g);  // no game: nothing counts down
    EXPECT_EQ(m.menu.TimedSaveCountdown, 300);
    EXPECT_FALSE(m.menu.pnlTimedSaveVisible);

    RunningGame(m);
    m.st.GameFileName = "mine";
    for (int i = 1; i < 300; ++i) TimedSaveTick(m.g);
    EXPECT_FALSE(fs::exists(m.scratch.Saves() + "TIMESAVE.KVW"));
    EXPECT_TRUE(m.menu.pnlTimedSaveVisible);
    EXPECT_EQ(m.menu.shpTimeWidth, 1884);  // 1890 - 1 / 300 x 1890
    TimedSaveTick(m.g);
    EXPECT_TRUE(fs::exists(m.scratch.Saves() + "TIMESAVE.KVW"));
    EXPECT_EQ(m.st.GameFileName, "mine");
    EXPECT_TRUE(m.st.GameChanged);  // the timed save is not the player's
    EXPECT_EQ(m.menu.TimedSaveCountdown, 300);
    EXPECT_TRUE(m.host.Saw("note:<MENU0084>"));
    EXPECT_TRUE(m.host.Saw("hidenote"));

    // A note that cannot show puts the save off by five ticks.
    m.menu.TimedSaveCountdown = 1;
    m.host.noteFailure = 401;
    TimedSaveTick(m.g);
    EXPECT_EQ(m.menu.TimedSaveCountdown, 5);
}

TEST(MainMenuTest, TheBreakOfTheSkillBar) {
    MenuGame m;
    BonusClick(m.g);
    EXPECT_TRUE(m.g.TimerEnabled(Timer::frmMenu_tmrBreak));
    EXPECT_TRUE(m.menu.picHandVisible);
    EXPECT_EQ(m.st.SkillLevel, 1);  // the bar went to its top

    int ticks = 0;
    while (m.menu.picHandVisible) BreakTick(m.g), ++ticks;
    EXPECT_EQ(ticks, 7);  // 2100 to 1260 twips, 120 a tick
    EXPECT_EQ(m.menu.picHandLeft, 2100);
    ticks = 0;
    while (!m.menu.picBrokenVisible) BreakTick(m.g), ++ticks;
    EXPECT_EQ(ticks, 9);  // the bar falls from 10 to 1
    EXPECT_EQ(m.st.SkillLevel, 10);
    EXPECT_FALSE(m.menu.vsbSkill.Enabled);
    EXPECT_EQ(m.menu.tmrBreakInterval, 500);
    BreakTick(m.g);
    EXPECT_EQ(m.host.notices.back(), "<MENU0082>");
    EXPECT_EQ(m.menu.lblSkillLevel, "<MENU0083>");
    EXPECT_EQ(m.st.SkillLevel, 20);
    EXPECT_FALSE(m.g.TimerEnabled(Timer::frmMenu_tmrBreak));

    // A second bonus does nothing while the bar is broken; typing a name mends it.
    BonusClick(m.g);
    EXPECT_FALSE(m.g.TimerEnabled(Timer::frmMenu_tmrBreak));
    MenuNameChange(m.g, "Bea");
    EXPECT_FALSE(m.menu.picBrokenVisible);
    EXPECT_EQ(m.st.SkillLevel, 10);
    EXPECT_TRUE(m.menu.vsbSkill.Enabled);
    EXPECT_EQ(m.st.ConfigName, "Bea");
}

TEST(MainMenuTest, DebugCode) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    MainMenuData& m = tg.game.screens.menu;
    auto type = [&](const std::string& keys) {
        for (char c : keys) PassWordKeyPress(tg.game, static_cast<unsigned char>(c));
    };
    MenuNameLabelClick(tg.game);  // no "/DEBUG": nothing
    EXPECT_FALSE(m.txtPassWordVisible);

    tg.game.switches.Debug = true;
    MenuNameLabelClick(tg.game);
    EXPECT_TRUE(m.txtPassWordVisible);
    type("zarvonx*");
    EXPECT_FALSE(tg.st.DebugMode);
    EXPECT_EQ(m.txtPassWord, "*******");
    PassWordKeyPress(tg.game, 8);  // Backspace
    type("i*");
    EXPECT_TRUE(tg.st.DebugMode);
    EXPECT_TRUE(m.pnlDebugVisible);
    EXPECT_FALSE(m.txtPassWordVisible);
    EXPECT_EQ(tg.host.notices.back(), "Debug mode is now on.");

    // The debug boxes.
    DebugBoxClick(tg.game, DebugBox::CaptureAll, 1);
    EXPECT_TRUE(tg.st.CaptureAllFlag);
    EXPECT_EQ(tg.host.notices.back(), "Capture All flag is now on.");
    const size_t shown = tg.host.notices.size();
    DebugBoxClick(tg.game, DebugBox::CaptureAll, 0);
    EXPECT_FALSE(tg.st.CaptureAllFlag);
    EXPECT_EQ(tg.host.notices.size(), shown);  // clearing says nothing
    tg.st.GameRunning = kTrue;
    DebugBoxClick(tg.game, DebugBox::LengthIncrease, 1);
    EXPECT_EQ(m.vsbLength.Max, 9);
    EXPECT_EQ(tg.game.screens.difficulty.vsbLength.Max, 9);
    EXPECT_EQ(m.vsbLength.Value, 9);
    EXPECT_EQ(tg.st.GameLength, 1);
}

TEST(MainMenuTest, HelpOpensOurOwnPage) {
    MenuGame m;
    // The shipped program folder has the page.
    MenuHelp(m.g, 0);
    MenuHelp(m.g, 3);
    const std::string page = std::string(KESTRAVA_DATA_DIR) + "/kestrava.html";
    EXPECT_EQ(m.host.Events("open:"), (std::vector<std::string>{"open:" + page, "open:" + page + "#keys"}));

    ConstantRandom rng(0.5f);
    TestGame bare(rng);  // an empty program folder
    MenuHelp(bare.game, 1);
    EXPECT_EQ(bare.host.notices, (std::vector<std::string>{"<HelpMissing>"}));
}

TEST(MainMenuTest, TheHelpPageHasTheSectionsTheMenuOpens) {
    std::ifstream in(std::string(KESTRAVA_DATA_DIR) + "/kestrava.html");
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* id : {"id=\"play\"", "id=\"commands\"", "id=\"keys\""})
        EXPECT_NE(page.find(id), std::string::npos) << id;
}

TEST(MainMenuTest, OptionsFromTheMenuEditTheGeneralConfiguration) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    tg.st.ConfigName = "Ann";
    std::string during;
    tg.host.modal[Form::frmOptions] = [&] {
        during = tg.st.ConfigName;
        return kOK;
    };
    MenuOptions(tg.game);
    EXPECT_EQ(during, "General");
    EXPECT_EQ(tg.st.ConfigName, "Ann");
}

TEST(DifficultyDialogTest, HiddenSkillAndBlankNames) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    DifficultyData& d = tg.game.screens.difficulty;
    tg.st.SkillLevel = 20;
    tg.st.GameLength = 3;
    tg.st.ConfigName = "Ann";
    DifficultyActivate(tg.game);
    EXPECT_FALSE(d.vsbSkill.Visible);
    EXPECT_EQ(tg.st.SkillLevel, 20);
    EXPECT_EQ(d.vsbLength.Value, 1);
    EXPECT_EQ(d.txtName, "Ann");

    DifficultyNameChange(tg.game, "   ");
    EXPECT_FALSE(DifficultyOK(tg.game));
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<DIFFCLTY0001>"}));
    EXPECT_EQ(tg.game.screens.Focus, "txtName");
    DifficultyNameChange(tg.game, " Cy ");
    EXPECT_TRUE(DifficultyOK(tg.game));
    EXPECT_EQ(tg.st.ConfigName, "Cy");
    EXPECT_TRUE(d.vsbSkill.Visible);  // back for the next showing
    EXPECT_EQ(tg.game.configNames.storedNames, (std::vector<std::string>{"Cy"}));
}

}  // namespace
}  // namespace kv::test
