#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <map>
#include <set>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Refresh.h"
#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "screens/Relabel.h"
#include "screens/main/MainMenu.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "ui/dialogs/frmSRS.h"
#include "ui/host/QtColours.h"
#include "ui/main/frmCommands.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

struct CommandBarWindow : ::testing::Test {
    SeededRandom rng{5};
    PlaySurfaceGame dg{rng};
    GameState& s = dg.st;
    frmCommands* bar = dg.Window<frmCommands>(Form::frmCommands);

    // A key typed on the command bar (on its game button, as the bar sees keys first).
    void Type(const QString& text) { dg.Keys(Form::frmCommands, "cmdGame", text); }
    bool Visible(Form form) { return dg.host.IsFormVisible(form); }
};

TEST_F(CommandBarWindow, KeyOneOpensNavigationAndItsOrderMovesTheShipIntoTheNextQuadrant) {
    dg.host.ShowForm(Form::frmSRS);
    Type("1");
    ASSERT_TRUE(Visible(Form::frmNAV));
    EXPECT_EQ(dg.Shown(Form::frmNAV, "txtCourse"), "1.0");
    EXPECT_EQ(dg.Shown(Form::frmNAV, "txtWarp"), "0.0");

    // Warp 1.0 on the inverted scroll bar (its top is the highest warp), course 1.0.
    auto* warp = dg.Control<QScrollBar>(Form::frmNAV, "vsbWarp");
    warp->setValue(warp->maximum() - 10);
    EXPECT_EQ(dg.Shown(Form::frmNAV, "txtWarp"), "1.0");
    dg.Click(Form::frmNAV, "cmdAccept");

    EXPECT_FALSE(Visible(Form::frmNAV));
    EXPECT_EQ(s.ShipQuadrantRow, 4);
    EXPECT_EQ(s.ShipQuadrantCol, 5);
    EXPECT_EQ(s.ShipSectorRow, 4);
    EXPECT_EQ(s.ShipSectorCol, 4);
    EXPECT_EQ(s.ShipEnergy, 3000 - 18);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.32f);
    auto* scan = dg.Window<frmSRS>(Form::frmSRS);
    EXPECT_EQ(scan->CellIcon(3 * 8 + 3), kIconShip);
    for (int cell = 0; cell < 64; ++cell) {
        if (cell != 3 * 8 + 3) {
            EXPECT_NE(scan->CellIcon(cell), kIconShip) << cell;
        }
    }
    EXPECT_TRUE(dg.script.notices.empty());
}

TEST_F(CommandBarWindow, KeyThreeTwiceScansOnceAndThenSaysSo) {
    Type("3");
    Type("3");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<COMMANDS0014>"});
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.05f);
    EXPECT_EQ(s.LRSDone, kTrue);
}

TEST_F(CommandBarWindow, AKeyOnADisabledButtonPlaysTheErrorSoundAndLeavesTheScanAsItWas) {
    s.SystemDamage[kShortRangeSensors] = 7.0f;
    UpdateCommandState(dg.game);
    EXPECT_FALSE(bar->Button(CommandButton::cmdSRS)->isEnabled());
    for (bool shown : {false, true}) {
        if (shown) dg.host.ShowForm(Form::frmSRS);
        dg.script.sounds.clear();
        Type("2");
        EXPECT_EQ(dg.script.sounds, std::vector<std::string>{"ERROR.WAV"});
        EXPECT_EQ(Visible(Form::frmSRS), shown);
    }
}

