// The main menu's windows offscreen: the menu's panel and items, the saved-game file dialog,
// the save offered before a load or a new game, the options dialog's Apply, Cancel and OK (kept
// across a restart), and the number-entry dialog.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QDesktopServices>
#include <QLineEdit>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/platform/QtSettingsStore.h"
#include "screens/main/MainMenu.h"
#include "screens/main/OptionsDialog.h"
#include "state/FileDialogSetup.h"
#include "state/NumberDialog.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "state/SavedGameLayout.h"
#include "support/SaveTestSupport.h"
#include "ui/main/MenuWindowsSupport.h"
#include "ui/main/frmGetNumber.h"
#include "ui/main/frmOptions.h"

namespace kv {
namespace {

using test::MenuGame;

// Records the documents the program asks the desktop to open, instead of opening them.
class OpenedDocuments : public QObject {
    Q_OBJECT
public:
    OpenedDocuments() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~OpenedDocuments() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    std::vector<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

// ---- The main menu -----------------------------------------------------------------------------

TEST(frmMenu, PanelBarsSetSkillAndLengthAndTheTechnologySpinnerStaysInRange) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    frmMenu& m = mg.Menu();
    struct Case {
        QScrollBar* bar;
        int value;
        Integer GameState::*global;
        Integer expected;
    };
    const Case cases[] = {{m.vsbSkill, 1, &GameState::SkillLevel, 10},
                          {m.vsbSkill, 10, &GameState::SkillLevel, 1},
                          {m.vsbLength, 3, &GameState::GameLength, 1},
                          {m.vsbLength, 1, &GameState::GameLength, 3}};
    for (const Case& c : cases) {
        c.bar->setValue(c.value);
        EXPECT_EQ(mg.st.*c.global, c.expected) << c.bar->objectName().toStdString() << " at " << c.value;
    }
    EXPECT_EQ(m.lblSkillLevel->text().trimmed(), "1");

    for (int i = 0; i < 10; ++i) mg.Click(Form::frmMenu, "spnMaxUpUp");
    EXPECT_EQ(m.lblMaxUp->text(), "9");
    EXPECT_EQ(mg.st.TechLevel, 9);
    for (int i = 0; i < 10; ++i) mg.Click(Form::frmMenu, "spnMaxUpDown");
    EXPECT_EQ(m.lblMaxUp->text(), "1");
    EXPECT_EQ(mg.st.TechLevel, 1);
}

TEST(frmMenu, ShowsTheNewGamePanelAndLocksItWhileAGameRuns) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    frmMenu& m = mg.Menu();
    mg.RunMenu([&] {
        EXPECT_EQ(m.cmdNewClose->text(), "<MENU0001>");
        EXPECT_TRUE(m.txtName->isEnabled());
        EXPECT_FALSE(m.mnuGSave->isEnabled());
        EXPECT_FALSE(m.mnuGEndMission->isEnabled());
        m.hide();
    });
    mg.st.GameRunning = kTrue;
    mg.st.ConfigName = "Ann";
    mg.RunMenu([&] {
        EXPECT_EQ(m.cmdNewClose->text(), "<MENU0007>");
        EXPECT_EQ(m.txtName->currentText(), "Ann");
        for (QWidget* w : {static_cast<QWidget*>(m.txtName), static_cast<QWidget*>(m.vsbSkill),
                           static_cast<QWidget*>(m.vsbLength), static_cast<QWidget*>(m.cboMissionType),
                           static_cast<QWidget*>(m.chkUpgrades)})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        EXPECT_TRUE(m.mnuGSave->isEnabled());
        EXPECT_TRUE(m.mnuGEndMission->isEnabled());
        EXPECT_FALSE(m.mnuGOptions->isEnabled());
        mg.Click(Form::frmMenu, "cmdNewClose");  // back to the game
        EXPECT_FALSE(m.isVisible());
    });
    EXPECT_TRUE(mg.st.GameRunning);
}

TEST(frmMenu, HelpItemsOpenOurHelpPageAtTheirSections) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    OpenedDocuments opened;
    const std::pair<const char*, QString> items[] = {{"mnuHKVHelp", ""},
                                                     {"mnuHHelpType(1)", "play"},
                                                     {"mnuHHelpType(2)", "commands"},
                                                     {"mnuHHelpType(3)", "keys"}};
    for (const auto& [item, section] : items) mg.Choose(Form::frmMenu, item);
    ASSERT_EQ(opened.urls.size(), 4u);
    std::ifstream page(mg.scratch.Program() + "kestrava.html");
    std::stringstream html;
    html << page.rdbuf();
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(opened.urls[i].toLocalFile().toStdString(), mg.scratch.Program() + "kestrava.html");
        EXPECT_EQ(opened.urls[i].fragment(), items[i].second);
        // Each section the menu opens is there.
        if (!items[i].second.isEmpty()) {
            EXPECT_NE(html.str().find("id=\"" + items[i].second.toStdString() + "\""), std::string::npos);
        }
    }
}

