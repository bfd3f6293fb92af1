#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "engine/computer/Navigation.h"
#include "ui/dialogs/frmNAV.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

struct NavWindowTest : ::testing::Test {
    SeededRandom rng{3};
    PlaySurfaceGame dg{rng};
    GameState& s = dg.st;
    frmNAV* nav = dg.Window<frmNAV>(Form::frmNAV);

    void Open(Single maxWarp = 8.0f) {
        ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { SetupNavDialog(dg.game, maxWarp); }));
        ASSERT_TRUE(nav->isVisible());
    }
    void TypeOver(const char* control, const QString& text) {
        dg.Control<QLineEdit>(Form::frmNAV, control)->selectAll();
        dg.Keys(Form::frmNAV, control, text);
    }
};

TEST_F(NavWindowTest, TheScrollBarsSetTheTextsAndGauges) {
    Open();
    nav->hsbCourse->setValue(30);
    EXPECT_EQ(nav->txtCourse->text(), "3.0");
    EXPECT_EQ(nav->gagCourse->Tag(), "25");
    nav->vsbWarp->setValue(nav->vsbWarp->maximum() - 10);
    EXPECT_EQ(nav->txtWarp->text(), "1.0");
    EXPECT_EQ(nav->pnlWarp->Tag(), "12.5");
    nav->grab();  // the dial and the gauge paint

    // Damaged engines: the bar reaches warp 0.5 only.
    nav->hide();
    Open(0.5f);
    EXPECT_EQ(nav->vsbWarp->maximum(), 5);
    EXPECT_EQ(nav->txtWarp->text(), "0.0");
    EXPECT_EQ(nav->txtCourse->text(), "1.0");
}

TEST_F(NavWindowTest, TypedValuesOutOfRangeAreRefusedAndReset) {
    Open();
    TypeOver("txtCourse", "9.5");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<NAV0005>"});
    EXPECT_EQ(nav->txtCourse->text(), "1.0");
    EXPECT_EQ(nav->hsbCourse->value(), 10);

    dg.script.notices.clear();
    TypeOver("txtWarp", "9");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<NAV0006>"});
    EXPECT_EQ(nav->txtWarp->text(), "0.0");
    EXPECT_EQ(nav->vsbWarp->value(), nav->vsbWarp->maximum());

    // A course typed in range is taken as it stands, scroll bar unmoved.
    dg.script.notices.clear();
    TypeOver("txtCourse", "2.5");
    EXPECT_TRUE(dg.script.notices.empty());
    EXPECT_EQ(s.NavDialog.CourseText, "2.5");
    EXPECT_EQ(nav->hsbCourse->value(), 10);
}

TEST_F(NavWindowTest, CancelAndEscapeLeaveTheCancelMarkAndHide) {
    for (bool escape : {false, true}) {
        Open();
        if (escape)
            dg.Key(Form::frmNAV, "cmdAccept", Qt::Key_Escape);
        else
            dg.Click(Form::frmNAV, "cmdCancel");
        EXPECT_FALSE(nav->isVisible()) << escape;
        EXPECT_EQ(s.NavDialog.CourseText, "-32767") << escape;
        EXPECT_EQ(s.ShipEnergy, 3000) << escape;
    }
}

TEST_F(NavWindowTest, ActivationDisablesAutoTargetWithTheComputerDamagedAndStartsTheMapAtTheShip) {
    s.SystemDamage[kComputer] = 0.5f;
    Open();
    EXPECT_FALSE(nav->cmdAuto->isEnabled());
    nav->hide();
    s.SystemDamage[kComputer] = 0;
    Open();
    EXPECT_TRUE(nav->cmdAuto->isEnabled());
    // Quadrant (4, 4), sector (4, 4): the 28th of 64 sectors both ways.
    const QPointF start = nav->pnlDist->LineStart();
    EXPECT_NEAR(start.x(), 27.5 * nav->pnlDist->width() / 64, 1e-9);
    EXPECT_NEAR(start.y(), 27.5 * nav->pnlDist->height() / 64, 1e-9);
}

// The measured line keeps its far end when the player comes back to the dialog from another
// window; only its start follows the ship.
TEST_F(NavWindowTest, ComingBackToTheDialogKeepsTheMeasuredLine) {
    Open();
    const QPoint pressed(12, 40);
    test::DesktopGame::ClickAt(nav->pnlDist, pressed);
    ASSERT_EQ(nav->pnlDist->LineEnd(), QPointF(pressed));

    s.ShipSectorCol = 5;  // the ship now one sector further east
    for (Form other : {Form::frmSRS, Form::frmNAV}) {
        QWidget* w = dg.Window(other);
        w->show();
        w->raise();
        w->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(w->isActiveWindow()) << Name(other);
    }
    EXPECT_EQ(nav->pnlDist->LineEnd(), QPointF(pressed));
    EXPECT_NEAR(nav->pnlDist->LineStart().x(), 28.5 * nav->pnlDist->width() / 64, 1e-9);
}

// The player moved the dialog aside, went to another window, and comes back with a triple click
// on the course box. The first press brings the dialog to the front; the dialog stays where the
// player put it, so the other two presses land on the box too: its text is selected and the
// course typed over it is taken.
TEST_F(NavWindowTest, ComingBackToTheDialogLeavesItUnderThePointer) {
    Open();
    const QPoint moved = nav->pos() + QPoint(0, 60);
    nav->move(moved);
    dg.host.ShowForm(Form::frmSRS);
    QWidget* scan = dg.Window(Form::frmSRS);
    QApplication::processEvents();
    ASSERT_TRUE(scan->isActiveWindow());

    const QPoint at = nav->txtCourse->mapToGlobal(nav->txtCourse->rect().center());
    auto send = [&](QWidget* w, QEvent::Type type) {
        if (!w) return;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(w->mapFromGlobal(at)), QPointF(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    nav->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(nav->isActiveWindow());
    send(nav->txtCourse, QEvent::MouseButtonPress);
    send(nav->txtCourse, QEvent::MouseButtonRelease);
    EXPECT_EQ(nav->pos(), moved);
    QWidget* under = nav->childAt(nav->mapFromGlobal(at));
    EXPECT_EQ(under, nav->txtCourse);
    for (QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                              QEvent::MouseButtonRelease})
        send(under, type);
    EXPECT_EQ(nav->txtCourse->selectedText(), "1.0");
    dg.Keys(Form::frmNAV, "txtCourse", "2.5");
    EXPECT_TRUE(dg.script.notices.empty());
    EXPECT_EQ(s.NavDialog.CourseText, "2.5");
}

TEST_F(NavWindowTest, AnOrderBeyondTheGalaxyIsRefusedAfterItsCharge) {
    s.ShipQuadrantCol = 8;
    Open();
    nav->vsbWarp->setValue(nav->vsbWarp->maximum() - 10);
    dg.Click(Form::frmNAV, "cmdAccept");
    EXPECT_EQ(dg.script.notices, std::vector<std::string>{"<NAV0004>"});
    EXPECT_EQ(s.ShipQuadrantCol, 8);
    EXPECT_EQ(s.ShipEnergy, 3000 - 18);
    EXPECT_TRUE(dg.Window(Form::frmCommands)->isEnabled());
}

}  // namespace
}  // namespace kv
