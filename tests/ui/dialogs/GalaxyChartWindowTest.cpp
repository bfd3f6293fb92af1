#include <gtest/gtest.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTabBar>

#include "engine/computer/Displays.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/turn/Refresh.h"
#include "screens/dialogs/GalaxyChart.h"
#include "state/Numeric.h"
#include "ui/dialogs/frmGalaxy.h"
#include "ui/dialogs/frmTargetCalculator.h"
#include "ui/host/QtColours.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

QString Quad(int index) { return QStringLiteral("lblQuad(%1)").arg(index); }

// A galaxy whose every quadrant has its own code, the ship in quadrant (4, 4), no hostile
// starbase and no friendly one.
struct ChartWindow : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    GameState& s = dg.st;
    void SetUp() override {
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                s.Galaxy[r][c] = (r + c + 1) % 4 * 100 + (r * c) % 6;
                s.KnownGalaxy[r][c] = -1;
            }
        s.ZarvoniBase[5] = -1000;
        for (int i = 1; i <= 3; ++i) s.Starbases[3][i] = -1;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.LRSRange = 2;
    }
    QLabel* Label(int index) { return dg.Control<QLabel>(Form::frmGalaxy, Quad(index)); }
    QColor Back(int index) { return Label(index)->palette().color(QPalette::Window); }
    QColor Fore(int index) { return Label(index)->palette().color(QPalette::WindowText); }
};

TEST_F(ChartWindow, ShowsEachScannedQuadrantsCodeAndMarksTheScan) {
    LRS(dg.game);
    const int ship = (4 - 1) * 8 + 4 - 1;
    int scanned = 0;
    for (int k = 0; k < 64; ++k) {
        const int r = k / 8 + 1, c = k % 8 + 1;
        const bool inRange = WithinScanRange(s, r, c);
        scanned += inRange;
        EXPECT_EQ(dg.Shown(Form::frmGalaxy, Quad(k)).toStdString(), inRange ? Format(s.Galaxy[r][c], "000") : "")
            << "quadrant " << r << "," << c;
        // The quadrants of the scan stand out from the others.
        EXPECT_EQ(Back(k) == Back(ship), inRange) << "quadrant " << r << "," << c;
        EXPECT_EQ(Label(k)->frameShape() == QFrame::Box, k == ship) << "quadrant " << r << "," << c;
    }
    EXPECT_EQ(scanned, 13);

    // The ship moves on and scans again: the old codes stay, the highlight follows the new scan.
    s.ShipQuadrantRow = s.ShipQuadrantCol = 7;
    ResetDisplays(dg.game);
    for (int k = 0; k < 64; ++k) EXPECT_EQ(Back(k), Back(0)) << k;
    LRS(dg.game);
    EXPECT_EQ(dg.Shown(Form::frmGalaxy, Quad(ship)).toStdString(), Format(s.Galaxy[4][4], "000"));
    EXPECT_NE(Back(ship), Back(7 * 8 - 2));
    EXPECT_EQ(Label(ship)->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(Label(6 * 8 + 6)->frameShape(), QFrame::Box);
}

TEST_F(ChartWindow, TabsColourTheHostileQuadrants) {
    LRS(dg.game);
    // Quadrant (4, 4) holds 2 hostile ships (code 2xx) and lies in the scan's highlight.
    ASSERT_GE(s.Galaxy[4][4], 100);
    const int hostile = 3 * 8 + 3;
    auto* tabs = dg.Control<QTabBar>(Form::frmGalaxy, "tabDisplay");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(1), "<GalaxyTab1>");
    test::DesktopGame::ClickAt(tabs, tabs->tabRect(1).center());
    EXPECT_EQ(s.Chart.Tab, 2);
    EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(hostile)].ForeColor, 4);  // red, on the highlight
    EXPECT_EQ(Fore(hostile), QColor(0x80, 0, 0));
    test::DesktopGame::ClickAt(tabs, tabs->tabRect(3).center());
    EXPECT_EQ(s.Chart.Tab, 4);
    EXPECT_EQ(Fore(hostile), QColor(Qt::black));
}