// ---- The saved-game file dialog -------------------------------------------------------------------

TEST(frmFile, ListsTheSavedGamesWithTheirDatesAndAClickPicksOne) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    mg.scratch.Write("saves/beta.KVA", "x");
    mg.scratch.Write("saves/Alpha.KVW", "x");
    mg.scratch.Write("saves/Alpha.LOG", "x");
    mg.OnFileDialog([&](frmFile& f) {
        ASSERT_EQ(f.flstSave->topLevelItemCount(), 2);
        EXPECT_EQ(f.flstSave->topLevelItem(0)->text(0), "Alpha.KVW");
        EXPECT_EQ(f.flstSave->topLevelItem(1)->text(0), "beta.KVA");
        EXPECT_FALSE(f.flstSave->topLevelItem(0)->text(1).isEmpty());  // the date saved
        // Loading: a grey list, its entries in black like any text (grey text looked disabled).
        EXPECT_EQ(f.flstSave->palette().color(QPalette::Base), QColor(232, 232, 232));
        EXPECT_EQ(f.flstSave->palette().color(QPalette::Text), QColor(0, 0, 0));
        EXPECT_EQ(f.flstSave->topLevelItem(0)->foreground(0).style(), Qt::NoBrush);
        EXPECT_EQ(f.cmdOK->text(), "<KVMAIN0018>");
        EXPECT_FALSE(f.cmdOK->isEnabled());
        QWidget* list = f.flstSave->viewport();
        test::DesktopGame::ClickAt(list, f.flstSave->visualItemRect(f.flstSave->topLevelItem(1)).center());
        EXPECT_EQ(f.txtFile->text(), "beta.KVA");
        EXPECT_FALSE(f.lblDate->text().isEmpty());
        EXPECT_FALSE(f.lblTime->text().isEmpty());
        mg.Click(Form::frmFile, "cmdOK");
    });
    EXPECT_EQ(SetFileDialogMode(mg.game, FileDialogMode::Load), "beta.KVA");
}

// The list shows each game's whole date and time, seconds included, in a column wide enough
// for it; Ctrl+A in the name box selects its text (it is no character typed).
TEST(frmFile, ShowsTheWholeSavedTimeAndCtrlASelectsTheName) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    mg.scratch.Write("saves/Alpha.KVW", "x");
    std::tm saved{};
    saved.tm_year = 2026 - 1900, saved.tm_mon = 4, saved.tm_mday = 1;
    saved.tm_hour = 21, saved.tm_min = 44, saved.tm_sec = 23, saved.tm_isdst = -1;
    const std::time_t when = std::mktime(&saved);
    const auto since = std::chrono::system_clock::from_time_t(when) - std::chrono::system_clock::now();
    std::filesystem::last_write_time(mg.scratch.Saves() + "Alpha.KVW",
                                     std::filesystem::file_time_type::clock::now() + since);
    ForgetFileStamps();
    mg.OnFileDialog([&](frmFile& f) {
        QApplication::processEvents();
        ASSERT_EQ(f.flstSave->topLevelItemCount(), 1);
        QTreeWidgetItem* item = f.flstSave->topLevelItem(0);
        EXPECT_TRUE(item->text(1).contains(":44:23")) << item->text(1).toStdString();
        // Neither the date column nor its header is cut.
        const int needed = std::max(f.flstSave->fontMetrics().horizontalAdvance(item->text(1)),
                                    f.flstSave->header()->fontMetrics().horizontalAdvance(f.flstSave->headerItem()->text(1)));
        EXPECT_GE(f.flstSave->columnWidth(1), needed);
        EXPECT_LE(f.flstSave->columnWidth(0) + f.flstSave->columnWidth(1), f.flstSave->viewport()->width());
        test::DesktopGame::ClickAt(f.flstSave->viewport(), f.flstSave->visualItemRect(item).center());
        EXPECT_TRUE(f.lblTime->text().contains(":44:23")) << f.lblTime->text().toStdString();

        f.txtFile->clear();
        mg.Keys(Form::frmFile, "txtFile", "voyage");
        f.txtFile->setCursorPosition(2);
        test::DesktopGame::SendKey(f.txtFile, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
        EXPECT_EQ(f.txtFile->selectedText(), "voyage");
        EXPECT_EQ(f.txtFile->text(), "voyage");
        mg.Click(Form::frmFile, "cmdCancel");
    });
    EXPECT_EQ(SetFileDialogMode(mg.game, FileDialogMode::Load), "");
}

