// The game windows as start-up shows them: at each desktop size, command-bar layout and scan size
// every window stands on the desktop, the game windows clear of each other and the report windows
// clear of them; where the desktop has room the reports are clear of each other too. A window the
// player moved, or the settings placed, is left where it is.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "state/Options.h"
#include "state/WindowTable.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

constexpr Form kGameWindows[] = {Form::frmOutput, Form::frmCommands, Form::frmInfo,   Form::frmSRS,
                                 Form::frmCOM,    Form::frmStatus,   Form::frmGalaxy, Form::frmBars};
constexpr Form kReports[] = {Form::frmDamageReport, Form::frmGeneralReport, Form::frmZarvoniReport,
                             Form::frmBaseReport};

struct Arranged : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::PlaySurfaceGame dg{rng};

    ~Arranged() override { UseDesktopArea({}); }

    void UseDesktop(QSize size) {
        UseDesktopArea(QRect(QPoint(0, 0), size));
        desktop = {0, 0, size.width(), size.height()};
    }
    void Layout(int columns, int scanOption) {
        ApplyCommandBar(dg.game, columns);
        dg.st.SRSDrawOption = static_cast<Integer>(scanOption);
        dg.host.Refresh(View::SrsColors);
    }
    // Start-up's windows, then a game's reports.
    void StartUp() {
        ShowGameWindows(dg.game);
        dg.host.ShowForm(Form::frmCommands);
        ShowReportWindows(dg.game);
        dg.host.ArrangeWindows();
    }
    // Until the windows are arranged by themselves.
    void AwaitArrangement() {
        const int before = dg.host.WindowsArranged();
        QElapsedTimer waited;
        waited.start();
        while (dg.host.WindowsArranged() == before && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_GT(dg.host.WindowsArranged(), before);
    }
    WindowBox Box(Form form) { return OuterBox(dg.Window(form)); }
    std::string Boxes() {
        std::string all = "windows:";
        for (const auto& list : {std::vector<Form>(std::begin(kGameWindows), std::end(kGameWindows)),
                                 std::vector<Form>(std::begin(kReports), std::end(kReports))})
            for (Form f : list) {
                const WindowBox b = Box(f);
                all += std::string("\n  ") + Name(f) + " " + std::to_string(b.left) + "," + std::to_string(b.top) + " " +
                       std::to_string(b.width) + "x" + std::to_string(b.height);
            }
        return all;
    }
    long long Covered(Form a, Form b) { return CoveredArea(Box(a), Box(b)); }

    // Every window on the desktop; no game window covers another; a report that covers one stands
    // beneath it. With `room`, no report covers another window at all.
    void ExpectClear(bool room = false) {
        SCOPED_TRACE(Boxes());
        for (Form f : kGameWindows) {
            SCOPED_TRACE(Name(f));
            EXPECT_EQ(KeptOnScreen(Box(f), desktop), Box(f));
            for (Form g : kGameWindows) {
                if (g != f) EXPECT_EQ(Covered(f, g), 0) << "covers " << Name(g);
            }
        }
        for (Form r : kReports) {
            SCOPED_TRACE(Name(r));
            EXPECT_EQ(KeptOnScreen(Box(r), desktop), Box(r));
            bool overGameWindow = false;
            for (Form f : kGameWindows) overGameWindow = overGameWindow || Covered(r, f) > 0;
            EXPECT_EQ(dg.host.WindowBeneath(r), overGameWindow);
            if (!room) continue;
            EXPECT_FALSE(overGameWindow);
            for (Form s : kReports) {
                if (r != s) EXPECT_EQ(Covered(r, s), 0) << "covers " << Name(s);
            }
        }
    }

    WindowBox desktop;
};

struct Desktop {
    int width, height, columns, scanOption;
};

struct ArrangedOnDesktop : Arranged, ::testing::WithParamInterface<Desktop> {};

std::string DesktopName(const ::testing::TestParamInfo<Desktop>& info) {
    const Desktop& d = info.param;
    return std::to_string(d.width) + "x" + std::to_string(d.height) + "_" + std::to_string(d.columns) + "PerRow_" +
           (d.scanOption & 1 ? "LargeScan" : "SmallScan") + (d.scanOption & 2 ? "WithCoordinates" : "");
}

