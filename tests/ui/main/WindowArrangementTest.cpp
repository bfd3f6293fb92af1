// The game windows as start-up shows them: each on the desktop, the scan clear of the command bar
// and the info window, the computer panel clear of the scan, and a window the player moved left
// where he put it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "state/WindowTable.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct WindowArrangement : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};

    void StartUp() {
        ShowGameWindows(dg.game);
        dg.host.ShowForm(Form::frmCommands);
    }
    WindowBox Box(Form form) { return OuterBox(dg.Window(form)); }
    long long Covered(Form a, Form b) { return CoveredArea(Box(a), Box(b)); }
};

TEST_F(WindowArrangement, TheWindowsShownAtStartUpStandOnTheDesktopAndClearOfEachOtherWhereTheyMust) {
    const int before = dg.host.WindowsArranged();
    StartUp();
    // The arrangement comes by itself once the shown windows are framed.
    QElapsedTimer waited;
    waited.start();
    while (dg.host.WindowsArranged() == before && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_GT(dg.host.WindowsArranged(), before);

    const QRect area = DesktopArea();
    const WindowBox desktop{area.x(), area.y(), area.width(), area.height()};
    for (Form f : {Form::frmOutput, Form::frmCommands, Form::frmInfo, Form::frmSRS, Form::frmCOM, Form::frmStatus,
                   Form::frmGalaxy, Form::frmBars}) {
        SCOPED_TRACE(Name(f));
        EXPECT_EQ(KeptOnScreen(Box(f), desktop), Box(f));
    }
    EXPECT_EQ(Covered(Form::frmCOM, Form::frmSRS), 0);
    EXPECT_EQ(Covered(Form::frmSRS, Form::frmCommands), 0);
    EXPECT_EQ(Covered(Form::frmSRS, Form::frmInfo), 0);
    EXPECT_EQ(Covered(Form::frmInfo, Form::frmCommands), 0);
    EXPECT_EQ(Covered(Form::frmGalaxy, Form::frmStatus), 0);
    EXPECT_EQ(Box(Form::frmStatus).Bottom(), desktop.Bottom());
    EXPECT_EQ(Box(Form::frmBars).Right(), desktop.Right());
}

TEST_F(WindowArrangement, AWindowThePlayerMovedStaysWhereHePutIt) {
    dg.game.options.CommandBarColumns = 3;
    dg.host.Refresh(View::CommandBar);
    StartUp();
    dg.host.ArrangeWindows();
    QWidget* status = dg.Window(Form::frmStatus);
    status->move(40, 300);
    dg.Window(Form::frmOutput)->resize(200, 240);
    dg.host.ArrangeWindows();
    EXPECT_EQ(status->pos(), QPoint(40, 300));
    // The bar, still where its rule put it, follows the narrower log.
    EXPECT_EQ(Box(Form::frmCommands).left, Box(Form::frmOutput).Right());
}

}  // namespace
}  // namespace kv
