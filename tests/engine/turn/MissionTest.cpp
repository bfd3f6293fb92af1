#include "engine/turn/Mission.h"

#include <gtest/gtest.h>

#include "state/ScreenData.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

TEST(MissionTest, TechnologyLevelAcrossGames) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    GameState& s = tg.st;
    // Upgrades off at level 5, kept: level 1, and level 5 comes back with upgrades on.
    s.TechLevel = 5;
    s.KeepTech = kTrue;
    s.UpgradesOn = kFalse;
    SettleTechLevel(s, tg.game.screens.menu.SavedTechLevel);
    EXPECT_EQ(s.TechLevel, 1);
    EXPECT_EQ(tg.game.screens.menu.SavedTechLevel, 5);
    s.UpgradesOn = kTrue;
    SettleTechLevel(s, tg.game.screens.menu.SavedTechLevel);
    EXPECT_EQ(s.TechLevel, 5);
    EXPECT_EQ(tg.game.screens.menu.SavedTechLevel, 0);
    // Without KeepTech every game starts at level 3.
    s.KeepTech = kFalse;
    s.TechLevel = 7;
    SettleTechLevel(s, tg.game.screens.menu.SavedTechLevel);
    EXPECT_EQ(s.TechLevel, 3);
}

TEST(MissionTest, MissionAdjustments) {
    ScriptedRandom rng{0.5f};
    TestGame tg(rng);
    GameState& s = tg.st;
    // Type 2: the goal is at least 1, the time follows it (one draw).
    s.MissionType = 2;
    s.SpecialSystems = 2;
    s.SkillLevel = 2;
    AdjustMission(tg.game);
    EXPECT_EQ(s.MissionGoal, 1);
    EXPECT_FLOAT_EQ(s.TotalTime, 4 + 1.2f + 1);
    EXPECT_EQ(s.TimeLeft, s.TotalTime);
    EXPECT_EQ(s.GoalBySystems, 1);
    EXPECT_EQ(rng.Remaining(), 0u);

    // Type 1: the time is scaled to the hostiles there are.
    s.MissionType = 1;
    s.TotalTime = 40;
    s.InitialZarvonis = 20;
    s.ZarvonisCounted = 15;
    AdjustMission(tg.game);
    EXPECT_FLOAT_EQ(s.TotalTime, 30);
    EXPECT_EQ(s.InitialZarvonis, 15);
    EXPECT_EQ(s.ZarvonisLeft, 15);
    // With none drawn the time stays.
    s.InitialZarvonis = 0;
    AdjustMission(tg.game);
    EXPECT_FLOAT_EQ(s.TotalTime, 30);
}

}  // namespace
}  // namespace kv::test
