#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "engine/turn/Refresh.h"
#include "platform/Codepage.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "state/Startup.h"
#include "state/TempSaves.h"
#include "support/SaveTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

const StartupTurnSteps kTurn{ReturnFromMenu, RefreshAll};

// A program folder with the files start-up reads: the alien names, the intro and version
// sounds, an intro picture and two planet pictures.
struct StartGame : test::TestGame {
    explicit StartGame(Random& r) : TestGame(r) {
        scratch.Write("program/aliens.txt", "Vrask\r\nOolan\r\n");
        for (const char* f : {"SOUNDS/SPACE.WAV", "SOUNDS/VERSION.WAV", "PICTURES/INTRO.png", "PICTURES/PLANET03.png",
                              "PICTURES/planet14.jpg"})
            scratch.Write(std::string("program/") + f, "x");
        host.modal[Form::frmMenu] = [] { return kCancel; };
    }
    // True when the events occur in this order (others may stand between them).
    bool InOrder(const std::vector<std::string>& wanted) const {
        size_t i = 0;
        for (const std::string& e : host.events)
            if (i < wanted.size() && e == wanted[i]) ++i;
        return i == wanted.size();
    }
};

TEST(Main, RunsTheStartInOrderAndOpensTheMenu) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    const std::string program = t.scratch.Program();
    Main(t.game, "", kTurn);
    EXPECT_TRUE(t.InOrder({"load:frmShowMessage",
                           "load:frmFile",
                           "load:frmOptions",
                           "centermouse",
                           "bgcolor:0",
                           "bgpicture:" + program + "PICTURES/INTRO.png",
                           "show:frmBackground",
                           "front:frmBackground",
                           "sound:" + program + "SOUNDS/SPACE.WAV",
                           "hide:frmInfo",
                           "applylanguage",
                           "sound:" + program + "SOUNDS/VERSION.WAV",
                           "load:frmOutput",
                           "load:frmBackground",
                           "load:frmShip",
                           "load:frmStars",
                           "load:frmLanguage",
                           "hide:frmLanguage",
                           "hidebg",
                           "bgcolor:8421376",
                           "show:frmSRS",
                           "show:frmOutput",
                           "show:frmStatus",
                           "show:frmGalaxy",
                           "show:frmBars",
                           "show:frmInfo",
                           "show:frmCOM",
                           "refresh:Background",
                           "note:<KVMAIN0080>",
                           "planet:1:",
                           "planet:3:" + program + "PICTURES/PLANET03.png",
                           "planet:14:" + program + "PICTURES/planet14.jpg",
                           "hidenote",
                           "show:frmMinimize",
                           "show:frmCommands",
                           "modal:frmMenu",
                           "pointer:11",
                           "hide:frmBackground",  // the windows come back as the menu found them
                           "hide:frmOutput",
                           "pointer:0"}));
    EXPECT_FALSE(t.host.Saw("hide:frmMenu"));
    // Every window is made, the three that the settings fill first.
    for (int f = 1; f <= static_cast<int>(Form::frmLanguage); ++f)
        EXPECT_TRUE(t.host.Saw(std::string("load:") + Name(static_cast<Form>(f)))) << f;
    EXPECT_EQ(t.host.Events("planet:").size(), 14u);
    EXPECT_EQ(t.st.SpeedFactor, 1.0f);
    EXPECT_EQ(t.st.UpgradesOn, 1);
    EXPECT_EQ(t.st.SkillLevel, 1);
    EXPECT_EQ(t.st.TechLevel, 3);
    EXPECT_EQ(t.st.AlienNames[1], "Vrask");  // the constant tables are filled
    EXPECT_TRUE(t.host.errors.empty());
}

