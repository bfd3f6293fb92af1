#include <gtest/gtest.h>

#include "state/LibraryOptions.h"
#include "state/Options.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

const char* const kApp = "KestravaforWindows9x\\Configs\\Jane";

std::string Stored(TestGame& tg, const char* key) { return tg.settings.GetSetting(kApp, "Lib", key, "<none>"); }

void Store(TestGame& tg, std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [k, v] : values) tg.settings.SaveSetting(kApp, "Lib", k, v);
}

// Every value away from its default.
void ChangeAll(GameState& s) {
    s.LibTorZarvonis = 2;
    s.LibTorSpread = kTrue;
    s.LibTorSpreadType = 0;
    s.LibTorSpreadZarvonis = "3";
    s.LibTorZarvoniStarbase = kFalse;
    s.LibTorZSBAmount = 1;
    s.LibTorZSBFireDisabled = kFalse;
    s.LibShieldLevel = 3;
    s.LibShieldFrequency = 1;
    s.LibShieldReserve = "250";
    s.LibPhaKillOrDisable = 1;
    s.LibPhaZarvoniStarbase = kTrue;
    s.LibPhaZSBEnergyFire = "1500";
    s.ComAutoShieldsBackup = kFalse;
    s.ComAutoLRS = kFalse;
}

TEST(LibraryOptionsTest, AConfigurationWithoutOptionsTakesTheCurrentOnes) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;
    ChangeAll(s);
    LoadLibOptions(tg.game, "Jane");
    const std::pair<const char*, const char*> expected[] = {{"TorZarvonis", "3"},
                                                            {"TorSpread", "True"},
                                                            {"TorSpreadType", "1"},
                                                            {"TorSpreadZarvonis", "3"},
                                                            {"TorZarvoniStarbase", "False"},
                                                            {"TorZSBAmount", "2"},
                                                            {"TorZSBFireDisabled", "False"},
                                                            {"SheLevel", "3"},
                                                            {"SheFrequency", "2"},
                                                            {"SheEnergyReserve", "250"},
                                                            {"PhaKillOrDisable", "2"},
                                                            {"PhaZarvoniStarbase", "True"},
                                                            {"PhaZSBEnergyFire", "1500"},
                                                            {"ComAutoSHE", "False"},
                                                            {"ComAutoLRS", "False"},
                                                            {"ComAutoTC", "False"}};
    for (const auto& [k, v] : expected) EXPECT_EQ(Stored(tg, k), v) << k;
    // The options are as they were; the panel follows them.
    EXPECT_EQ(s.LibTorZarvonis, 2);
    EXPECT_EQ(s.LibShieldReserve, "250");
    EXPECT_EQ(s.LibShieldReserveBar, 250);
    EXPECT_EQ(s.LibPhaZSBEnergyBar, 1500);
    EXPECT_EQ(s.ComPhaserModeCaption, "<Disable>");
    EXPECT_FALSE(s.ComAutoShields);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_TRUE(tg.host.Saw("refresh:LibOptions"));
}

TEST(LibraryOptionsTest, SavedOptionsComeBack) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    ChangeAll(tg.st);
    SaveLibOptions(tg.game, "Jane");

    TestGame fresh(rng);
    fresh.settings = tg.settings;
    LoadLibOptions(fresh.game, "Jane");
    GameState expected = fresh.st;
    ChangeAll(expected);
    const GameState& s = fresh.st;
    EXPECT_EQ(s.LibTorZarvonis, expected.LibTorZarvonis);
    EXPECT_EQ(s.LibTorSpread, expected.LibTorSpread);
    EXPECT_EQ(s.LibTorSpreadType, expected.LibTorSpreadType);
    EXPECT_EQ(s.LibTorSpreadZarvonis, expected.LibTorSpreadZarvonis);
    EXPECT_EQ(s.LibTorZarvoniStarbase, expected.LibTorZarvoniStarbase);
    EXPECT_EQ(s.LibTorZSBAmount, expected.LibTorZSBAmount);
    EXPECT_EQ(s.LibTorZSBFireDisabled, expected.LibTorZSBFireDisabled);
    EXPECT_EQ(s.LibShieldLevel, expected.LibShieldLevel);
    EXPECT_EQ(s.LibShieldFrequency, expected.LibShieldFrequency);
    EXPECT_EQ(s.LibShieldReserve, expected.LibShieldReserve);
    EXPECT_EQ(s.LibPhaKillOrDisable, expected.LibPhaKillOrDisable);
    EXPECT_EQ(s.LibPhaZarvoniStarbase, expected.LibPhaZarvoniStarbase);
    EXPECT_EQ(s.LibPhaZSBEnergyFire, expected.LibPhaZSBEnergyFire);
    EXPECT_EQ(s.ComAutoShieldsBackup, expected.ComAutoShieldsBackup);
    EXPECT_EQ(s.ComAutoLRS, expected.ComAutoLRS);
    EXPECT_EQ(s.LibComputerState[2], 0);  // the loading guard is down again
}

