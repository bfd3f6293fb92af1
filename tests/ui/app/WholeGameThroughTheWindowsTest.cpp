// A short game played through the windows offscreen: a new game from the main menu's panel,
// moves and a long-range scan, a save and a load through the menu and the file dialog, the end
// of the mission from the menu, and the final report with the score of that state. The moves and
// the scan are the command bar's keys and the navigation dialog's controls.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <filesystem>
#include <utility>

#include "engine/computer/Navigation.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Score.h"
#include "screens/main/CommandBar.h"
#include "state/SavedGame.h"
#include "ui/dialogs/frmFinalReport.h"
#include "ui/main/MenuWindowsSupport.h"

namespace kv {
namespace {

TEST(WholeGameThroughTheWindows, NewGameMovesScanSaveLoadAndEndShowTheScore) {
    SeededRandom rng(2024);
    test::MenuGame mg(rng);
    Game& g = mg.game;
    GameState& s = mg.st;
    frmMenu& menu = mg.Menu();

    // The main menu at start: the player's name, skill 3, a short game, the first mission.
    mg.RunMenu([&] {
        mg.TypeName("Ann");
        menu.vsbSkill->setValue(8);
        menu.vsbLength->setValue(3);
        menu.cboMissionType->setCurrentIndex(0);
        mg.Click(Form::frmMenu, "cmdNewClose");
        EXPECT_FALSE(menu.isVisible());
    });
    ASSERT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ConfigName, "Ann");
    EXPECT_EQ(s.SkillLevel, 3);
    EXPECT_EQ(s.GameLength, 1);
    auto act = [&](const std::function<void()>& step) { ASSERT_TRUE(mg.host.Run(Form::frmCommands, step)); };
    act([&] {
        ReturnFromMenu(g);  // as start-up goes on after the menu
        RefreshAll(g);
    });

    // Two short moves through the command bar's key "1" and the navigation dialog, then the
    // long-range scan's key "3".
    for (const char* course : {"1.0", "5.0"}) {
        mg.Keys(Form::frmCommands, "cmdGame", "1");
        ASSERT_TRUE(mg.host.IsFormVisible(Form::frmNAV));
        for (auto [box, text] : {std::pair{"txtCourse", course}, std::pair{"txtWarp", "0.3"}}) {
            mg.Control<QLineEdit>(Form::frmNAV, box)->selectAll();
            mg.Keys(Form::frmNAV, box, QString::fromLatin1(text));
        }
        const Single before = s.TimeLeft;
        mg.Click(Form::frmNAV, "cmdAccept");
        EXPECT_FALSE(mg.host.IsFormVisible(Form::frmNAV));
        ASSERT_TRUE(s.GameRunning);
        EXPECT_LT(s.TimeLeft, before);
    }
    mg.Keys(Form::frmCommands, "cmdGame", "3");
    ASSERT_TRUE(s.GameRunning);
    EXPECT_TRUE(s.LRSDone);

    // Save through the menu's Save item and the file dialog.
    mg.OnFileDialog([&](frmFile&) { mg.TypeFileAndOK("voyage"); });
    mg.RunMenu([&] {
        mg.Choose(Form::frmMenu, "mnuGSave(130)");
        mg.Click(Form::frmMenu, "cmdNewClose");  // back to the game
    });
    ASSERT_TRUE(std::filesystem::exists(mg.scratch.Saves() + "voyage.KVW"));
    const Long savedEnergy = s.ShipEnergy;
    const Single savedTime = s.TimeLeft;

    // Change the game, then load the save back from the list.
    s.ShipEnergy = 1;
    s.GameChanged = kFalse;
    mg.OnFileDialog([&](frmFile& f) {
        ASSERT_EQ(f.flstSave->topLevelItemCount(), 1);
        QTreeWidgetItem* item = f.flstSave->topLevelItem(0);
        EXPECT_EQ(item->text(0), "voyage.KVW");
        test::DesktopGame::ClickAt(f.flstSave->viewport(), f.flstSave->visualItemRect(item).center());
        mg.Click(Form::frmFile, "cmdOK");
    });
    mg.RunMenu([&] {
        mg.Choose(Form::frmMenu, "mnuGLoad(120)");
        mg.Click(Form::frmMenu, "cmdNewClose");
    });
    ASSERT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ShipEnergy, savedEnergy);
    EXPECT_EQ(s.TimeLeft, savedTime);

    // End the mission from the menu: the final report shows the score of this state.
    const std::optional<Integer> running = ComputeScore(s);
    ASSERT_TRUE(running.has_value());
    const Integer expected = RateMission(s).rating + *running;
    mg.script.modal[Form::frmSubmitHS] = [](QDialog& w) { w.reject(); };  // a high-score offer
    mg.RunMenu([&] { mg.Choose(Form::frmMenu, "mnuGEndMission(140)"); });
    EXPECT_FALSE(menu.isVisible());
    auto& report = *mg.Window<frmFinalReport>(Form::frmFinalReport);
    ASSERT_TRUE(report.isVisible());
    EXPECT_EQ(s.FinalScore, expected);
    EXPECT_EQ(report.Rating->text().toStdString(), RatingText(expected));
    EXPECT_EQ(report.lblName->text().toStdString(), s.CaptainName + " Ann");
    EXPECT_FALSE(report.Num[0]->text().isEmpty());
    EXPECT_TRUE(g.TimerEnabled(Timer::frmFinalReport_tmrMenu));

    // The player closes the report; its timer asks about the saved game (kept) and opens the menu
    // ready for a new game.
    report.close();
    EXPECT_FALSE(report.isVisible());
    mg.script.answers = {kNo};
    bool menuForNewGame = false;
    mg.script.modal[Form::frmMenu] = [&](QDialog&) {
        menuForNewGame = !s.GameRunning && menu.cmdNewClose->text() == "<MENU0001>" && menu.txtName->isEnabled() &&
                         !menu.mnuGSave->isEnabled();
        menu.hide();
    };
    QEventLoop wait;
    for (int i = 0; i < 100 && g.TimerEnabled(Timer::frmFinalReport_tmrMenu); ++i) {
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
    }
    EXPECT_FALSE(g.TimerEnabled(Timer::frmFinalReport_tmrMenu));
    EXPECT_TRUE(menuForNewGame);
    EXPECT_EQ(mg.script.questions.back(), "<FINLRPRT0004>");
    EXPECT_TRUE(std::filesystem::exists(mg.scratch.Saves() + "voyage.KVW"));
}

}  // namespace
}  // namespace kv