TEST(Main, SwitchesLeaveOutTheIntroTheSplashAndThePlanetCache) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    Main(t.game, "/nopic /Cache1 /FAST /slow", kTurn);
    for (const char* kind : {"centermouse", "bgpicture:", "sound:", "version:", "planet:", "note:"})
        EXPECT_TRUE(t.host.Events(kind).empty()) << kind;
    EXPECT_EQ(t.st.SpeedFactor, 2.0f);
    EXPECT_TRUE(t.game.switches.NoPlanetCache);
    EXPECT_TRUE(t.InOrder({"hidebg", "show:frmSRS", "show:frmMinimize", "show:frmCommands", "modal:frmMenu"}));
}

TEST(ShowVersionSplash, FadesInOverTwentyOneStepsInTheSameTimeWhateverTheSpeed) {
    for (Single speed : {0.5f, 1.0f, 2.0f}) {
        ConstantRandom rng(0.5f);
        StartGame t(rng);
        t.st.SpeedFactor = speed;
        t.st.WaveDevicePresent = 1;
        ShowVersionSplash(t.game, 1.3f);
        std::vector<std::string> expected;
        for (long c = 0, d = 3; c <= 255; c += d, ++d) expected.push_back("version:v1.3:" + std::to_string(c << 16));
        expected.push_back("version:v1.3:" + std::to_string(255L << 16));
        EXPECT_EQ(expected.size(), 22u);
        EXPECT_EQ(t.host.Events("version:"), expected);
        EXPECT_EQ(t.host.Events("sound:").size(), 1u);
        EXPECT_NEAR(t.host.waited, 0.1 * 1.14 + 21 * (1.0 / 255) * 1.14 + 2.0, 1e-4) << speed;
        EXPECT_EQ(t.st.SpeedFactor, speed);
    }
}

TEST(SplashTextPlace, KeepsTheScreensMarginRightAndTwoFifteenthsOfItsHeightBelow) {
    struct Case {
        int w, h, x, y;
    } cases[] = {
        {640, 480, 640 - 40, 480 - 20 - 64},          // no margin on a small screen
        {1024, 768, 1024 - 40 - 60, 768 - 20 - 102},  // 900 twips
        {1600, 1200, 1600 - 40 - 100, 1200 - 20 - 160},
    };
    for (const Case& c : cases) {
        const SplashPlace at = SplashTextPlace(c.w, c.h, 40, 20);
        EXPECT_EQ(at.x, c.x) << c.w;
        EXPECT_EQ(at.y, c.y) << c.w;
    }
}

TEST(Main, LoadsTheSavedGameOnTheCommandLineAndShowsItsReports) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    {
        StartGame source(rng);
        savetest::FillKnownState(source.st);
        ASSERT_TRUE(SaveGame(source.game, t.scratch.Saves() + "My Voyage", {"Captain's log"}));
    }
    t.host.modal.clear();  // the menu must not open
    Main(t.game, "/nopic \"" + t.scratch.Saves() + "My Voyage.KVW\"", kTurn);
    EXPECT_EQ(t.st.GameFileName, t.scratch.Saves() + "My Voyage.KVW");
    EXPECT_EQ(t.st.GameRunning, kTrue);
    EXPECT_FALSE(t.host.Saw("modal:frmMenu"));
    EXPECT_TRUE(t.InOrder({"show:frmCommands", "show:frmGeneralReport", "show:frmZarvoniReport", "show:frmBaseReport",
                           "show:frmDamageReport"}));
    EXPECT_EQ(t.host.output, (std::vector<std::string>{"Captain's log", "<KVMAIN0074>"}));
}