TEST(frmFile, RefusesNamesThatWouldLeaveTheSavedGamesFolder) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    // Typed: the separators do not get into the box at all.
    mg.OnFileDialog([&](frmFile& f) {
        mg.Keys(Form::frmFile, "txtFile", "../up\\x");
        EXPECT_EQ(f.txtFile->text(), "..upx");
        mg.Click(Form::frmFile, "cmdOK");  // a leading dot
        EXPECT_TRUE(f.isVisible());
        // Pasted: the box holds them, OK refuses them.
        for (const char* name : {"sub/evil", "/tmp/evil", ".hidden", "a\\b"}) {
            f.txtFile->setText(name);
            mg.Click(Form::frmFile, "cmdOK");
            EXPECT_TRUE(f.isVisible()) << name;
        }
        mg.Click(Form::frmFile, "cmdCancel");
    });
    mg.st.GameRunning = kTrue;
    EXPECT_FALSE(SaveGameThroughDialog(mg.game));
    EXPECT_EQ(std::count(mg.script.notices.begin(), mg.script.notices.end(), "<FileBadName>"), 5);
    EXPECT_TRUE(std::filesystem::is_empty(mg.scratch.Saves()));
    for (const char* stray : {"evil.KVW", "up", "sub", "program/evil.KVW"})
        EXPECT_FALSE(std::filesystem::exists(mg.scratch.Path() + stray)) << stray;
}

// A click on a file and a click on Load load the game or say why not: no load closes the
// dialog without a word (a game saved by a newer version did, with the error sound alone).
TEST(frmFile, AClickOnAFileAndOnLoadLoadsItOrSaysWhyNot) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    GameState known;
    savetest::FillKnownState(known);
    known.FinalReportFlag = 0;
    const std::string plain = SavedGameText(known);
    std::string newer = plain;
    newer.replace(0, newer.find('*', 5), "*WINV99");
    mg.scratch.Write("saves/good.KVW", FlipSavedBytes(plain));
    mg.scratch.Write("saves/good.LOG", "a line\r\n");
    mg.scratch.Write("saves/newer.KVW", FlipSavedBytes(newer));
    mg.scratch.Write("saves/short.KVW", FlipSavedBytes(plain.substr(0, plain.find("\r\n") + 2)));
    struct Case {
        const char* file;
        std::string said;  // the notice, "" for none
        bool loaded;
    };
    const Case cases[] = {
        {"newer.KVW", "<LoadNewer>\r\n" + mg.scratch.Saves() + "newer.KVW", false},
        {"short.KVW", "<LoadDamaged>\r\n" + mg.scratch.Saves() + "short.KVW\r\n<LoadDamagedLine>2", false},
        {"good.KVW", "", true},
    };
    for (const Case& c : cases) {
        mg.script.notices.clear();
        mg.OnFileDialog([&](frmFile& f) {
            const QList<QTreeWidgetItem*> items = f.flstSave->findItems(c.file, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1) << c.file;
            test::DesktopGame::ClickAt(f.flstSave->viewport(), f.flstSave->visualItemRect(items[0]).center());
            EXPECT_EQ(f.txtFile->text(), c.file);
            mg.Click(Form::frmFile, "cmdOK");
            EXPECT_FALSE(f.isVisible()) << c.file;
        });
        bool saveOffered = false;
        mg.RunMenu([&] {
            mg.TypeName("Jane Doe");
            mg.Choose(Form::frmMenu, "mnuGLoad(120)");
            saveOffered = mg.Menu().mnuGSave->isEnabled();
            mg.Menu().hide();
        });
        EXPECT_EQ(mg.script.notices, c.said.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.said})
            << c.file;
        EXPECT_EQ(bool(mg.st.GameRunning), c.loaded) << c.file;
        EXPECT_EQ(saveOffered, c.loaded) << c.file;
    }
    EXPECT_EQ(mg.st.ShipEnergy, known.ShipEnergy);
}

