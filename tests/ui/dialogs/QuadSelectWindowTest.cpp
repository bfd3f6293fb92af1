#include <gtest/gtest.h>

#include <QRadioButton>

#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct QuadSelectWindow : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    GameState& s = dg.st;
    QRadioButton* Option(int i) {
        return dg.Control<QRadioButton>(Form::frmQuadSelect, QStringLiteral("optQS(%1)").arg(i));
    }
    int Checked() {
        int n = 0;
        for (int i = 0; i < 64; ++i) n += Option(i)->isChecked();
        return n;
    }
};

TEST_F(QuadSelectWindow, EachOpeningStartsEmptyAndAClickPicksAndCloses) {
    s.QuadSelect.Caption = "Pick a quadrant";
    s.QuadSelect.Enabled[27] = false;
    for (int round = 0; round < 2; ++round) {
        s.QuadSelect.Selected = 5;  // what the last opening left
        dg.script.modal[Form::frmQuadSelect] = [&](QDialog& w) {
            EXPECT_EQ(w.windowTitle(), "Pick a quadrant");
            EXPECT_EQ(Checked(), 0);
            EXPECT_EQ(s.QuadSelect.Selected, -1);
            EXPECT_FALSE(Option(27)->isEnabled());
            dg.Click(Form::frmQuadSelect, "optQS(27)");  // the ship's own cell cannot be picked
            EXPECT_TRUE(w.isVisible());
            dg.Click(Form::frmQuadSelect, QStringLiteral("optQS(%1)").arg(10 + round));
        };
        dg.host.RunModal(Form::frmQuadSelect);
        EXPECT_EQ(s.QuadSelect.Selected, 10 + round);
        EXPECT_FALSE(dg.Window(Form::frmQuadSelect)->isVisible());
    }
}

// The picker has no Cancel: Escape leaves it open; its close box closes it with nothing selected.
TEST_F(QuadSelectWindow, TheCloseBoxLeavesNothingSelectedAndEscapeLeavesItOpen) {
    dg.script.modal[Form::frmQuadSelect] = [&](QDialog& w) {
        Option(40)->setChecked(true);
        dg.Key(Form::frmQuadSelect, "optQS(40)", Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
        w.close();
    };
    dg.host.RunModal(Form::frmQuadSelect);
    EXPECT_EQ(s.QuadSelect.Selected, -1);
    EXPECT_EQ(Checked(), 0);
    EXPECT_FALSE(dg.Window(Form::frmQuadSelect)->isVisible());
}

}  // namespace
}  // namespace kv