TEST(Main, ALoadedGameTakesItsPlayersConfigurationWhenConfigurationsGoByName) {
    for (bool byName : {true, false}) {
        SCOPED_TRACE(byName);
        ConstantRandom rng(0.5f);
        StartGame t(rng);
        {
            StartGame source(rng);
            savetest::FillKnownState(source.st);  // the game of "Jane Doe"
            ASSERT_TRUE(SaveGame(source.game, t.scratch.Saves() + "Voyage", {}));
        }
        for (const auto& [config, quality] : {std::pair{"General", "1"}, std::pair{"Jane Doe", "2"}}) {
            t.settings.SaveSetting(kConfigsApp, config, "Sound", "False");
            t.settings.SaveSetting(kConfigsApp, config, "SRSPicQual", quality);
        }
        t.settings.SaveSetting(kConfigsApp, "General", "ConfigByName", byName ? "True" : "False");
        t.host.modal.clear();
        Main(t.game, "/nopic \"" + t.scratch.Saves() + "Voyage.KVW\"", kTurn);
        ASSERT_EQ(t.st.GameRunning, kTrue);
        EXPECT_EQ(t.game.options.lblConfigName, byName ? "Jane Doe" : "General");
        EXPECT_EQ(t.st.SRSPicQual, byName ? 2 : 1);
    }
}

TEST(Main, AFailedLoadOpensTheMenu) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    Main(t.game, "/NOPIC " + t.scratch.Saves() + "missing.KVW", kTurn);
    EXPECT_EQ(t.st.GameRunning, kFalse);
    EXPECT_EQ(t.st.UpgradesOn, 1);
    EXPECT_TRUE(t.host.Saw("modal:frmMenu"));
}

TEST(Main, DropsTheCopyOfEachRestoredTemporarySaveAndKeepsTheOthers) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    t.settings.SaveSetting(kAppName, "Names", "Number", "2");
    t.settings.SaveSetting(kAppName, "Names", "Name1", "Jo");
    t.settings.SaveSetting(kAppName, "Names", "Name2", "Al");
    for (const char* config : {"Jo", "Al"}) {
        t.settings.SaveSetting(kTempSavesApp, config, "KVWLines", "1");
        t.settings.SaveSetting(kTempSavesApp, config, "KVW1", "x");
        t.settings.SaveSetting(kTempSavesApp, config, "LOGLines", "0");
    }
    std::filesystem::create_directories(t.scratch.Saves() + "Al Temp.KVW");  // Al's copy cannot be written
    Main(t.game, "/nopic", kTurn);
    EXPECT_TRUE(std::filesystem::exists(t.scratch.Saves() + "Jo Temp.KVW"));
    EXPECT_TRUE(t.settings.GetAllSettings(kTempSavesApp, "Jo").empty());
    EXPECT_FALSE(t.settings.GetAllSettings(kTempSavesApp, "Al").empty());
}

TEST(Main, FinishesWhatEndedSavesLeftBeforeTheTemporarySavesComeBack) {
    ConstantRandom rng(0.5f);
    StartGame t(rng);
    // An ended save of "Jo Temp" left its new log beside the game it wrote; the copy in the
    // settings store is written over the finished pair. Another left both new files.
    t.scratch.Write("saves/Jo Temp.LOG.tmp", "ended\r\n");
    t.scratch.Write("saves/old game.KVW.tmp", "x");
    t.scratch.Write("saves/old game.LOG.tmp", "x");
    t.settings.SaveSetting(kAppName, "Names", "Number", "1");
    t.settings.SaveSetting(kAppName, "Names", "Name1", "Jo");
    t.settings.SaveSetting(kTempSavesApp, "Jo", "KVWLines", "1");
    t.settings.SaveSetting(kTempSavesApp, "Jo", "KVW1", "x");
    t.settings.SaveSetting(kTempSavesApp, "Jo", "LOGLines", "1");
    t.settings.SaveSetting(kTempSavesApp, "Jo", "LOG1", Cp1252ToUtf8(FlipSavedBytes("copied")));
    ForgetFileStamps();
    Main(t.game, "/nopic", kTurn);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(t.scratch.Saves())) left.push_back(e.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Jo Temp.KVW", "Jo Temp.LOG"}));
    EXPECT_EQ(savetest::ReadAll(t.scratch.Saves() + "Jo Temp.LOG"), "copied\r\n");
}

}  // namespace
}  // namespace kv