TEST_F(CommandBarWindow, ADamagedSystemsButtonTakesItsColourAndRefusesWithNoResponse) {
    struct Case {
        ShipSystem system;
        float damage;
        CommandButton button;
        int colour;  // palette colour of the face; -1 the button face
        bool enabled;
    };
    const Case cases[] = {
        {kWarpEngines, 0.5f, CommandButton::cmdNAV, 12, true},
        {kPhasers, 2.0f, CommandButton::cmdPHA, 4, true},
        {kTorpedoes, 7.0f, CommandButton::cmdTOR, 4, false},
        {kShortRangeSensors, 3.0f, CommandButton::cmdSRS, 12, true},
        {kComputer, 0.0f, CommandButton::cmdCOM, -1, true},
    };
    const QColor face = QPalette().color(QPalette::Button);
    for (const Case& c : cases) {
        s.SystemDamage = {};
        s.SystemDamage[c.system] = c.damage;
        UpdateCommandState(dg.game);
        QPushButton* b = bar->Button(c.button);
        EXPECT_EQ(b->isEnabled(), c.enabled) << Name(c.button);
        EXPECT_EQ(b->palette().color(QPalette::Button), c.colour < 0 ? face : PaletteQColour(c.colour))
            << Name(c.button);
    }

    s.SystemDamage = {};
    s.SystemDamage[kPhasers] = 2.0f;
    UpdateCommandState(dg.game);
    dg.Click(Form::frmCommands, "cmdPHA");
    EXPECT_EQ(dg.script.sounds, std::vector<std::string>{"NOTRESP.WAV"});
    EXPECT_TRUE(s.PhaserPlan.empty());
    EXPECT_FALSE(Visible(Form::frmPHA));
    // The focus never stays on a command button.
    EXPECT_TRUE(bar->cmdScapeGoat->hasFocus() || !bar->isActiveWindow());
}

TEST_F(CommandBarWindow, CapitalGDoesNothingAndSmallGOpensTheGameMenu) {
    Type("G");
    EXPECT_FALSE(bar->mnuPopup->isVisible());
    EXPECT_TRUE(dg.script.sounds.empty());
    EXPECT_TRUE(dg.script.notices.empty());
    Type("g");
    EXPECT_TRUE(bar->mnuPopup->isVisible());
    bar->mnuPopup->hide();
}

TEST_F(CommandBarWindow, TheMainMenuItemOpensTheMenuModally) {
    // A stand-in for the main menu that the player closes at once.
    QDialog menu;
    menu.setObjectName("frmMenu");
    dg.host.RegisterForm(Form::frmMenu, &menu);
    dg.script.modal[Form::frmMenu] = [](QDialog& d) { d.accept(); };
    bar->cmdGame_Click();
    ASSERT_TRUE(bar->mnuMenu->isEnabled());
    s.NewGamePending = kFalse;
    dg.Choose(Form::frmCommands, "mnuMenu");
    bar->mnuPopup->hide();
    EXPECT_EQ(dg.script.modals, std::vector<std::string>{"frmMenu"});
    dg.host.RegisterForm(Form::frmMenu, nullptr);
}

// A load refused for its file (not a saved game, empty, cut short) while a game runs leaves
// that game going, whole and as it was: every window shows it as before (the ship on the scan,
// the gauges, the galactic record, the report), the message log keeps its lines, no turn passes
// and nothing is marked changed; the main menu does not come up.
TEST_F(CommandBarWindow, ARefusedLoadLeavesTheRunningGameAsItWas) {
    s.ConfigName = "Ann";
    for (Form form : {Form::frmSRS, Form::frmBars, Form::frmGalaxy, Form::frmGeneralReport})
        dg.host.ShowForm(form);
    RefreshAll(dg.game);
    dg.script.files = {std::string("WHOLE")};
    dg.Choose(Form::frmCommands, "mnuSave");
    std::string whole;
    ASSERT_TRUE(ReadFileBytes(dg.scratch.Saves() + "WHOLE.KVW", whole));
    dg.host.AppendOutputLine("a line of the running game");
    // Every Load ends by loading the player's configuration again, as the running game has it.
    LoadPlayerConfiguration(dg.game);
    s.GameChanged = kFalse;
    auto* scan = dg.Window<frmSRS>(Form::frmSRS);
    ASSERT_EQ(scan->CellIcon(3 * 8 + 3), kIconShip);
    ASSERT_EQ(dg.Shown(Form::frmGeneralReport, "lblQ"), "4,4");

    const std::string stateBefore = SavedGameText(s), fileBefore = s.GameFileName;
    const std::vector<std::string> logBefore = dg.host.OutputLines();
    std::map<Form, QImage> looksBefore;
    for (Form form : {Form::frmSRS, Form::frmBars, Form::frmGalaxy, Form::frmGeneralReport})
        looksBefore[form] = dg.Window(form)->grab().toImage();

    const std::pair<const char*, std::string> files[] = {
        {"NOTES.KVW", "not a saved game\r\n"},
        {"EMPTY.KVW", ""},
        {"CUT.KVW", whole.substr(0, whole.size() / 2)},
    };
    for (const auto& [file, bytes] : files) {
        SCOPED_TRACE(file);
        dg.script.notices.clear();
        dg.script.files = {dg.scratch.Write(std::string("saves/") + file, bytes)};
        dg.Choose(Form::frmCommands, "mnuLoad");
        EXPECT_EQ(dg.script.notices.size(), 1u);  // why the file was refused
        EXPECT_TRUE(dg.script.modals.empty());
        EXPECT_TRUE(s.GameRunning);
        EXPECT_FALSE(s.GameChanged);
        EXPECT_EQ(s.GameFileName, fileBefore);
        EXPECT_EQ(SavedGameText(s), stateBefore);
        EXPECT_EQ(dg.host.OutputLines(), logBefore);
        EXPECT_EQ(scan->CellIcon(3 * 8 + 3), kIconShip);
        EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblQ"), "4,4");
        for (const auto& [form, look] : looksBefore)
            EXPECT_TRUE(dg.Window(form)->grab().toImage() == look) << Name(form) << " changed";
    }
}