// "Yes" to the save before a load or a new game, then Cancel in the file dialog: back to the
// game, which is neither replaced nor saved.
TEST(frmMenu, YesToSavingThenCancelInTheFileDialogGoesBackToTheGame) {
    struct Case {
        const char* item;
        const char* question;
    };
    for (const Case& c : {Case{"mnuGLoad(120)", "<MENU0004>"}, Case{"mnuGNew(110)", "<MENU0009>"}}) {
        ConstantRandom rng(0.5f);
        MenuGame mg(rng);
        GameState& s = mg.st;
        s.GameRunning = kTrue;
        s.GameChanged = kTrue;
        s.ConfigName = "Ann";
        s.ShipEnergy = 1234;
        mg.script.answers = {kYes};
        mg.OnFileDialog([&](frmFile& f) {
            EXPECT_EQ(f.cmdOK->text(), "<KVMAIN0019>");  // the save
            mg.Click(Form::frmFile, "cmdCancel");
        });
        mg.RunMenu([&] {
            mg.Choose(Form::frmMenu, c.item);
            EXPECT_TRUE(mg.Menu().isVisible()) << c.item;
            mg.Menu().hide();
        });
        EXPECT_EQ(mg.script.questions, std::vector<std::string>{c.question});
        // One file dialog (the save's): no game was loaded, no difficulty asked, nothing started.
        EXPECT_EQ(mg.script.modals, (std::vector<std::string>{"frmMenu", "frmFile"})) << c.item;
        EXPECT_TRUE(s.GameRunning);
        EXPECT_TRUE(s.GameChanged);
        EXPECT_EQ(s.ShipEnergy, 1234);
        EXPECT_TRUE(std::filesystem::is_empty(mg.scratch.Saves()));
    }
}

// ---- The options dialog ----------------------------------------------------------------------------

TEST(frmOptions, ApplyCarriesTheBoxesAtOnceAndCancelGoesBackToTheOpening) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    OptionSettings& o = mg.game.options;
    o.chkSuppress = 0;
    o.chkKeepTech = 1;
    ApplySettings(mg.game);
    ASSERT_TRUE(mg.st.KeepTech);
    ASSERT_TRUE(mg.game.UseQuietDialogs);
    auto& w = *mg.Window<frmOptions>(Form::frmOptions);
    mg.script.modal[Form::frmOptions] = [&](QDialog&) {
        EXPECT_TRUE(w.chkKeepTech->isChecked());
        EXPECT_FALSE(w.chkSound->isEnabled());  // no sound device here
        mg.Tick(Form::frmOptions, "chkSuppress");
        mg.Tick(Form::frmOptions, "chkKeepTech");
        w.TabStrip1->setCurrentIndex(5);
        mg.Tick(Form::frmOptions, "chkMessage(3)");
        mg.Click(Form::frmOptions, "cmdApply");
        EXPECT_FALSE(mg.game.UseQuietDialogs);
        EXPECT_FALSE(mg.st.KeepTech);  // a cleared box clears it at once
        EXPECT_TRUE(mg.game.MessageSuppressed[3]);
        EXPECT_TRUE(w.isVisible());
        mg.Click(Form::frmOptions, "cmdCancel");
        EXPECT_FALSE(w.isVisible());
    };
    mg.RunMenu([&] {
        mg.Choose(Form::frmMenu, "mnuGOptions(150)");
        mg.Menu().hide();
    });
    EXPECT_EQ(o.chkSuppress, 0);
    EXPECT_EQ(o.chkKeepTech, 1);
    EXPECT_TRUE(mg.game.UseQuietDialogs);
    EXPECT_TRUE(mg.st.KeepTech);
    EXPECT_FALSE(mg.game.MessageSuppressed[3]);
    EXPECT_FALSE(w.chkSuppress->isChecked());
    EXPECT_TRUE(w.chkMessage[3]->isChecked());
}

