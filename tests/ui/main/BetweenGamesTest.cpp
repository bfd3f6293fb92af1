// What one game leaves on the windows for the next, played through the main menu offscreen: the
// end of a mission blanks the status bars' minimum-shield line and puts the retrofit panel away,
// through the final report and the main menu; a new game's first refresh shows the condition of
// the quadrant the ship starts in.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <algorithm>

#include "engine/computer/Course.h"
#include "engine/computer/Displays.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Retrofit.h"
#include "ui/dialogs/frmFinalReport.h"
#include "ui/dialogs/frmRetrofit.h"
#include "state/WindowTable.h"
#include "ui/main/MenuWindowsSupport.h"

namespace kv {
namespace {

struct BetweenGames : ::testing::Test {
    SeededRandom rng{2024};
    test::MenuGame mg{rng};
    Game& g = mg.game;
    GameState& s = mg.st;

    void SetUp() override {
        s.SpeedFactor = 0;
        ShowGameWindows(g);
    }

    // A new game from the main menu's panel; it waits for the return from the menu.
    void NewGameFromTheMenu() {
        mg.RunMenu([&] {
            mg.TypeName("Ann");
            mg.Menu().cboMissionType->setCurrentIndex(0);
            mg.Click(Form::frmMenu, "cmdNewClose");
        });
        ASSERT_TRUE(s.GameRunning);
        ASSERT_TRUE(s.NewGamePending);
    }
    void Act(const std::function<void()>& step) { ASSERT_TRUE(mg.host.Run(Form::frmCommands, step)); }

    // Whether the shields bar draws a black line at the height a shield need gives.
    bool NeedLineDrawn(Integer need) {
        QWidget* bar = mg.Control(Form::frmBars, "pnlBar(1)");
        if (!bar) return false;
        const int y = static_cast<int>(bar->height() * (1.0 - static_cast<double>(need) / s.MaxShields));
        return bar->grab().toImage().pixelColor(bar->width() / 2, y) == QColor(Qt::black);
    }
    bool CoversClosed() const {
        return std::none_of(s.RetrofitCoverOpen.begin(), s.RetrofitCoverOpen.end(), [](bool open) { return open; }) &&
               std::all_of(s.RetrofitCoverTop.begin(), s.RetrofitCoverTop.end(), [](int top) { return top == 0; });
    }
};

TEST_F(BetweenGames, AnEndedMissionLeavesNeitherItsShieldNeedNorItsRetrofitsOnTheWindows) {
    NewGameFromTheMenu();
    Act([&] { ReturnFromMenu(g); });
    ASSERT_TRUE(s.GameRunning);

    // A hostile ship two sectors off calls for shields; two retrofits are on offer, one engaged.
    const int row = s.ShipSectorRow, col = s.ShipSectorCol <= 6 ? s.ShipSectorCol + 2 : s.ShipSectorCol - 2;
    s.ZarvoniEnergy[1] = 100;
    s.ZarvoniShips[1][1] = static_cast<Integer>(row);
    s.ZarvoniShips[2][1] = static_cast<Integer>(col);
    s.RetrofitSlots[1] = 2;
    s.RetrofitSlots[3] = 1;
    Act([&] {
        Retrofit(g);
        UpdateBars(g);
    });
    mg.Click(Form::frmRetrofit, "lblClick(2)");
    const Integer need = EstimateShieldNeed(s);
    ASSERT_GT(need, 100);
    ASSERT_TRUE(s.CommandLook.MinShieldLine);
    EXPECT_TRUE(NeedLineDrawn(need));
    auto* panel = mg.Window<frmRetrofit>(Form::frmRetrofit);
    ASSERT_TRUE(panel->isVisible());
    ASSERT_LT(panel->pnlSlide[2]->y(), 0);
    ASSERT_TRUE(g.TimerEnabled(Timer::frmRetrofit_tmrBlink));

    // The mission ends from the menu: the bars show no shield need, the panel is put away with
    // its covers shut and its lamps still.
    mg.script.modal[Form::frmSubmitHS] = [](QDialog& w) { w.reject(); };
    mg.RunMenu([&] { mg.Choose(Form::frmMenu, "mnuGEndMission(140)"); });
    auto& report = *mg.Window<frmFinalReport>(Form::frmFinalReport);
    ASSERT_TRUE(report.isVisible());
    ASSERT_FALSE(s.GameRunning);
    EXPECT_FALSE(NeedLineDrawn(need));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(CoversClosed());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(panel->pnlSlide[static_cast<size_t>(i)]->y(), 0) << i;
    EXPECT_FALSE(g.TimerEnabled(Timer::frmRetrofit_tmrBlink));
    EXPECT_FALSE(RetrofitIsActive(s, 3));

    // The report closes; the windows it hid come back, the main menu opens for the next game,
    // and neither the panel nor the line comes back with them.
    bool panelAtTheMenu = true, lineAtTheMenu = true, barsAtTheMenu = false;
    mg.script.modal[Form::frmMenu] = [&](QDialog& menu) {
        panelAtTheMenu = panel->isVisible();
        barsAtTheMenu = mg.host.IsFormVisible(Form::frmBars);
        lineAtTheMenu = NeedLineDrawn(need);
        menu.hide();
    };
    report.close();
    QEventLoop wait;
    for (int i = 0; i < 100 && g.TimerEnabled(Timer::frmFinalReport_tmrMenu); ++i) {
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
    }
    ASSERT_FALSE(g.TimerEnabled(Timer::frmFinalReport_tmrMenu));
    EXPECT_TRUE(barsAtTheMenu);
    EXPECT_FALSE(panelAtTheMenu);
    EXPECT_FALSE(lineAtTheMenu);
}

TEST_F(BetweenGames, TheFirstRefreshOfANewGameShowsTheConditionOfItsStartQuadrant) {
    NewGameFromTheMenu();
    // A hostile ship waits in the start quadrant.
    Integer& code = s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
    if (code < 100) code = static_cast<Integer>(code + 100);
    Act([&] { ReturnFromMenu(g); });
    ASSERT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ConditionIndex, 3);
    EXPECT_EQ(mg.Shown(Form::frmGeneralReport, "lblCond").toStdString(), s.ConditionNames[3]);
    QWidget* box = mg.Control(Form::frmGeneralReport, "shpCond");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->grab().toImage().pixelColor(1, box->height() / 2), QColor(128, 0, 0));  // palette red
}

}  // namespace
}  // namespace kv