// With no game running, a refused load leaves none, and the main menu comes up, as it does
// whenever no game runs, so that no command acts on the empty tables.
TEST_F(CommandBarWindow, ARefusedLoadWithNoGameRunningOpensTheMainMenu) {
    s.ConfigName = "Ann";
    s.GameRunning = kFalse;
    const std::string foreign = dg.scratch.Write("saves/NOTES.KVW", "not a saved game\r\n");
    QDialog menu;
    menu.setObjectName("frmMenu");
    dg.host.RegisterForm(Form::frmMenu, &menu);
    dg.script.modal[Form::frmMenu] = [](QDialog& d) { d.accept(); };
    dg.script.files = {foreign};
    dg.Choose(Form::frmCommands, "mnuLoad");
    EXPECT_EQ(dg.script.notices.size(), 1u);
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(dg.script.modals, std::vector<std::string>{"frmMenu"});
    dg.host.RegisterForm(Form::frmMenu, nullptr);
}

// The Game menu in the shipped English: each item has an access key of its own, and "g" then
// "s" saves the game.
TEST(CommandBarMenu, EveryItemHasItsOwnAccessKeyInTheShippedLanguage) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(std::string(KESTRAVA_DATA_DIR) + "/LANGUAGE/English.lng", bytes));
    const ProfileFile file = ProfileFile::Parse(bytes);
    std::map<std::string, std::string> texts;
    for (const char* key :
         {"CommandsLoad", "CommandsSave", "CommandsMenu", "CommandsOpt", "CommandsHelp", "CommandsQuit"}) {
        const auto text = file.Get("Language", key);
        ASSERT_TRUE(text) << key;
        texts[key] = Cp1252ToUtf8(*text);
    }
    SeededRandom rng{5};
    PlaySurfaceGame dg{rng, texts};
    frmCommands* bar = dg.Window<frmCommands>(Form::frmCommands);
    std::set<int> keys;
    for (QAction* item : bar->mnuPopup->actions()) {
        if (item->isSeparator()) continue;
        const int key = QKeySequence::mnemonic(item->text())[0].key();
        EXPECT_NE(key, 0) << item->objectName().toStdString() << " has no access key";
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 6u);

    dg.st.ConfigName = "Ann";
    dg.script.files = {std::nullopt};
    dg.Keys(Form::frmCommands, "cmdGame", "g");
    ASSERT_TRUE(bar->mnuPopup->isVisible());
    test::DesktopGame::SendKey(bar->mnuPopup, Qt::Key_S, "s");
    EXPECT_EQ(dg.script.fileFolders.size(), 1u);  // the save asked for its file
    EXPECT_FALSE(bar->mnuPopup->isVisible());
}

TEST_F(CommandBarWindow, QuitWithYesThenACancelledFileDialogGoesBackToTheGame) {
    bool ended = false;
    dg.host.onEndProgram = [&] { ended = true; };
    s.GameChanged = kTrue;
    dg.script.answers = {kYes};
    dg.script.files = {std::nullopt};
    dg.Key(Form::frmCommands, "cmdGame", Qt::Key_Escape);
    EXPECT_EQ(dg.script.questions, std::vector<std::string>{"<COMMANDS0017>"});
    EXPECT_FALSE(ended);
    EXPECT_EQ(s.GameRunning, kTrue);

    dg.script.answers = {kNo};
    dg.Choose(Form::frmCommands, "mnuQuit");
    EXPECT_TRUE(ended);
}

