// The dialogs that centre themselves as they come up stand centred by their inside and in the
// same place each time they are shown. Centred by their frame (move()), they would stand by
// themselves the first time and by their frame once the desktop had framed them: a title bar
// lower each time they came up again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/host/WindowArranger.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// Where the window's inside stands while it is shown, by one way of showing it.
using ShowWindow = std::function<QRect(test::DesktopGame&, Form)>;

QRect Inside(QWidget* w) {
    QCoreApplication::processEvents();
    return w ? w->geometry() : QRect();
}

// Shown as the game shows a modeless window, then hidden again.
QRect Modeless(test::DesktopGame& dg, Form form) {
    dg.host.ShowForm(form);
    const QRect at = Inside(dg.host.FormWindow(form));
    dg.host.HideForm(form);
    return at;
}

// Run modally as the game runs it, and put away while it is up.
QRect Modal(test::DesktopGame& dg, Form form) {
    QRect at;
    dg.script.modal[form] = [&](QDialog& d) {
        at = Inside(&d);
        d.hide();
    };
    dg.host.RunModal(form);
    return at;
}

// The small note window, with a text of its own.
QRect Note(test::DesktopGame& dg, Form form) {
    dg.host.ShowNote(true, std::string("One moment, please."));
    const QRect at = Inside(dg.host.FormWindow(form));
    dg.host.ShowNote(false, std::nullopt);
    return at;
}

// A game running with the ship in quadrant 4,4, sector 4,4, where the star list has a star
// system to show.
void GameRunningAtFourFour(GameState& s) {
    s.GameRunning = kTrue;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
    s.ShipSectorRow = s.ShipSectorCol = 4;
    s.Galaxy[4][4] = 1;
    s.StarSystem(4, 4, 1).SystemValue3 = -1;
}

TEST(DialogPlacement, ADialogShownAgainStandsCentredWhereItStoodFirst) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    GameRunningAtFourFour(dg.st);
    const struct {
        Form form;
        ShowWindow show;
    } cases[] = {
        {Form::frmNAV, Modeless},        {Form::frmFinalReport, Modeless}, {Form::frmAbout, Modeless},
        {Form::frmSRSInfo, Modal},       {Form::frmEgg, Modal},            {Form::frmStars, Modal},
        {Form::frmDAM, Modal},           {Form::frmPRO, Modal},            {Form::frmLibOptions, Modal},
        {Form::frmRespond, Modal},       {Form::frmQuadSelect, Modal},     {Form::frmOptions, Modal},
        {Form::frmShowMessage, Note},
    };
    const QRect area = DesktopArea();
    for (const auto& c : cases) {
        const std::vector<QRect> inside{c.show(dg, c.form), c.show(dg, c.form)};
        ASSERT_FALSE(inside[0].isEmpty()) << Name(c.form);
        EXPECT_NE(dg.host.FormWindow(c.form)->frameGeometry(), inside[1]) << Name(c.form) << " is framed";
        EXPECT_EQ(inside[1], inside[0]) << Name(c.form);
        // Centred by its inside: its middle on the desktop's.
        EXPECT_EQ(inside[0].topLeft(), area.center() - QRect(QPoint(), inside[0].size()).center()) << Name(c.form);
    }
}

// The player moved a centred dialog aside, went to another game window and comes back: the
// dialog stays where the player put it (moved under the click that brings it back, it would
// leave the rest of that click to whatever then lies under the pointer). Opened again, it comes
// up in the middle once more.
TEST(DialogPlacement, ComingBackToADialogLeavesItWhereThePlayerPutIt) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    GameRunningAtFourFour(dg.st);
    dg.host.ShowForm(Form::frmSRS);
    QWidget* scan = dg.host.FormWindow(Form::frmSRS);
    for (Form form : {Form::frmPRO, Form::frmLibOptions, Form::frmStars, Form::frmFinalReport, Form::frmMenu}) {
        SCOPED_TRACE(Name(form));
        QWidget* dialog = dg.host.FormWindow(form);
        ASSERT_NE(dialog, nullptr);
        dialog->show();
        const QPoint centred = Inside(dialog).topLeft();
        dialog->move(dialog->pos() + QPoint(40, 60));
        const QPoint moved = Inside(dialog).topLeft();
        ASSERT_NE(moved, centred);

        scan->activateWindow();
        Inside(scan);
        ASSERT_TRUE(scan->isActiveWindow());
        dialog->activateWindow();
        EXPECT_EQ(Inside(dialog).topLeft(), moved);
        EXPECT_TRUE(dialog->isActiveWindow());

        dialog->hide();
        dialog->show();
        EXPECT_EQ(Inside(dialog).topLeft(), centred);
        dialog->hide();
    }
}

// The game's windows are placed on a desktop of a test's size while one lives.
struct SmallDesktop {
    explicit SmallDesktop(const QRect& area) { UseDesktopArea(area); }
    ~SmallDesktop() { UseDesktopArea({}); }
};

// A dialog taller and wider than the desktop keeps its top-left corner on it.
TEST(DialogPlacement, ADialogLargerThanTheDesktopStandsAtItsTopLeftCorner) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    const SmallDesktop desktop(QRect(40, 30, 200, 150));
    QWidget* about = dg.host.FormWindow(Form::frmAbout);
    ASSERT_GT(about->width(), 200);
    ASSERT_GT(about->height(), 150);
    EXPECT_EQ(Modeless(dg, Form::frmAbout).topLeft(), QPoint(40, 30));
}

}  // namespace
}  // namespace kv
