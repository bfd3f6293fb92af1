#include "screens/main/OptionsDialog.h"

#include <gtest/gtest.h>

#include "state/Options.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

struct OptionsDialogTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TestGame tg{rng};
    Game& g = tg.game;
    OptionSettings& o = tg.game.options;
    OptionsDialogData& d = tg.game.screens.options;
};

TEST(OptionsArithmetic, CustomWidthBecomesTheNextDivisorOfTwelve) {
    const struct {
        const char* text;
        int width;
    } cases[] = {{"5", 6}, {"7", 12},  {"11", 12}, {"3", 3},   {"4", 4},  {"0", 1},
                 {"", 1},  {"abc", 1}, {"-4", 1},  {"13", 12}, {"2.6", 3}};
    for (const auto& c : cases) EXPECT_EQ(CustomWidth(c.text), c.width) << c.text;
}

TEST(OptionsArithmetic, SpinnersStepThroughTheirSequences) {
    std::vector<int> down, up;
    std::string w = "12";
    for (int i = 0; i < 6; ++i) down.push_back(CustomWidthStep(w, -1)), w = std::to_string(down.back());
    w = "1";
    for (int i = 0; i < 6; ++i) up.push_back(CustomWidthStep(w, +1)), w = std::to_string(up.back());
    EXPECT_EQ(down, (std::vector<int>{6, 4, 3, 2, 1, 1}));
    EXPECT_EQ(up, (std::vector<int>{2, 3, 4, 6, 12, 12}));

    std::vector<int> sizes;
    double size = 8;
    for (int i = 0; i < 12; ++i) sizes.push_back(FontSizeStep(size, +1)), size = sizes.back();
    // Up from 10 the two steps meet at 12 (11 is reached only on the way down).
    EXPECT_EQ(sizes, (std::vector<int>{9, 10, 12, 14, 16, 18, 20, 22, 24, 24, 24, 24}));
    sizes.clear();
    for (int i = 0; i < 12; ++i) sizes.push_back(FontSizeStep(size, -1)), size = sizes.back();
    EXPECT_EQ(sizes, (std::vector<int>{22, 20, 18, 16, 14, 12, 11, 10, 9, 8, 8, 8}));
    EXPECT_EQ(FontSizeStep(11, +1), 13);
    EXPECT_EQ(FontSizeStep(9.75, +1), 10);  // the whole part counts
}

TEST_F(OptionsDialogTest, ApplyCarriesTheControlsIntoTheGame) {
    o.optLong = false, o.optCustom = true, o.txtCustom = "7";
    o.chkMessage[3] = 0;
    o.chkSuppress = 1;
    o.chkSound = 0;
    o.optSRSPic = 2;
    o.chkLarge = 1, o.chkCoord = 1;
    o.chkGeneral = 0;
    ApplySettings(g);
    EXPECT_TRUE(o.optLong);  // 7 became 12: one row
    EXPECT_EQ(o.CommandBarColumns, 12);
    EXPECT_EQ(o.txtCustom, "12");
    EXPECT_EQ(g.MessageSuppressed[3], kTrue);
    EXPECT_EQ(g.MessageSuppressed[4], kFalse);
    EXPECT_FALSE(g.UseQuietDialogs);
    EXPECT_EQ(tg.st.SoundOn, 0);
    EXPECT_EQ(tg.st.SRSPicQual, 2);
    EXPECT_EQ(tg.st.SRSDrawOption, 3);
    EXPECT_TRUE(tg.host.Saw("hide:frmGeneralReport"));
    EXPECT_TRUE(tg.host.Saw("show:frmDamageReport"));
    EXPECT_TRUE(tg.host.Saw("refresh:CommandBar"));

    o.optTall = false, o.optLong = false, o.optCustom = true, o.txtCustom = "3";
    ApplySettings(g);
    EXPECT_TRUE(o.optTall);

    // While the main menu shows, the report windows are left as they are.
    tg.host.visible = {Form::frmMenu};
    tg.host.events.clear();
    ApplySettings(g);
    EXPECT_TRUE(tg.host.Events("hide:frmGeneralReport").empty());
    EXPECT_TRUE(tg.host.Events("show:frmDamageReport").empty());
}

// Only the qualities that have an option button and an icon set reach the scan; with none
// chosen (4) the scan keeps the quality it has, as a settings file naming one does.
TEST_F(OptionsDialogTest, OnlyAPictureQualityOfTheFourReachesTheScan) {
    const struct {
        Integer chosen, quality;
    } cases[] = {{0, 0}, {3, 3}, {kPictureQualities, 3}, {-1, 3}, {9, 3}, {1, 1}};
    for (const auto& c : cases) {
        o.optSRSPic = c.chosen;
        ApplySettings(g);
        EXPECT_EQ(tg.st.SRSPicQual, c.quality) << c.chosen;
    }
}

TEST_F(OptionsDialogTest, ClearingTheKeepTechnologyBoxClearsItAtOnce) {
    o.chkKeepTech = 1;
    ApplySettings(g);
    EXPECT_EQ(tg.st.KeepTech, kTrue);
    o.chkKeepTech = 0;
    ApplySettings(g);
    EXPECT_EQ(tg.st.KeepTech, kFalse);
}

