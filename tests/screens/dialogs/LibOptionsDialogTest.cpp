#include <gtest/gtest.h>

#include "screens/dialogs/LibOptionsDialog.h"
#include "state/LibraryOptions.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

struct LibOptionsDialogTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TestGame tg{rng};
    GameState& s = tg.st;
    void SetUp() override { tg.game.options.lblConfigName = "Jane"; }
};

TEST_F(LibOptionsDialogTest, EachTabShowsThePageItsCaptionNames) {
    EXPECT_EQ(LibOptionsTabPage(1), LibOptionsPage::Shields);
    EXPECT_EQ(LibOptionsTabPage(2), LibOptionsPage::Torpedoes);
    EXPECT_EQ(LibOptionsTabPage(3), LibOptionsPage::Phasers);
    EXPECT_EQ(LibOptionsTabPage(0), LibOptionsPage::Shields);

    LibOptionsActivate(tg.game);
    EXPECT_FALSE(s.LibOptionsDialog.WarningVisible);
    tg.game.options.lblConfigName = "General";
    LibOptionsActivate(tg.game);
    EXPECT_TRUE(s.LibOptionsDialog.WarningVisible);
}

TEST_F(LibOptionsDialogTest, TheSpreadCountStaysWithinOneToNineAndItsDigit) {
    struct Case {
        const char* count;
        bool up;
        const char* after;
        int cell;
    };
    const Case cases[] = {
        {"5", true, "6", 3},
        {"9", true, "9", 0},
        {"1", false, "1", 8},
        {"2", false, "1", 8},
        // A count the settings never held reads as 0.
        {"Not Used", true, "1", 8},
        {"Not Used", false, "1", 8},
    };
    for (const auto& c : cases) {
        s.LibTorSpreadZarvonis = c.count;
        c.up ? SpreadCountUp(tg.game) : SpreadCountDown(tg.game);
        EXPECT_EQ(s.LibTorSpreadZarvonis, c.after) << c.count;
        EXPECT_EQ(SpreadDigitCell(s.LibTorSpreadZarvonis), c.cell) << c.count;
    }
    // A count outside 1..9 shows no cell at all, never one beyond the strip's nine.
    for (const char* bad : {"Not Used", "0", "10", "-3", "4.5"}) EXPECT_EQ(SpreadDigitCell(bad), -1) << bad;
}

TEST_F(LibOptionsDialogTest, TheOptionsThatReachTheComputerPanel) {
    s.ComAutoShieldsBackup = kTrue;
    ChooseShieldFrequency(tg.game, 2);
    EXPECT_FALSE(s.ComAutoShieldsEnabled);
    EXPECT_FALSE(s.ComAutoShields);
    ChooseShieldFrequency(tg.game, 0);
    EXPECT_TRUE(s.ComAutoShieldsEnabled);
    EXPECT_TRUE(s.ComAutoShields);

    ChoosePhaserMode(tg.game, 1);
    EXPECT_EQ(s.ComPhaserModeCaption, "<Disable>");
    EXPECT_EQ(s.LibPhaKillOrDisable, 1);

    // The energy saver explains itself, but not while the options are being loaded.
    ChooseShieldLevel(tg.game, 3);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<LIBOPTN0002>\r\n<LIBOPTN0003>\r\n<LIBOPTN0004>"});
    s.LibComputerState[2] = -1;
    ChooseShieldLevel(tg.game, 3);
    EXPECT_EQ(tg.host.notices.size(), 1u);

    ShieldReserveChanged(tg.game, 370);
    StarbaseEnergyChanged(tg.game, 2500);
    EXPECT_EQ(s.LibShieldReserve, "370");
    EXPECT_EQ(s.LibPhaZSBEnergyFire, "2000");
}

TEST_F(LibOptionsDialogTest, CancelBringsBackWhatWasSaved) {
    s.LibTorSpreadZarvonis = "4";
    LibOptionsApply(tg.game);
    SpreadCountUp(tg.game);
    ShieldReserveChanged(tg.game, 900);
    tg.host.visible.insert(Form::frmLibOptions);
    LibOptionsCancel(tg.game);
    EXPECT_EQ(s.LibTorSpreadZarvonis, "4");
    EXPECT_EQ(s.LibShieldReserve, "100");
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmLibOptions));

    // OK saves; nothing is ever saved under "General".
    SpreadCountUp(tg.game);
    LibOptionsOK(tg.game);
    EXPECT_EQ(tg.settings.GetSetting("KestravaforWindows9x\\Configs\\Jane", "Lib", "TorSpreadZarvonis", ""), "5");
    tg.game.options.lblConfigName = "General";
    LibOptionsApply(tg.game);
    EXPECT_EQ(tg.settings.GetSetting("KestravaforWindows9x\\Configs\\General", "Lib", "TorSpreadZarvonis", "none"),
              "none");
}

}  // namespace
}  // namespace kv::test
