#include "screens/main/ComputerPanel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/computer/Displays.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct ComputerPanelTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TurnGame tg{rng};
    Game& g = tg.game;
    GameState& s = tg.st;
    void SetUp() override { std::ofstream(s.SoundsPath + "NOTRESP.WAV") << ""; }
};

TEST_F(ComputerPanelTest, TheCalculatorScansFirstOnlyOnceBeforeAMove) {
    s.LRSDone = kFalse;
    ComTargetCalculatorClick(g, true);
    EXPECT_FLOAT_EQ(s.TimeLeft, 29.95f);
    EXPECT_TRUE(tg.host.Saw("log:<COM0001>"));
    EXPECT_TRUE(s.LRSDone);
    EXPECT_TRUE(tg.host.Saw("show:frmTargetCalculator"));
    ComTargetCalculatorClick(g, true);
    EXPECT_FLOAT_EQ(s.TimeLeft, 29.95f);
    EXPECT_EQ(tg.host.Events("log:<COM0001>").size(), 1u);
}

TEST_F(ComputerPanelTest, TheCalculatorsScanNeedsItsSwitchAndWorkingSensors) {
    for (int variant = 0; variant < 2; ++variant) {
        ConstantRandom r(0.5f);
        TurnGame t(r);
        t.st.LRSDone = kFalse;
        if (variant == 0) t.st.SystemDamage[kLongRangeSensors] = 0.5f;
        if (variant == 1) t.st.ComAutoLRS = kFalse;
        bool saved = false;
        ComTargetCalculatorClick(t.game, true, [&] { saved = true; });
        EXPECT_FLOAT_EQ(t.st.TimeLeft, 30.0f) << variant;
        EXPECT_FALSE(t.st.LRSDone) << variant;
        EXPECT_TRUE(saved);
        EXPECT_TRUE(t.host.Saw("show:frmTargetCalculator"));
    }
}

TEST_F(ComputerPanelTest, ButtonsThatDoNotRespond) {
    // The calculator only warns, and opens all the same.
    s.LRSDone = kTrue;
    tg.host.visible = {Form::frmGalaxy};
    ComTargetCalculatorClick(g, false);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"SYS1<COM0002>"}));
    EXPECT_TRUE(tg.host.Saw("front:frmGalaxy"));
    EXPECT_TRUE(tg.host.Saw("show:frmTargetCalculator"));
    // The weapons fire nothing.
    ComPhaserFireClick(g, false);
    ComTorpedoFireClick(g, false);
    EXPECT_EQ(SoundNames(tg.host), (std::vector<std::string>{"NOTRESP.WAV", "NOTRESP.WAV"}));
    EXPECT_TRUE(s.PhaserPlan.empty());
    EXPECT_TRUE(s.TorpedoPlan.empty());
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f);
}

TEST_F(ComputerPanelTest, TheCalculatorLampPulses) {
    std::vector<int> greens;
    for (int i = 0; i < 64; ++i) greens.push_back(static_cast<int>(ComLampTick(g) >> 8));
    EXPECT_EQ(greens.front(), 131);  // counter 4
    EXPECT_EQ(greens[31], 255);      // counter 128
    EXPECT_EQ(greens[32], 252);      // counter 132
    EXPECT_EQ(greens[62], 132);      // counter 252
    EXPECT_EQ(greens[63], 127);      // wrapped to 0
    for (int v : greens) EXPECT_TRUE(v >= 127 && v <= 255);
    EXPECT_EQ(ComLampTick(g) & 0xFF00FF, 0);  // green only
}

TEST_F(ComputerPanelTest, SwitchesAndModes) {
    s.LibPhaKillOrDisable = 0;
    ComPhaserModeClick(g);
    EXPECT_EQ(s.LibPhaKillOrDisable, 1);
    EXPECT_EQ(s.ComPhaserModeCaption, "<Disable>");
    ComPhaserModeClick(g);
    EXPECT_EQ(s.LibPhaKillOrDisable, 0);
    EXPECT_EQ(s.ComPhaserModeCaption, "<Kill>");

    ComAutoShieldsClick(g, 0);
    EXPECT_EQ(s.ComAutoShields, kFalse);
    EXPECT_EQ(s.ComAutoShieldsBackup, kFalse);
    ComAutoScanClick(g, 0);
    EXPECT_EQ(s.ComAutoLRS, kFalse);

    // The lamp: the player switches the calculator on by hand, and takes it back.
    ComCalculatorLampClick(g);
    EXPECT_EQ(s.ComTCTag, "Manual");
    EXPECT_TRUE(g.TimerEnabled(Timer::frmCOM_tmrTC));
    ComCalculatorLampClick(g);
    EXPECT_EQ(s.ComTCTag, "");

    // The galactic record toggles.
    ComGalacticRecordClick(g);
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmGalaxy));
    ComGalacticRecordClick(g);
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmGalaxy));
}

// The panel shows the switches, the buttons' damage colours, the mode and the lamp as the game
// holds them.
TEST_F(ComputerPanelTest, WhatThePanelShows) {
    UpdateCommandState(g);
    ComputerPanelLook look = PaintComputerPanel(g);
    EXPECT_TRUE(look.autoShields.checked);
    EXPECT_TRUE(look.autoShields.enabled);
    EXPECT_TRUE(look.autoScan.checked);
    EXPECT_FALSE(ComButtonIsOff(look.phaserFire));
    EXPECT_FALSE(look.lampRunning);
    EXPECT_EQ(look.lampColour, kButtonFace);
    EXPECT_TRUE(look.lampEnabled);

    // Damaged phasers colour their button; sensors out of action grey the scan switch; the
    // engines out of action take the lamp's clicks away.
    s.SystemDamage[kPhasers] = 1.5f;
    s.SystemDamage[kLongRangeSensors] = 7.0f;
    s.SystemDamage[kWarpEngines] = 7.5f;
    UpdateCommandState(g);
    look = PaintComputerPanel(g);
    EXPECT_TRUE(ComButtonIsOff(look.phaserFire));
    EXPECT_TRUE(look.phaserFire.Enabled);
    EXPECT_FALSE(look.autoScan.enabled);
    EXPECT_FALSE(look.lampEnabled);

    // Automatic raising switched off in the library options: the shields' switch greyed and clear.
    s.ComAutoShieldsEnabled = kFalse;
    look = PaintComputerPanel(g);
    EXPECT_FALSE(look.autoShields.checked);
    EXPECT_FALSE(look.autoShields.enabled);

    // The running calculator pulses the lamp.
    g.SetTimer(Timer::frmCOM_tmrTC, true);
    const Long pulse = ComLampTick(g);
    EXPECT_EQ(PaintComputerPanel(g).lampColour, pulse);
    EXPECT_TRUE(PaintComputerPanel(g).lampRunning);
    s.ComPhaserModeCaption = "Kill";
    EXPECT_EQ(PaintComputerPanel(g).phaserMode, "Kill");
}

TEST(ComputerPanelPlacement, HangsBelowTheBarOnlyOnWideScreens) {
    // Bar at (3000, 0), 9000 x 900 twips; panel 3000 x 4000.
    EXPECT_EQ(ComputerPanelPosition(3000, 0, 9000, 900, 3000, 4000, 801), (WindowPosition{6000, 900 - 4000}));
    EXPECT_EQ(ComputerPanelPosition(3000, 0, 9000, 900, 3000, 4000, 802), (WindowPosition{6000, 900 + 150}));
}

}  // namespace
}  // namespace kv::test