TEST_F(OptionsDialogTest, CancelReturnsToTheActivationStateButKeepsTheLibraryOptions) {
    tg.st.ConfigName = "Ann";
    o.chkNameConfig = 1;
    OptionsLoad(g);
    OptionsActivate(g);
    EXPECT_EQ(o.lblConfigName, "Ann");
    EXPECT_NE(tg.settings.GetSetting(kConfigsApp, "Temp", "Sound", kNotUsed), kNotUsed);

    o.lblPreviewSize = 14;
    o.chkMessage[5] = 0;
    ApplySettings(g);
    EXPECT_EQ(g.MessageSuppressed[5], kTrue);
    o.lblPreviewSize = 16;
    tg.st.LibTorZarvonis = 2;  // changed in the library options meanwhile
    tg.st.GameRunning = kTrue;
    OptionsCancel(g);
    EXPECT_EQ(o.lblPreviewSize, 10.0f);  // as on activation, not as on Apply
    EXPECT_EQ(o.chkMessage[5], 1);
    EXPECT_EQ(g.MessageSuppressed[5], kFalse);
    EXPECT_EQ(tg.st.LibTorZarvonis, 2);
    EXPECT_TRUE(tg.host.Saw("hide:frmOptions"));
    EXPECT_TRUE(tg.host.Saw("show:frmGeneralReport"));  // the reports follow their boxes again
}

TEST_F(OptionsDialogTest, OkStoresTheSettingsSoTheyOutlastTheProgram) {
    OptionsActivate(g);
    o.lblPreviewSize = 12;
    o.chkBold = 1;
    o.chkKeepTech = 1;
    o.lblBackColor = 0x203040;
    OptionsOK(g);
    EXPECT_TRUE(tg.host.Saw("hide:frmOptions"));

    // The next start of the program reads them from the same store.
    ConstantRandom rng2(0.5f);
    RecordingHost host2;
    Game next(rng2, tg.settings, host2, tg.scratch.Folders());
    LoadSettings(next, "General", true);
    EXPECT_EQ(next.options.lblPreviewSize, 12.0f);
    EXPECT_EQ(next.options.chkBold, 1);
    EXPECT_EQ(next.options.lblBackColor, 0x203040);
    EXPECT_EQ(next.st.KeepTech, kTrue);
}

TEST_F(OptionsDialogTest, TheAllButtonAndItsCaptionAgree) {
    OptionsAllClick(g);  // every box is checked at first: it clears them
    EXPECT_EQ(d.cmdAllCaption, "<OPTIONS0005>");
    for (Integer v : o.chkMessage) EXPECT_EQ(v, 0);
    for (int i = 0; i < 16; ++i) OptionsMessageClick(g, i, 1);
    EXPECT_EQ(d.cmdAllCaption, "<OPTIONS0003>");
    OptionsMessageClick(g, 16, 1);
    EXPECT_EQ(d.cmdAllCaption, "<OPTIONS0002>");
    // With every box checked, the button clears them, as its caption says.
    OptionsAllClick(g);
    for (Integer v : o.chkMessage) EXPECT_EQ(v, 0);
    OptionsAllClick(g);
    EXPECT_EQ(d.cmdAllCaption, "<OPTIONS0006>");
    for (Integer v : o.chkMessage) EXPECT_EQ(v, 1);
}

TEST_F(OptionsDialogTest, ConfigurationByName) {
    tg.st.ConfigName = "Ann";
    OptionsNameConfigClick(g, 1, false);  // the dialog not showing: only the box changes
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_EQ(o.chkNameConfig, 1);
    tg.st.ConfigName = "General";
    OptionsNameConfigClick(g, 1, true);
    EXPECT_TRUE(tg.host.questions.empty());

    tg.st.ConfigName = "Ann";
    tg.host.answers = {kNo, kYes};
    OptionsNameConfigClick(g, 1, true);
    EXPECT_EQ(tg.host.questions.back(), "<OPTIONS0004>");
    EXPECT_EQ(o.lblConfigName, "Ann");
    EXPECT_EQ(tg.settings.GetSetting(kConfigsApp, "General", "ConfigByName", kNotUsed), kNotUsed);
    OptionsNameConfigClick(g, 0, true);
    EXPECT_EQ(o.lblConfigName, "General");
    EXPECT_EQ(tg.settings.GetSetting(kConfigsApp, "General", "ConfigByName", kNotUsed), "False");
}

TEST_F(OptionsDialogTest, TheDescriptionButtonFollowsThePicture) {
    const std::string picture = tg.scratch.Write("pics/nebula.png", "not a picture");
    OptionsPictureChosen(g, picture);
    EXPECT_EQ(o.lblPictureFile, "nebula.png");
    EXPECT_EQ(tg.st.BackgroundPicture, picture);
    EXPECT_FALSE(d.cmdInfoEnabled);
    tg.scratch.Write("pics/nebula.NFO", "Line one\r\nLine two\r\n");
    UpdateInfoButton(g);
    EXPECT_TRUE(d.cmdInfoEnabled);
    OptionsInfoClick(g);
    EXPECT_EQ(tg.host.notices.back(), "Line one\r\nLine two\r\n");

    // A picture that cannot be shown is reported when the background is applied.
    o.optNone = false, o.optPicture = true;
    tg.host.pictureReadable = false;
    ApplySettings(g);
    EXPECT_EQ(tg.host.notices.back(), "<OPTIONS0001>" + picture);
}

}  // namespace
}  // namespace kv::test