TEST_F(ChartWindow, AClickExplainsTheCodeOrPicksTheQuadrant) {
    LRS(dg.game);
    const int ship = 3 * 8 + 3;
    dg.Click(Form::frmGalaxy, Quad(ship));
    ASSERT_EQ(dg.script.notices.size(), 1u);
    EXPECT_EQ(dg.script.notices[0], ChartCodeExplanation(dg.game, Format(s.Galaxy[4][4], "000")));

    // A dialog waits for a quadrant: the click picks label 10 and frames it; no notice.
    s.QuadrantPickMode = -1;
    dg.Click(Form::frmGalaxy, Quad(10));
    EXPECT_EQ(s.QuadrantPickMode, 11);
    EXPECT_EQ(Label(10)->frameShape(), QFrame::Box);
    EXPECT_EQ(Label(ship)->frameShape(), QFrame::Box);
    EXPECT_EQ(dg.script.notices.size(), 1u);
}

TEST_F(ChartWindow, TheRightButtonHeldRunsTheAutomaticTargetCalculator) {
    QLabel* label = Label(20);
    auto move = [&](Qt::MouseButtons held) {
        const QPointF at(5, 5);
        QMouseEvent e(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(label, &e);
    };
    move(Qt::RightButton);
    EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    move(Qt::NoButton);
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
}

TEST_F(ChartWindow, ABaseUnderAttackBlinksOnTheChartAndInTheTargetCalculator) {
    // Starbase 2 stands in quadrant (2, 3) and calls for help; the target calculator is open.
    s.Starbases[1][2] = 2;
    s.Starbases[2][2] = 3;
    s.Starbases[3][2] = 30000;
    s.StarbaseFlags[2] = kTrue;
    auto* chart = dg.Window<frmGalaxy>(Form::frmGalaxy);
    auto* calculator = dg.Window<frmTargetCalculator>(Form::frmTargetCalculator);
    dg.host.ShowForm(Form::frmTargetCalculator);
    ASSERT_TRUE(calculator->isVisible());
    const int label = (2 - 1) * 8 + 3 - 1;
    auto entryColour = [&] { return calculator->optBase[2]->styleSheet(); };
    auto colourSheet = [](int palette) { return QStringLiteral("color: %1;").arg(PaletteQColour(palette).name()); };
    std::vector<QColor> shown;
    for (int palette : {12, 4, 12}) {
        ASSERT_TRUE(dg.host.Run(Form::frmGalaxy, [&] { chart->tmrBlink_Timer(); }));
        EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(label)].ForeColor, palette);
        shown.push_back(Fore(label));
        EXPECT_EQ(entryColour(), colourSheet(palette)) << palette;
        EXPECT_EQ(calculator->optBase[1]->styleSheet(), colourSheet(0));  // a base that does not call
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_EQ(shown[0], shown[2]);
}

TEST_F(ChartWindow, TheStarTargetFrameSurroundsItsQuadrant) {
    auto* frame = dg.Control<QFrame>(Form::frmGalaxy, "shpLimit");
    EXPECT_FALSE(frame->isVisibleTo(frame->window()));
    dg.host.FrameChartQuadrant(14);
    EXPECT_TRUE(frame->isVisibleTo(frame->window()));
    const QRect label = Label(14)->geometry();
    EXPECT_TRUE(frame->geometry().contains(label));
    EXPECT_EQ(frame->geometry(), label.adjusted(-2, -3, 2, 2));
    for (int k : {13, 15, 6, 22}) EXPECT_FALSE(frame->geometry().contains(Label(k)->geometry())) << k;
}

TEST_F(ChartWindow, StandsAtTheLeftEdgeDirectlyAboveTheStatusLamps) {
    auto* chart = dg.Window<frmGalaxy>(Form::frmGalaxy);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (!dg.host.FormWindow(Form::frmStatus)) {
        // Without the lamps' window: above where it stands, two rows of 600 twips at the bottom.
        chart->Form_Load();
        EXPECT_EQ(chart->frameGeometry().left(), screen.left());
        EXPECT_EQ(chart->frameGeometry().bottom() + 1, screen.bottom() + 1 - 80);
    }
    QWidget status;
    status.setGeometry(0, 300, 240, 80);
    dg.host.RegisterForm(Form::frmStatus, &status);
    chart->Form_Load();
    EXPECT_EQ(chart->frameGeometry().left(), screen.left());
    EXPECT_EQ(chart->frameGeometry().bottom() + 1, status.frameGeometry().top());
}

}  // namespace
}  // namespace kv