// OK keeps the options in the settings file of the player's home; the next start reads them.
TEST(frmOptions, OkKeepsTheOptionsAcrossARestart) {
    test::ScratchFolder home;
    test::CopyShippedData(home);
    const QString file = QString::fromStdString(home.Config() + "settings.ini");
    ConstantRandom rng(0.5f);
    auto start = [&](QtSettingsStore& store, QtHost& host, test::DesktopScript& script) {
        auto game = std::make_unique<Game>(rng, store, host, home.Folders());
        game->lang.UseTexts({});
        game->lang.SetEchoMissing(true);
        host.SetScript(&script);
        LoadArrayConsts(*game);
        InitFormTable(*game);
        LoadSettings(*game, "General", true);
        return game;
    };
    {
        QtSettingsStore store(file);
        QtHost host{FormList()};
        test::DesktopScript script;
        auto game = start(store, host, script);
        auto& w = *qobject_cast<frmOptions*>(host.FormWindow(Form::frmOptions));
        ASSERT_FALSE(w.chkSuppress->isChecked());
        script.modal[Form::frmOptions] = [&](QDialog&) {
            auto click = [&](int tab, QWidget* c) {
                w.TabStrip1->setCurrentIndex(tab);
                // Boxes and option buttons take a click on their box.
                const bool box = qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c);
                test::DesktopGame::ClickAt(c, box ? QPoint(6, c->height() / 2) : c->rect().center());
            };
            click(0, w.chkSuppress);
            click(5, w.chkMessage[5]);
            click(2, w.optTall);
            click(3, w.spnFontSizeUp);
            click(3, w.cmdOK);
        };
        host.RunModal(Form::frmOptions);
        host.DestroyForms();
        host.SetScript(nullptr);
    }
    QtSettingsStore store(file);
    QtHost host{FormList()};
    test::DesktopScript script;
    auto game = start(store, host, script);
    const OptionSettings& o = game->options;
    EXPECT_EQ(o.chkSuppress, 1);
    EXPECT_FALSE(game->UseQuietDialogs);
    EXPECT_EQ(o.chkMessage[5], 0);
    EXPECT_TRUE(game->MessageSuppressed[5]);
    EXPECT_TRUE(o.optTall);
    EXPECT_EQ(o.lblPreviewSize, 12.0f);  // 10 one step up
    auto& w = *qobject_cast<frmOptions*>(host.FormWindow(Form::frmOptions));
    EXPECT_TRUE(w.chkSuppress->isChecked());
    EXPECT_TRUE(w.optTall->isChecked());
    host.DestroyForms();
    host.SetScript(nullptr);
}

// The settings' window positions: the windows take them, and a window the player moves keeps its
// new place in them.
TEST(frmOptions, PlacesTheGameWindowsAndKeepsWhereThePlayerMovesThem) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    OptionSettings& o = mg.game.options;
    o.Window[1] = {300 * kTwipsPerPixel, 200 * kTwipsPerPixel, 400 * kTwipsPerPixel, 150 * kTwipsPerPixel};
    QWidget* log = mg.host.FormWindow(Form::frmOutput);
    mg.host.Refresh(View::WindowPositions);
    EXPECT_EQ(log->pos(), QPoint(300, 200));
    EXPECT_EQ(log->size(), QSize(400, 150));
    log->show();
    log->move(120, 80);
    QCoreApplication::processEvents();
    EXPECT_EQ(o.Window[1].Left, 120 * kTwipsPerPixel);
    EXPECT_EQ(o.Window[1].Top, 80 * kTwipsPerPixel);
    log->hide();
}

// ---- The new-game difficulty dialog -----------------------------------------------------------------

TEST(frmDifficulty, WhileAGameRunsTheNextGameIsSetUpHereAndABlankNameIsRefused) {
    SeededRandom rng(2024);  // a new galaxy is built: its star systems need sectors of their own
    MenuGame mg(rng);
    GameState& s = mg.st;
    s.GameRunning = kTrue;
    s.GameChanged = kFalse;
    s.ConfigName = "Ann";
    s.SkillLevel = 4;
    auto& d = *mg.Window<QDialog>(Form::frmDifficulty);
    mg.script.modal[Form::frmDifficulty] = [&](QDialog&) {
        auto* name = mg.Control<QLineEdit>(Form::frmDifficulty, "txtName");
        EXPECT_EQ(name->text(), "Ann");
        EXPECT_EQ(mg.Control<QScrollBar>(Form::frmDifficulty, "vsbSkill")->value(), 7);  // skill 4
        name->selectAll();
        mg.Keys(Form::frmDifficulty, "txtName", "   ");
        mg.Click(Form::frmDifficulty, "cmdOK");
        EXPECT_TRUE(d.isVisible());  // a name of blanks only
        mg.Keys(Form::frmDifficulty, "txtName", "Bea");
        mg.Control<QScrollBar>(Form::frmDifficulty, "vsbSkill")->setValue(9);
        mg.Control<QComboBox>(Form::frmDifficulty, "cboMissionType")->setCurrentIndex(3);
        mg.Click(Form::frmDifficulty, "cmdOK");
        EXPECT_FALSE(d.isVisible());
    };
    mg.RunMenu([&] { mg.Choose(Form::frmMenu, "mnuGNew(110)"); });
    EXPECT_EQ(mg.script.notices.front(), "<DIFFCLTY0001>");
    EXPECT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ConfigName, "Bea");
    EXPECT_EQ(s.SkillLevel, 2);
    EXPECT_EQ(s.MissionType, 3);
    EXPECT_TRUE(s.NewGamePending);
    EXPECT_FALSE(mg.Menu().isVisible());
}

