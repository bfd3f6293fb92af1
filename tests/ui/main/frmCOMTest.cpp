// The computer panel opened offscreen: its switches, buttons, mode and lamp follow the game, and
// its controls reach the computer's services.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include "engine/computer/Displays.h"
#include "screens/main/ComputerPanel.h"
#include "state/LibraryOptions.h"
#include "state/ScreenData.h"
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
    s.SystemDamage[kPhasers] = 2;           // phasers damaged
    s.SystemDamage[kWarpEngines] = 8;       // engines out of action
    s.SystemDamage[kLongRangeSensors] = 8;  // long-range sensors out of action
    UpdateCommandState(g);
    auto* phasers = dg.Control<QPushButton>(Form::frmCOM, "cmdPhaserFire");
    EXPECT_TRUE(phasers->isEnabled());
    EXPECT_FALSE(phasers->styleSheet().isEmpty());
    EXPECT_FALSE(dg.Control(Form::frmCOM, "cmdTargetCalculator")->isEnabled());
    EXPECT_FALSE(dg.Control(Form::frmCOM, "cmdDockAtStarbase")->isEnabled());
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmCOM, "cmdTorpedoFire")->styleSheet().isEmpty());
    EXPECT_FALSE(lrs->isEnabled());
}

// Engines or torpedoes out of action grey the lamp and the phaser-mode panel: both stay in
// sight and take no click.
TEST_F(ComputerPanelWindowTest, TheLampAndThePhaserModeAreDisabledNotHiddenOutOfAction) {
    QWidget* panel = dg.Window(Form::frmCOM);
    panel->show();
    QWidget* lamp = dg.Control(Form::frmCOM, "pnlTC");
    QWidget* mode = dg.Control(Form::frmCOM, "pnlPKHolder");
    const QRect lampPlace = lamp->geometry(), modePlace = mode->geometry();
    s.SystemDamage[kWarpEngines] = 7.0f;
    s.SystemDamage[kTorpedoes] = 7.0f;
    UpdateCommandState(g);
    for (QWidget* w : {lamp, mode}) {
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
    EXPECT_EQ(lamp->geometry(), lampPlace);
    EXPECT_EQ(mode->geometry(), modePlace);
    s.LibPhaKillOrDisable = 0;
    dg.script.notices.clear();
    dg.Click(Form::frmCOM, "pnlTC");
    dg.Click(Form::frmCOM, "pnlPK");
    EXPECT_FALSE(g.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(s.ComTCTag, "");
    EXPECT_EQ(s.LibPhaKillOrDisable, 0);

    s.SystemDamage[kWarpEngines] = 6.9f;
    s.SystemDamage[kTorpedoes] = 0;
    UpdateCommandState(g);
    EXPECT_TRUE(lamp->isEnabled());
    EXPECT_TRUE(mode->isEnabled());
    panel->hide();
}

// The phaser computer's mode reads its design wording until a named configuration's library
// options set it: the "General" configuration keeps none, so a player who never names one sees it.
TEST_F(ComputerPanelWindowTest, ThePhaserModeShowsItsDesignWordingBeforeAnyOptionsLoad) {
    QWidget* mode = dg.Control(Form::frmCOM, "pnlPK");
    ASSERT_NE(mode, nullptr);
    ASSERT_FALSE(mode->size().isEmpty());
    EXPECT_EQ(PaintComputerPanel(g).phaserMode, "Kill");
    // The box has no edge: whatever differs from its face is the printed caption.
    const QImage img = mode->grab().toImage();
    const QRgb face = img.pixel(0, 0);
    int printed = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != face) ++printed;
    EXPECT_GT(printed, 10);
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

// The calculator lamp at rest is a raised panel in the button face; switched on it runs flat
// (one plain line round it) in its pulsing green; switched off it is raised in the face again.
TEST_F(ComputerPanelWindowTest, TheCalculatorLampIsRaisedAtRestAndFlatWhileItRuns) {
    QWidget* panel = dg.Window(Form::frmCOM);
    panel->show();
    QWidget* lamp = dg.Control(Form::frmCOM, "pnlTC");
    ASSERT_NE(lamp, nullptr);
    const QRgb face = lamp->palette().color(QPalette::Button).rgb();
    struct Seen {
        QRgb centre, topLeft, bottomRight, topRight, bottomLeft;
    };
    auto look = [&] {
        const QImage img = lamp->grab().toImage();
        const int w = img.width(), h = img.height();
        return Seen{img.pixel(w / 2, h / 2), img.pixel(0, 0), img.pixel(w - 1, h - 1), img.pixel(w - 1, 0),
                    img.pixel(0, h - 1)};
    };
    auto expectResting = [&](const char* when) {
        SCOPED_TRACE(when);
        const Seen at = look();
        EXPECT_EQ(at.centre, face);
        EXPECT_NE(at.topLeft, at.bottomRight);  // lit above, shaded below: raised
    };
    expectResting("at start");

    dg.Click(Form::frmCOM, "pnlTC");
    ASSERT_TRUE(g.TimerEnabled(Timer::frmCOM_tmrTC));
    const Seen on = look();
    EXPECT_NE(on.centre, face);
    EXPECT_EQ(on.topLeft, on.bottomRight);
    EXPECT_EQ(on.topRight, on.bottomLeft);
    EXPECT_EQ(on.topLeft, on.topRight);
    EXPECT_NE(on.topLeft, on.centre);

    s.ComTCTag.clear();
    SetAutoTargetCalculator(g, false);
    ASSERT_FALSE(g.TimerEnabled(Timer::frmCOM_tmrTC));
    expectResting("switched off");
    panel->hide();
}

}  // namespace
}  // namespace kv
