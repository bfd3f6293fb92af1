// The shield dialog's bar, driven with the mouse as the player would: the level changes only
// where the drag line is dropped on the bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "ui/dialogs/frmSHE.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct ShieldBarTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    GameState& s = dg.st;
    frmSHE* she = dg.Window<frmSHE>(Form::frmSHE);

    void SetUp() override {
        s.GameRunning = kTrue;
        s.MaxShields = 2000;
        s.ShipEnergy = 5000;
        s.LibComputerState[0] = 1000;  // the line opens halfway up the 200-unit bar
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButtons held) {
        QWidget* bar = she->pnlShieldBar;
        const QPointF at(x, y);
        QMouseEvent e(type, at, bar->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(bar, &e);
    }
    void Press(int y, int x = 20) { Mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton); }
    void Move(int y, int x = 20) { Mouse(QEvent::MouseMove, x, y, Qt::LeftButton); }
    void Release(int y, int x = 20) { Mouse(QEvent::MouseButtonRelease, x, y, Qt::NoButton); }
    QString Level() const { return dg.Shown(Form::frmSHE, "txtShields"); }
    int LineMiddle() const { return she->lblDragLine->geometry().center().y(); }
};

TEST_F(ShieldBarTest, OnlyTheLineDroppedOnTheBarSetsTheLevel) {
    dg.script.modal[Form::frmSHE] = [&](QDialog&) {
        ASSERT_EQ(Level(), "1000");
        const int home = LineMiddle();
        ASSERT_NEAR(home, 100, 2);

        // A click on the bar away from the line, or on the line itself, changes nothing.
        for (int y : {30, 170, home}) {
            Press(y);
            Release(y);
            EXPECT_EQ(Level(), "1000") << y;
            EXPECT_EQ(LineMiddle(), home) << y;
            EXPECT_FALSE(s.ShieldDialog.DragOver) << y;
        }

        // Dragged out of the bar: the face colour again and the line back at the level, also
        // after letting go out there.
        Press(home);
        Move(50);
        EXPECT_TRUE(s.ShieldDialog.DragOver);
        EXPECT_NEAR(LineMiddle(), 50, 2);
        for (QPoint out : {QPoint(20, -30), QPoint(60, 50)}) {
            Move(out.y(), out.x());
            EXPECT_FALSE(s.ShieldDialog.DragOver) << out.x();
            EXPECT_EQ(LineMiddle(), home) << out.x();
        }
        Release(-30);
        EXPECT_EQ(Level(), "1000");
        EXPECT_FALSE(s.ShieldDialog.DragOver);
        EXPECT_EQ(LineMiddle(), home);

        // Back over the bar and dropped at height 50: (200 - 50) x 2000 / 196 - 5, rounded down.
        Press(home);
        Move(-30);
        Move(50);
        EXPECT_TRUE(s.ShieldDialog.DragOver);
        Release(50);
        EXPECT_EQ(Level(), "1525");
        EXPECT_FALSE(s.ShieldDialog.DragOver);
        dg.Click(Form::frmSHE, "cmdAccept");
    };
    dg.host.RunModal(Form::frmSHE);
    EXPECT_EQ(s.ShieldLevel, 1525);
}

// Closed while the line is held over the bar, the dialog opens next time with the bar in its
// face colour and no drag under way.
TEST_F(ShieldBarTest, ClosingMidDragLeavesNoDragForTheNextOpening) {
    dg.script.modal[Form::frmSHE] = [&](QDialog&) {
        Press(LineMiddle());
        Move(60);
        ASSERT_TRUE(s.ShieldDialog.DragOver);
        dg.Key(Form::frmSHE, "txtShields", Qt::Key_Escape);
    };
    dg.host.RunModal(Form::frmSHE);
    ASSERT_FALSE(dg.host.IsFormVisible(Form::frmSHE));

    dg.script.modal[Form::frmSHE] = [&](QDialog&) {
        EXPECT_FALSE(s.ShieldDialog.DragOver);
        const int home = LineMiddle();
        Move(30);  // a move with the button held, no press on this showing
        Release(30);
        EXPECT_EQ(LineMiddle(), home);
        EXPECT_EQ(Level(), "1000");
        dg.Click(Form::frmSHE, "cmdCancel");
    };
    dg.host.RunModal(Form::frmSHE);
    EXPECT_EQ(s.ShieldLevel, 1000);
}

}  // namespace
}  // namespace kv
