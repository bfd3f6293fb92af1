// The computer panel opened offscreen: its switches, buttons, mode and lamp follow the game, and
// its controls reach the computer's services.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "engine/computer/Displays.h"
#include "screens/main/ComputerPanel.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct ComputerPanelWindowTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    Game& g = dg.game;
    GameState& s = dg.st;
};

TEST_F(ComputerPanelWindowTest, TheSwitchesAndButtonsFollowTheGame) {
    auto* lrs = dg.Control<QCheckBox>(Form::frmCOM, "chkLRS");
    auto* she = dg.Control<QCheckBox>(Form::frmCOM, "chkSHE");
    ASSERT_TRUE(lrs && she);
    s.ComAutoLRS = kTrue;
    s.ComAutoShields = kFalse;
    dg.host.Refresh(View::ComputerPanel);
    EXPECT_TRUE(lrs->isChecked());
    EXPECT_FALSE(she->isChecked());

    // The player's clicks reach the game.
    lrs->click();
    EXPECT_EQ(s.ComAutoLRS, kFalse);
    she->click();
    EXPECT_EQ(s.ComAutoShields, kTrue);
    EXPECT_EQ(s.ComAutoShieldsBackup, kTrue);

    // Damage colours and disables the buttons as the command state says.
    s.SystemDamage[4] = 2;  // phasers damaged
    s.SystemDamage[1] = 8;  // engines out of action
    s.SystemDamage[3] = 8;  // long-range sensors out of action
    UpdateCommandState(g);
    auto* phasers = dg.Control<QPushButton>(Form::frmCOM, "cmdPhaserFire");
    EXPECT_TRUE(phasers->isEnabled());
    EXPECT_FALSE(phasers->styleSheet().isEmpty());
    EXPECT_FALSE(dg.Control(Form::frmCOM, "cmdTargetCalculator")->isEnabled());
    EXPECT_FALSE(dg.Control(Form::frmCOM, "cmdDockAtStarbase")->isEnabled());
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmCOM, "cmdTorpedoFire")->styleSheet().isEmpty());
    EXPECT_FALSE(lrs->isEnabled());
    EXPECT_FALSE(dg.Control(Form::frmCOM, "pnlTC")->isVisibleTo(dg.Window(Form::frmCOM)));
}

TEST_F(ComputerPanelWindowTest, ModeLampAndHint) {
    s.LibPhaKillOrDisable = 0;
    dg.Click(Form::frmCOM, "pnlPK");
    EXPECT_EQ(s.LibPhaKillOrDisable, 1);
    EXPECT_EQ(s.ComPhaserModeCaption, "<Disable>");

    dg.Click(Form::frmCOM, "pnlTC");
    EXPECT_EQ(s.ComTCTag, "Manual");
    EXPECT_TRUE(g.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(PaintComputerPanel(g).lampColour, g.screens.computer.LampColour);

    dg.ClickAt(dg.Window(Form::frmCOM), QPoint(2, 2));  // the panel's background
    ASSERT_EQ(dg.script.notices.size(), 1u);
    EXPECT_EQ(dg.script.notices[0], "<COM0003>" + s.NewLine + "<COM0004>");
    EXPECT_EQ(dg.Shown(Form::frmCOM, "cmdLibOptions"), "<COMLO>");
    EXPECT_EQ(dg.Shown(Form::frmCOM, ""), "<COMCap>");
}

}  // namespace
}  // namespace kv
