#include <gtest/gtest.h>

#include "engine/turn/Morv.h"
#include "support/TestGame.h"

namespace kv {
namespace {

struct MorvTest : ::testing::Test {
    ScriptedRandom rng;
    test::TestGame tg{rng};
    GameState& s = tg.game.st;
};

TEST_F(MorvTest, CountdownStart) {
    struct Case {
        int turns;
        std::vector<float> draws;
        Integer destroyed;
        Integer countdown;
        float scale;
    };
    const Case cases[] = {
        {-1, {0.0f}, 0, 5, 5.0f},
        {-1, {0.999f}, 0, 14, 5.0f},
        {3, {}, 2, 3, 4.4f},
        {-1, {0.45f}, 1, 9, 4.7f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "turns " << c.turns << " destroyed " << c.destroyed);
        s.MorvCountdownStarted = 0;
        s.MorvShipsDestroyed = c.destroyed;
        for (float d : c.draws) rng.Push(d);
        StartMorvCountdown(tg.game, c.turns);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.MorvCountdown, c.countdown);
        EXPECT_FLOAT_EQ(s.MorvTimerScale, c.scale);
        EXPECT_EQ(s.MorvTimerTag, " " + std::to_string(c.countdown));
        EXPECT_FLOAT_EQ(s.MorvTimerBar, 1.0f);
        EXPECT_TRUE(s.MorvCountdownStarted);
    }
}

TEST_F(MorvTest, ArrivalThreshold) {
    struct Case {
        const char* name;
        std::array<Integer, 5> levels;
        double tech;
        float timeLeft, timeOffset, totalTime;
        Integer mission;
        float draw;
        bool starts;
    };
    const Case cases[] = {
        {"no extra level never draws it in", {1, 1, 1, 1, 1}, 3, 100, 0, 100, 0, 0.0f, false},
        // E = 10 > Int(0.996 x 10) = 9
        {"every slot at the limit early on", {3, 3, 3, 3, 3}, 3, 100, 0, 100, 0, 0.99f, true},
        // x = 0.6: T = 6
        {"seven extra levels against six", {3, 3, 2, 2, 2}, 3, 100, 0, 100, 0, 0.0f, true},
        // x = 0.8: T = 8
        {"seven extra levels against eight", {3, 3, 2, 2, 2}, 3, 100, 0, 100, 0, 0.5f, false},
        // f = sqrt(25 / 100) = 0.5, x = 0.3: T = 3
        {"late in a timed game", {2, 2, 2, 2, 1}, 3, 25, 0, 100, 0, 0.0f, true},
        {"time given back counts", {2, 2, 2, 2, 1}, 3, 20, 5, 100, 0, 0.0f, true},
        // mission 3 has no time limit: f = 1, x = 0.6, T = 6
        {"no time limit", {2, 2, 2, 2, 1}, 3, 25, 0, 100, 3, 0.0f, false},
        {"no time left", {2, 2, 2, 2, 1}, 3, 0, 0, 100, 0, 0.0f, false},
        {"technology level 1: any extra level", {2, 1, 1, 1, 1}, 1, 100, 0, 100, 0, 0.99f, true},
        {"no total time is read as early", {2, 2, 2, 2, 1}, 3, 25, 0, 0, 0, 0.0f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.MorvCountdown = 0;
        for (int i = 0; i < 5; ++i) s.UpgradeTable[i + 1] = c.levels[i];
        s.TechLevel = c.tech;
        s.TimeLeft = c.timeLeft;
        s.TimeOffset = c.timeOffset;
        s.TotalTime = c.totalTime;
        s.MissionType = c.mission;
        rng.Push(c.draw);
        if (c.starts) rng.Push(0.0f);  // the countdown's length
        ConsiderMorvArrival(tg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.MorvCountdown, c.starts ? 5 : 0);
    }
}

TEST_F(MorvTest, NoArrivalTestWhileCountingOrPresent) {
    s.UpgradeTable = {0, 9, 9, 9, 9, 9};
    s.TechLevel = 1;
    for (Integer countdown : {4, -1}) {
        s.MorvCountdown = countdown;
        ConsiderMorvArrival(tg.game);  // no draw: the script is empty
        EXPECT_EQ(s.MorvCountdown, countdown);
    }
}

TEST_F(MorvTest, ArrivalInACornerWithItsStrength) {
    struct Case {
        float r1, r2;
        Integer destroyed;
        Integer row, col;
        Long strength;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0, 1, 1, 1000000},
        {0.5025f, 0.9f, 1, 1, 8, 1200000},
        {0.503f, 0.1f, 2, 8, 1, 1400000},
        {0.999f, 0.999f, 0, 8, 8, 1000000},
        // Far beyond any real game the strength saturates instead of wrapping.
        {0.0f, 0.0f, 30000, 1, 1, 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r1 << " " << c.r2);
        s.MorvCountdown = 0;
        s.MorvShipsDestroyed = c.destroyed;
        rng.Push(c.r1);
        rng.Push(c.r2);
        MorvMove(tg.game);
        EXPECT_EQ(s.MorvCountdown, -1);
        EXPECT_EQ(s.MorvShip[1], c.row);
        EXPECT_EQ(s.MorvShip[2], c.col);
        EXPECT_EQ(s.MorvShip[3], c.row);
        EXPECT_EQ(s.MorvShip[4], c.col);
        EXPECT_EQ(s.MorvStrength, c.strength);
    }
    EXPECT_EQ(rng.Remaining(), 0u);
}

}  // namespace
}  // namespace kv