TEST(LibraryOptionsTest, StoredValuesTheOptionsCannotTakeAreSkipped) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;
    // Key 1 stands, so nothing is repaired; the rest is missing or out of range.
    Store(tg, {{"TorZarvonis", "4"},
               {"TorSpread", "true"},
               {"SheLevel", "0"},
               {"SheFrequency", "1.5"},
               {"SheEnergyReserve", "5000"},
               {"ComAutoTC", "False"}});
    LoadLibOptions(tg.game, "Jane");
    EXPECT_EQ(s.LibTorZarvonis, 0);
    EXPECT_FALSE(s.LibTorSpread);
    EXPECT_EQ(s.LibShieldLevel, 2);
    EXPECT_EQ(s.LibShieldFrequency, 0);
    EXPECT_EQ(s.LibShieldReserve, "5000");
    EXPECT_EQ(s.LibShieldReserveBar, 100);  // beyond the bar: it keeps its place
    EXPECT_EQ(s.LibTorSpreadZarvonis, "Not Used");
    EXPECT_EQ(s.LibPhaZSBEnergyFire, "Not Used");
    EXPECT_EQ(s.LibPhaZSBEnergyBar, 0);  // "Not Used" reads as 0, inside the bar
    EXPECT_EQ(s.ComPhaserModeCaption, "");
    EXPECT_EQ(Stored(tg, "TorSpreadType"), "<none>");
}

TEST(LibraryOptionsTest, NoAutomaticRaisingGreysThePanelsShieldBox) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;
    Store(tg, {{"TorZarvonis", "1"}, {"SheFrequency", "3"}, {"ComAutoSHE", "True"}, {"ComAutoTC", "False"}});
    LoadLibOptions(tg.game, "Jane");
    EXPECT_EQ(s.LibShieldFrequency, 2);
    EXPECT_FALSE(s.ComAutoShieldsEnabled);
    EXPECT_FALSE(s.ComAutoShields);
    EXPECT_TRUE(s.ComAutoShieldsBackup);

    Store(tg, {{"SheFrequency", "2"}});
    LoadLibOptions(tg.game, "Jane");
    EXPECT_TRUE(s.ComAutoShieldsEnabled);
    EXPECT_TRUE(s.ComAutoShields);  // the player's choice comes back
}

TEST(LibraryOptionsTest, GeneralHasNoLibraryOptions) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    ChangeAll(tg.st);
    SaveLibOptions(tg.game, "General");
    LoadLibOptions(tg.game, "General");
    EXPECT_TRUE(tg.settings.GetAllSettings("KestravaforWindows9x\\Configs\\General", "Lib").empty());
    EXPECT_EQ(tg.st.LibTorZarvonis, 2);
}

TEST(LibraryOptionsTest, AutomaticTargetCalculatorIsStoredUnderItsConfiguration) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;

    // Under "General" nothing is stored.
    s.ComTCTag = "Manual";
    SetAutoTargetCalculator(tg.game, true);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_TRUE(tg.settings.GetAllSettings("KestravaforWindows9x\\Configs\\General", "Lib").empty());

    // Switched on by hand, switching off is refused (and the refusal stored as running).
    tg.game.options.lblConfigName = "Jane";
    s.ComTargetText = "S09";
    SetAutoTargetCalculator(tg.game, false);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(s.ComTargetText, "S09");
    EXPECT_EQ(Stored(tg, "ComAutoTC"), "True");

    // A configuration loaded with "False" does not stop it either.
    Store(tg, {{"TorZarvonis", "1"}, {"ComAutoTC", "False"}});
    LoadLibOptions(tg.game, "Jane");
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));

    // Without the mark it stops, forgets the pending target and stores "False".
    s.ComTCTag.clear();
    SetAutoTargetCalculator(tg.game, false);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_EQ(s.ComTargetText, "");
    EXPECT_EQ(Stored(tg, "ComAutoTC"), "False");

    // A missing "ComAutoTC" switches it on.
    tg.settings.DeleteSetting(kApp, "Lib", "ComAutoTC");
    LoadLibOptions(tg.game, "Jane");
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
}

TEST(LibraryOptionsTest, LoadingAConfigurationLoadsItsLibraryOptions) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    tg.settings.SaveSetting("KestravaforWindows9x\\Configs", "Jane", "Sound", "True");
    Store(tg, {{"TorZarvonis", "2"}, {"ComAutoTC", "False"}});
    LoadSettings(tg.game, "Jane", false);
    EXPECT_EQ(tg.st.LibTorZarvonis, 1);
}

}  // namespace
}  // namespace kv::test