// ---- The number-entry dialog -----------------------------------------------------------------------

TEST(frmGetNumber, KeepsTheNumberInRangeAndRefusesAScaleFactorOfZero) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    auto& w = *mg.Window<frmGetNumber>(Form::frmGetNumber);
    Single value = 50, factor = 1;
    mg.script.modal[Form::frmGetNumber] = [&](QDialog&) {
        EXPECT_EQ(w.vsbNumber->maximum(), 25000);  // 100000 in steps of 4
        w.txtNumber->setText("200000");
        EXPECT_EQ(w.txtNumber->text(), "100000");
        EXPECT_EQ(w.vsbNumber->value(), 0);  // the top stands for the maximum
        mg.Click(Form::frmGetNumber, "cmdOK");
    };
    EXPECT_EQ(SetupNumberDialog(mg.game, "How much?", "Energy", "units", value, 0, 100000, factor), 100000);
    EXPECT_EQ(factor, 4);

    mg.script.modal[Form::frmGetNumber] = [&](QDialog&) {
        mg.game.numberDialog.ScaleFactor = "0";
        w.Show();
        EXPECT_FALSE(w.cmdOK->isEnabled());
        w.txtNumber->setText("7");
        mg.Click(Form::frmGetNumber, "cmdOK");
        EXPECT_TRUE(w.isVisible());  // refused
        mg.Click(Form::frmGetNumber, "cmdCancel");
    };
    EXPECT_EQ(SetupNumberDialog(mg.game, "How much?", "Energy", "units", value, 0, 100, factor), -1);
}

// The whole prompt shows, every line of it (the exploration console asks in three lines), and
// a box the player empties stays empty for the digits that come next: no "0" comes before them.
TEST(frmGetNumber, ShowsTheWholePromptAndAnEmptiedBoxTakesTheDigitsTyped) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    auto& w = *mg.Window<frmGetNumber>(Form::frmGetNumber);
    const std::string prompt =
        "Drawing energy from this world costs game time.\r\n1.25 time units for every 100 units of energy.\r\n"
        "Energy on board, shields included: 2500. How much time will you spend?";
    Single value = 1, factor = 1;
    mg.script.modal[Form::frmGetNumber] = [&](QDialog& d) {
        QApplication::processEvents();
        // Every line of the prompt stands inside the label, and the label inside the window.
        EXPECT_EQ(w.lblMessage->text().count('\n'), 2);
        EXPECT_FALSE(w.lblMessage->text().contains('\r'));
        const QRect need = w.lblMessage->fontMetrics().boundingRect(
            w.lblMessage->contentsRect(), Qt::TextWordWrap | int(w.lblMessage->alignment()), w.lblMessage->text());
        EXPECT_LE(need.height(), w.lblMessage->contentsRect().height());
        EXPECT_TRUE(d.rect().contains(w.lblMessage->geometry()));
        for (const QWidget* c : {static_cast<QWidget*>(w.txtNumber), static_cast<QWidget*>(w.cmdOK),
                                 static_cast<QWidget*>(w.cmdCancel)})
            EXPECT_FALSE(c->geometry().intersects(w.lblMessage->geometry())) << c->objectName().toStdString();

        w.txtNumber->selectAll();
        mg.Key(Form::frmGetNumber, "txtNumber", Qt::Key_Backspace);
        EXPECT_EQ(w.txtNumber->text(), "");
        mg.Keys(Form::frmGetNumber, "txtNumber", "25");
        EXPECT_EQ(w.txtNumber->text(), "25");
        mg.Click(Form::frmGetNumber, "cmdOK");
    };
    EXPECT_EQ(SetupNumberDialog(mg.game, prompt, "", "time units", value, 0, 40, factor), 25);
}

}  // namespace
}  // namespace kv

#include "MenuWindowsTest.moc"