std::vector<Desktop> Desktops() {
    std::vector<Desktop> all;
    for (QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)})
        for (int columns : {12, 6, 4, 3, 2, 1})
            for (int scan : {0, 1, 3}) all.push_back({size.width(), size.height(), columns, scan});
    return all;
}

TEST_P(ArrangedOnDesktop, EveryGameWindowStandsWholeAndClearAndTheReportsGiveWay) {
    const Desktop& d = GetParam();
    UseDesktop({d.width, d.height});
    Layout(d.columns, d.scanOption);
    StartUp();
    ExpectClear(d.height >= 1024);

    // The windows held to the desktop's corners keep their rules' places.
    EXPECT_EQ(Box(Form::frmOutput).left, 0);
    EXPECT_EQ(Box(Form::frmOutput).top, 0);
    EXPECT_EQ(Box(Form::frmStatus).left, 0);
    EXPECT_EQ(Box(Form::frmStatus).Bottom(), desktop.Bottom());
    EXPECT_EQ(Box(Form::frmGalaxy).left, 0);
    EXPECT_EQ(Box(Form::frmGalaxy).Bottom(), Box(Form::frmStatus).top);
    EXPECT_EQ(Box(Form::frmBars).Right(), desktop.Right());
    EXPECT_EQ(Box(Form::frmBars).Bottom(), desktop.Bottom());
    // The bar at the top, right of the log; the scan right of the log, or of a bar of one or two
    // columns that reaches below the info window.
    EXPECT_EQ(Box(Form::frmCommands).top, 0);
    EXPECT_EQ(Box(Form::frmCommands).left, Box(Form::frmOutput).Right());
    EXPECT_EQ(Box(Form::frmSRS).left, Box(d.columns > 2 ? Form::frmOutput : Form::frmCommands).Right());
}

INSTANTIATE_TEST_SUITE_P(StartUp, ArrangedOnDesktop, ::testing::ValuesIn(Desktops()), DesktopName);

TEST_F(Arranged, TheWindowsFollowANewBarLayoutAndScanSize) {
    UseDesktop({1024, 768});
    StartUp();
    ExpectClear();
    // The options applied while the windows are up: a bar of three per row, the large scan.
    ApplyCommandBar(dg.game, 3);
    AwaitArrangement();
    ExpectClear();
    dg.st.SRSDrawOption = 1;
    dg.host.Refresh(View::SrsColors);
    AwaitArrangement();
    ExpectClear();
    // Back to one row: the log had been narrowed for it and is again.
    ApplyCommandBar(dg.game, 12);
    AwaitArrangement();
    ExpectClear();
    EXPECT_EQ(Box(Form::frmCommands).Right(), desktop.Right());
}

TEST_F(Arranged, AWindowThePlayerMovedStaysWhereHePutIt) {
    UseDesktop({1280, 1024});
    ApplyCommandBar(dg.game, 3);
    StartUp();
    QWidget* status = dg.Window(Form::frmStatus);
    status->move(40, 300);
    dg.Window(Form::frmOutput)->resize(200, 240);
    dg.host.ArrangeWindows();
    EXPECT_EQ(status->pos(), QPoint(40, 300));
    // The bar, still where its rule put it, follows the narrower log, and the log keeps the
    // player's size.
    EXPECT_EQ(dg.Window(Form::frmOutput)->width(), 200);
    EXPECT_EQ(Box(Form::frmCommands).left, Box(Form::frmOutput).Right());
}

TEST_F(Arranged, TheSettingsPlacesAndLogSizeStay) {
    UseDesktop({1024, 768});
    WindowGeometry& log = dg.game.options.Window[1];
    log = {0, 0, 600 * 15, 300 * 15};
    dg.game.options.Window[11] = {100 * 15, 400 * 15, 0, 0};  // the scan
    dg.host.Refresh(View::WindowPositions);
    StartUp();
    EXPECT_EQ(dg.Window(Form::frmOutput)->size(), QSize(600, 300));
    EXPECT_EQ(dg.Window(Form::frmSRS)->pos(), QPoint(100, 400));
}

}  // namespace
}  // namespace kv