TEST_F(CommandBarWindow, SaveAndLoadGoThroughTheSavedGameFileDialog) {
    s.ConfigName = "Ann";
    dg.script.files = {std::string("FLIGHT")};
    dg.Choose(Form::frmCommands, "mnuSave");
    ASSERT_EQ(dg.script.fileFolders.size(), 1u);
    const long saved = s.ShipEnergy;

    s.ShipEnergy = 1234;
    s.GameChanged = kFalse;
    dg.script.files = {std::string("FLIGHT.KVW")};
    dg.Choose(Form::frmCommands, "mnuLoad");
    EXPECT_EQ(s.ShipEnergy, saved);
    EXPECT_TRUE(dg.script.errors.empty());
}

// The bar's Load is the main menu's: a name must be typed, a game saved by another player asks
// which name to play on under, and the configuration of the name kept is loaded.
TEST_F(CommandBarWindow, LoadIsTheMainMenusLoadWithItsNameCheckAndQuestion) {
    s.ConfigName = "Bob";
    ASSERT_TRUE(SaveGame(dg.game, "BOBS", {"a line of Bob's"}));
    s.GameChanged = kFalse;
    dg.script.notices.clear();

    s.ConfigName = "  ";
    dg.Choose(Form::frmCommands, "mnuLoad");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<MENU0002>"});
    EXPECT_TRUE(dg.script.fileFolders.empty());

    s.ConfigName = "Ann";
    s.GameChanged = kFalse;  // the refresh after the refused load counts as a change
    s.SkillLevel = 20;       // the hidden skill level: said so, and the load goes on
    dg.game.options.chkNameConfig = 1;
    dg.settings.SaveSetting(kConfigsApp, "Ann", "Sound", "True");
    dg.settings.SaveSetting(kConfigsApp, "Ann", "KeepTech", "True");
    dg.game.options.chkKeepTech = 0;
    dg.script.notices.clear();
    dg.script.files = {std::string("BOBS.KVW")};
    dg.script.answers = {kNo};
    dg.Choose(Form::frmCommands, "mnuLoad");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<MENU0003>"});
    EXPECT_EQ(dg.script.questions, std::vector<std::string>{"<MENU0005>Bob<MENU0006>Bob?"});
    EXPECT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ConfigName, "Ann");
    EXPECT_EQ(dg.game.options.lblConfigName, "Ann");
    EXPECT_EQ(dg.game.options.chkKeepTech, 1);  // Ann's configuration
    EXPECT_EQ(s.KeepTech, kTrue);
}

TEST_F(CommandBarWindow, TheButtonsFollowTheChosenGrid) {
    struct Case {
        int columns, rows;
    };
    for (const Case c : {Case{12, 1}, Case{3, 4}, Case{1, 12}, Case{5, 2}}) {
        ApplyCommandBar(dg.game, c.columns);
        const QSize cell = bar->Button(CommandButton::cmdGame)->size();
        const int columns = 12 / c.rows;
        EXPECT_EQ(bar->size(), QSize((cell.width() - 1) * columns + 1, (cell.height() - 1) * c.rows + 1)) << c.columns;
        // The fourth button: the end of the first row, or the start of the second in "Tall".
        const QPoint lrs = bar->Button(CommandButton::cmdLRS)->pos();
        EXPECT_EQ(lrs, QPoint((3 % columns) * (cell.width() - 1), (3 / columns) * (cell.height() - 1))) << c.columns;
    }
}

// Every row of the relabelling table for these windows finds its control by its name.
TEST(PlaySurfaceLabels, EveryRowOfTheseWindowsFindsItsControl) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    const Form windows[] = {Form::frmCommands, Form::frmSRS, Form::frmNAV, Form::frmSRSInfo};
    int rows = 0;
    for (const RelabelRow& row : RelabelTable()) {
        if (std::find(std::begin(windows), std::end(windows), row.window) == std::end(windows)) continue;
        ++rows;
        QWidget* w = dg.host.FormWindow(row.window);
        ASSERT_NE(w, nullptr) << Name(row.window);
        if (row.control.empty()) continue;
        const QString name = QString::fromStdString(row.control);
        EXPECT_TRUE(w->findChild<QWidget*>(name) || w->findChild<QAction*>(name))
            << Name(row.window) << "." << row.control;
    }
    EXPECT_GE(rows, 20);
}

}  // namespace
}  // namespace kv
