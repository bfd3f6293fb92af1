#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/turn/Condition.h"
#include "engine/turn/Upgrades.h"
#include "state/Reset.h"
#include "state/ShipValues.h"
#include "support/TestGame.h"

namespace kv {
namespace {

// Draws of a reset without luck: the force, the time, then for each of the 5 slots the arrival
// test of its standard grant and TechLevel - 1 chance draws.
ScriptedRandom ResetDraws(float force, float time, int techLevel, float upgradeDraw = 0.99f) {
    ScriptedRandom r{force, time};
    r.Push(static_cast<size_t>(5 * techLevel), upgradeDraw);
    return r;
}

struct ForceCase {
    int skill, length;
    float force, time;
    int zarvonis, totalTime, starbases;
};

TEST(ResetGameState, ForceTimeAndStarbasesFollowSkillAndLength) {
    const ForceCase cases[] = {
        {1, 1, 0.0f, 0.0f, 10, 19, 3},      {1, 1, 0.999f, 0.999f, 19, 38, 3}, {2, 1, 0.0f, 0.0f, 15, 23, 3},
        {2, 1, 0.999f, 0.0f, 24, 32, 3},    {3, 2, 0.5f, 0.5f, 27, 39, 3},     {4, 3, 0.0f, 0.0f, 37, 43, 2},
        {6, 1, 0.0f, 0.0f, 19, 23, 2},      {7, 1, 0.0f, 0.0f, 16, 19, 1},     {9, 3, 0.999f, 0.0f, 47, 48, 1},
        {10, 3, 0.999f, 0.999f, 52, 62, 0}, {20, 1, 0.7f, 0.7f, 44, 100, -3},  {20, 2, 0.0f, 0.0f, 54, 200, -3},
        {20, 3, 0.5f, 0.5f, 64, 300, -3},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng = ResetDraws(c.force, c.time, 3);
        test::TestGame tg(rng);
        auto& s = tg.game.st;
        s.SkillLevel = static_cast<Integer>(c.skill);
        s.GameLength = static_cast<Integer>(c.length);
        s.TechLevel = 3;
        ResetGameState(tg.game);
        SCOPED_TRACE("skill " + std::to_string(c.skill) + " length " + std::to_string(c.length));
        EXPECT_EQ(s.InitialZarvonis, c.zarvonis);
        EXPECT_EQ(s.ZarvonisLeft, c.zarvonis);
        EXPECT_EQ(s.TotalTime, c.totalTime);
        EXPECT_EQ(s.TimeLeft, c.totalTime);
        EXPECT_EQ(s.StarbaseCount, c.starbases);
        EXPECT_EQ(s.RepairRate, c.skill * 5 + 45);
        EXPECT_EQ(s.ZarvoniBaseStrength, c.skill * 5000);
        EXPECT_EQ(rng.Remaining(), 0u);
    }
}

TEST(ResetGameState, ForceNeverExceeds64) {
    ScriptedRandom rng = ResetDraws(0.999f, 0.0f, 3);
    test::TestGame tg(rng);
    tg.game.st.SkillLevel = 10;
    tg.game.st.GameLength = 5;  // beyond the menu's range: the cap still holds
    ResetGameState(tg.game);
    EXPECT_EQ(tg.game.st.InitialZarvonis, 64);
}

TEST(ResetGameState, EmptiesTheGameAndFillsTheStores) {
    ScriptedRandom rng = ResetDraws(0.0f, 0.0f, 3);
    test::TestGame tg(rng);
    auto& s = tg.game.st;
    s.Galaxy[3][4] = 213;
    s.KnownGalaxy[1][1] = 5;
    s.SystemDamage[kShortRangeSensors] = 7.5f;
    s.ZarvoniBase[5] = 1234;
    s.RetrofitButtonTag[2] = "4";
    s.StarSystem(2, 3, 1).SetName("Old");
    s.MorvCountdown = 7;
    s.ScoreEligible = false;
    s.CloakedEnergy[1] = 321;  // left for the quadrant set-up to rewrite
    s.CloakedShips[1][1] = 4;
    s.SpareGrid[8][8] = 9;
    s.LibComputerState[3] = 2;
    s.StarbaseFlags[3] = kTrue;
    s.ZarvoniFlags[10] = kTrue;
    s.CloakedPerQuadrant[7][7] = 2;
    s.ScoreCounterB = 6;  // not among the counters a reset clears
    s.ZarvoniBaseKnown = kTrue;
    s.MissionType = 2;
    s.SkillLevel = 3;
    s.GameLength = 1;
    ResetGameState(tg.game);

    EXPECT_EQ(s.Galaxy[3][4], 0);
    EXPECT_EQ(s.KnownGalaxy[1][1], 0);
    EXPECT_EQ(s.SystemDamage[kShortRangeSensors], 0.0f);
    EXPECT_EQ(s.ZarvoniBase[5], 0);
    EXPECT_EQ(s.RetrofitButtonTag[2], "");
    EXPECT_FALSE(s.StarSystem(2, 3, 1).InUse());
    EXPECT_EQ(s.MorvCountdown, 0);
    EXPECT_TRUE(s.ScoreEligible);
    EXPECT_EQ(s.CloakedEnergy[1], 321);
    EXPECT_EQ(s.CloakedShips[1][1], 4);
    EXPECT_EQ(s.SpareGrid[8][8], 0);
    EXPECT_EQ(s.LibComputerState[3], 0);
    EXPECT_EQ(s.StarbaseFlags[3], 0);
    EXPECT_EQ(s.ZarvoniFlags[10], 0);
    EXPECT_EQ(s.CloakedPerQuadrant[7][7], 0);
    EXPECT_EQ(s.ScoreCounterB, 6);
    EXPECT_EQ(s.ZarvoniBaseKnown, kTrue);
    EXPECT_EQ(s.QuadrantChanged, kTrue);
    EXPECT_EQ(s.WarpFactor, 10.0f);
    EXPECT_EQ(s.MorvTimerScale, 5.0f);
    EXPECT_EQ(s.CaptainName, "<Captain>");
    EXPECT_EQ(s.MissionMarker, 2);

    // Every slot at the standard level: the standard capacities, full stores.
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(s.UpgradeTable[slot], 1) << slot;
    EXPECT_EQ(s.MaxEnergy, 5000);
    EXPECT_EQ(s.MaxShields, 2000);
    EXPECT_EQ(s.ShieldFactor, 1.0f);
    EXPECT_EQ(s.TorpedoClass2Power, 1);
    EXPECT_EQ(s.MaxTorpedoesClass1, 30);
    EXPECT_EQ(s.MaxTorpedoesClass2, 0);
    EXPECT_EQ(s.LRSRange, 1);
    EXPECT_EQ(s.ShipEnergy, 3000);
    EXPECT_EQ(s.ShieldLevel, 2000);
    EXPECT_EQ(s.TorpedoStockClass1, 30);
    EXPECT_EQ(s.Probes, 10);
    EXPECT_EQ(s.ConditionIndex, kGreen);
    EXPECT_EQ(s.ConditionText, s.ConditionNames[2]);
    EXPECT_EQ(s.Docked, 0);
}

TEST(ResetGameState, UpgradeDrawsFollowTheChanceTable) {
    // TechLevel 1: no chance draws, only each standard grant's arrival test.
    {
        ScriptedRandom rng{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
        test::TestGame tg(rng);
        tg.game.st.TechLevel = 1;
        ResetGameState(tg.game);
        for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(tg.game.st.UpgradeTable[slot], 1);
        EXPECT_EQ(rng.Remaining(), 0u);
    }
    // UpgradeAllFlag: TechLevel grants per slot; a draw is still made for each chance.
    {
        ConstantRandom rng(0.5f);
        test::TestGame tg(rng);
        tg.game.st.TechLevel = 3;
        tg.game.st.UpgradeAllFlag = true;
        tg.game.st.UpgradesOn = kTrue;
        ResetGameState(tg.game);
        for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(tg.game.st.UpgradeTable[slot], 3);
        EXPECT_EQ(tg.game.st.MaxEnergy, 15000);
        EXPECT_NEAR(tg.game.st.ShieldFactor, 0.64f, 1e-6);
        EXPECT_EQ(tg.game.st.MaxTorpedoesClass2, 20);
        EXPECT_EQ(tg.game.st.MaxTorpedoesClass1, 70);
        EXPECT_EQ(tg.game.st.LRSRange, 3);
    }
    // The chance falls as 1/n: slot 2 (33%) wins its first draw at 0.32 but not its second
    // (16.5%) at 0.2; slot 1 (15%) loses at 0.2. Every granted level ends with an arrival-test
    // draw (0.5 here, far from drawing the Morv in).
    {
        ScriptedRandom rng{0.5f,           0.5f,
                           /*slot1*/ 0.5f, 0.2f,  0.2f,
                           /*slot2*/ 0.5f, 0.32f, 0.5f, 0.2f,
                           /*slot3*/ 0.5f, 0.9f,  0.9f,
                           /*slot4*/ 0.5f, 0.9f,  0.9f,
                           /*slot5*/ 0.5f, 0.1f,  0.5f, 0.05f, 0.5f};
        test::TestGame tg(rng);
        tg.game.st.TechLevel = 3;
        tg.game.st.UpgradesOn = kTrue;
        ResetGameState(tg.game);
        const auto& L = tg.game.st.UpgradeTable;
        EXPECT_EQ(L[1], 1);
        EXPECT_EQ(L[2], 2);
        EXPECT_EQ(L[3], 1);
        EXPECT_EQ(L[4], 1);
        EXPECT_EQ(L[5], 3);
        EXPECT_EQ(tg.game.st.MaxShields, 2000);
        EXPECT_NEAR(tg.game.st.ShieldFactor, 0.8f, 1e-6);
        EXPECT_EQ(rng.Remaining(), 0u);
    }
}

TEST(ResetGameState, ALoadsResetGrantsWithoutArrivalTestsOrNotices) {
    // The force, the time and two chance draws per slot: no arrival test after a grant.
    ScriptedRandom rng{0.0f, 0.0f};
    rng.Push(10, 0.5f);
    test::TestGame tg(rng);
    auto& s = tg.game.st;
    s.TechLevel = 3;
    s.UpgradeAllFlag = true;
    s.UpgradesOn = kFalse;  // StartUpgrade would tell the player at every further grant
    ResetGameState(tg.game, GrantUpgradeLevel);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_TRUE(tg.host.notices.empty());
    EXPECT_EQ(s.MorvCountdown, 0);
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(s.UpgradeTable[slot], 3) << slot;
    EXPECT_EQ(s.MaxEnergy, 15000);
    EXPECT_EQ(s.ShipEnergy, 15000 - 2000);
}

TEST(SetCondition, OutOfRangeBecomesGreen) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    auto& s = tg.game.st;
    s.ConditionNames = {"YELLOW", "DOCKED", "GREEN", "*RED*"};
    for (long i : {0L, 1L, 2L, 3L}) {
        SetCondition(tg.game, i);
        EXPECT_EQ(s.ConditionIndex, i);
        EXPECT_EQ(s.ConditionText, s.ConditionNames[i]);
    }
    for (long bad : {7L, -1L, 4L}) {
        SetCondition(tg.game, bad);
        EXPECT_EQ(s.ConditionIndex, 2);
        EXPECT_EQ(s.ConditionText, "GREEN");
    }
}

class LoadArrayConstsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kestrava-consts-XXXXXX";
        dir = ::mkdtemp(tmpl);
        dir += "/";
        tg.game.st.AppPath = dir;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    ConstantRandom rng{0.5f};
    test::TestGame tg{rng};
    std::string dir;
};

TEST_F(LoadArrayConstsTest, FillsTablesFromTheLanguageAndAliensFile) {
    std::ofstream(dir + "ALIENS.TXT", std::ios::binary) << "Vorthane\r\nQuillex\r\n\xC9lan\r\n";
    LoadArrayConsts(tg.game);
    const auto& s = tg.game.st;
    EXPECT_EQ(s.SystemNames[kWarpEngines], "<KVMAIN0021>");
    EXPECT_EQ(s.SystemNames[kComputer], "<KVMAIN0028>");
    EXPECT_EQ(s.SSTexts9[7], "<KVMAIN0036>");
    EXPECT_EQ(s.SSTexts9[8], "");
    EXPECT_EQ(s.SSTextPairs[0][0], "<KVMAIN0037>");
    EXPECT_EQ(s.SSTextPairs[14][1], "<KVMAIN0066>");
    EXPECT_EQ(s.ConditionNames[3], "<KVGAME0089>");
    EXPECT_EQ(s.UpgradeInitials[4], "<UpgInitials5>");
    EXPECT_EQ(s.ColorTable[2], 255 + 256 * 128);
    EXPECT_EQ(s.ColorTable[4], 160 * 256);
    EXPECT_EQ(s.RomanNumerals[12], "XII");
    EXPECT_EQ(s.SSCountTable[11], 12);
    EXPECT_EQ(s.AlienNames[0], "");
    EXPECT_EQ(s.AlienNames[1], "Vorthane");
    EXPECT_EQ(s.AlienNames[3], "\u00C9lan");
    EXPECT_EQ(s.AlienNames[4], "");
    EXPECT_TRUE(tg.host.errors.empty());
}

TEST_F(LoadArrayConstsTest, LongAliensFileKeeps255AndMissingFileIsReported) {
    {
        std::ofstream out(dir + "aliens.txt");
        for (int i = 1; i <= 300; ++i) out << "Name" << i << "\n";
    }
    LoadArrayConsts(tg.game);
    EXPECT_EQ(tg.game.st.AlienNames[255], "Name255");
    std::filesystem::remove(dir + "aliens.txt");
    tg.host.ExpectErrors(1);
    LoadArrayConsts(tg.game);
    EXPECT_EQ(tg.game.st.AlienNames[1], "");
    ASSERT_EQ(tg.host.errors.size(), 1u);
    EXPECT_NE(tg.host.errors[0].find("KVMAIN : LoadArrayConsts"), std::string::npos);
}

}  // namespace
}  // namespace kv
