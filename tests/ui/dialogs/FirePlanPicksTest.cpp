// Picking the targets of the phaser and torpedo plans on the short-range scan, as the player
// does it through the desktop host: the dialog's instructions, the clicks on the scan, and the
// return to the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

// The desktop's script, with a step of the test's own as each notice is shown.
struct NoticeScript : test::DesktopScript {
    std::function<void()> onNotice;
    void Notice(const std::string& text, long style, bool own) override {
        DesktopScript::Notice(text, style, own);
        if (onNotice) onNotice();
    }
};

struct FirePlanPicks : ::testing::Test {
    SeededRandom rng{5};
    PlaySurfaceGame dg{rng};
    GameState& s = dg.st;

    static int Cell(int row, int col) { return (row - 1) * 8 + col - 1; }
    void ClickCell(int cell) { dg.Click(Form::frmSRS, QStringLiteral("picSector(%1)").arg(cell)); }
    void Type(const QString& keys) { dg.Keys(Form::frmCommands, "cmdGame", keys); }
    // The player comes back to the dialog's window.
    void ComeBackTo(Form form) {
        QWidget* w = dg.Window(form);
        w->raise();
        w->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(w->isActiveWindow());
    }
};

TEST_F(FirePlanPicks, ThePhaserDialogTakesTheSectorsPickedAfterItsInstructions) {
    Type("4");
    ASSERT_TRUE(dg.host.IsFormVisible(Form::frmPHA));
    dg.Click(Form::frmPHA, "cmdAdd");
    ASSERT_EQ(dg.script.notices.size(), 1u);  // the instructions
    ASSERT_TRUE(dg.host.IsFormVisible(Form::frmSRS));
    QApplication::processEvents();
    ClickCell(Cell(2, 2));
    ClickCell(Cell(6, 7));
    ComeBackTo(Form::frmPHA);
    EXPECT_EQ(s.PhaserPlan.size(), 2u);
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(s.FirePlanMode, 0);
    EXPECT_EQ(dg.Shown(Form::frmPHA, "lstFire").count('\n'), 1);
}

// On a desktop the message window hands the dialog the focus back as it closes, before the scan
// takes it: that is no return from picking.
TEST_F(FirePlanPicks, TheFocusAMessageHandsBackEndsNoPicking) {
    NoticeScript script;
    dg.host.SetScript(&script);
    QWidget* dialog = nullptr;
    script.onNotice = [&] {
        QDialog message;
        message.setModal(true);
        QTimer::singleShot(100, &message, [&] { message.accept(); });
        message.exec();
        dialog->activateWindow();
    };
    Type("4");
    dialog = dg.Window(Form::frmPHA);
    ComeBackTo(Form::frmPHA);
    dg.Click(Form::frmPHA, "cmdAdd");
    QApplication::processEvents();
    EXPECT_EQ(s.SectorPickMode, -2);
    ClickCell(Cell(3, 6));
    ComeBackTo(Form::frmPHA);
    EXPECT_EQ(s.PhaserPlan.size(), 1u);
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_TRUE(script.modals.empty());
    dg.host.SetScript(&dg.script);
}

// The other order the desktop may take: the scan takes the focus first, and only then does the
// desktop hand the dialog the focus the closed message took from it. That is no return from
// picking either: when the scan takes the focus again, the click on a hostile that follows marks
// it; when the dialog keeps the focus, the player's first act on it is the return.
TEST_F(FirePlanPicks, TheFocusAMessageHandsBackLateEndsNoPicking) {
    NoticeScript script;
    dg.host.SetScript(&script);
    QWidget* dialog = nullptr;
    QWidget* scan = dg.Window(Form::frmSRS);
    bool scanAgain = true;
    script.onNotice = [&] {
        QDialog message;
        message.setModal(true);
        QTimer::singleShot(50, &message, [&] { message.accept(); });
        message.exec();
        // Handed back once the scan has been shown.
        QTimer::singleShot(0, dialog, [&] {
            dialog->activateWindow();
            if (scanAgain) QTimer::singleShot(0, scan, [&] { scan->activateWindow(); });
        });
    };
    s.SectorGrid[2][6] = 2;
    s.TorpedoStockClass1 = 4;
    Type("5");
    dialog = dg.Window(Form::frmTOR);
    ComeBackTo(Form::frmTOR);
    dg.Click(Form::frmTOR, "cmdAdd");
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_TRUE(scan->isActiveWindow());
    EXPECT_EQ(s.SectorPickMode, -3);
    ClickCell(Cell(2, 6));
    EXPECT_TRUE(script.modals.empty());  // no information box
    EXPECT_TRUE(s.SectorFrames[static_cast<size_t>(Cell(2, 6))].Visible);
    ComeBackTo(Form::frmTOR);
    EXPECT_EQ(s.TorpedoPlan.size(), 1u);
    EXPECT_EQ(s.SectorPickMode, 0);

    scanAgain = false;
    dg.Click(Form::frmTOR, "cmdAdd");
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_TRUE(dialog->isActiveWindow());
    EXPECT_EQ(s.SectorPickMode, -3);
    dg.Click(Form::frmTOR, "cmdSelectAll");
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(dg.Shown(Form::frmTOR, "cmdSelectAll"), "<TOR0024>");  // the click itself went on
    dg.host.SetScript(&dg.script);
}

TEST_F(FirePlanPicks, TheTorpedoDialogTakesItsPicksAndOpensAfreshAfterNamingATorpedoLeftOut) {
    s.TorpedoStockClass1 = 2;
    Type("5");
    ASSERT_TRUE(dg.host.IsFormVisible(Form::frmTOR));
    dg.Click(Form::frmTOR, "cmdAdd");
    QApplication::processEvents();
    for (int cell : {Cell(1, 1), Cell(3, 3), Cell(5, 5)}) ClickCell(cell);
    ComeBackTo(Form::frmTOR);
    // Two torpedoes on board: the third pick is named and left out.
    EXPECT_EQ(s.TorpedoPlan.size(), 2u);
    ASSERT_EQ(dg.script.notices.size(), 2u);
    EXPECT_EQ(s.FirePlanMode, 0);

    dg.Click(Form::frmTOR, "cmdSelectAll");
    EXPECT_EQ(dg.Shown(Form::frmTOR, "cmdSelectAll"), "<TOR0024>");
    dg.Click(Form::frmTOR, "cmdCancel");
    ASSERT_FALSE(dg.host.IsFormVisible(Form::frmTOR));
    Type("5");
    ASSERT_TRUE(dg.host.IsFormVisible(Form::frmTOR));
    EXPECT_EQ(dg.Shown(Form::frmTOR, "cmdSelectAll"), "<TOR0031>");
}

}  // namespace
}  // namespace kv
