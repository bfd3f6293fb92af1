#include <gtest/gtest.h>

#include "engine/turn/Score.h"
#include "state/GameState.h"

namespace kv::test {
namespace {

void Chart(GameState& s, int quadrants) {
    for (auto& row : s.KnownGalaxy) row.fill(-1);
    for (int i = 0; i < quadrants; ++i) s.KnownGalaxy[1 + i / 8][1 + i % 8] = 0;
}

// Mission type 0, a quarter of the time in hand, 20 ships destroyed and counted, 2 cloaked
// ships destroyed, 30 quadrants charted: a = CInt(12.5 + 120) = 132 (halves to even),
// c = CInt(132 + 30 x 0.2) = 138.
GameState ExampleGame() {
    GameState s;
    s.MissionType = 0;
    s.SkillLevel = 5;
    s.GameLength = 1;
    s.TimeLeft = 10;
    s.TotalTime = 40;
    s.InitialZarvonis = 20;
    s.ZarvonisCounted = 20;
    s.FlaggedZarvonis = 20;
    s.ZarvonisLeft = 3;
    s.CloakedKilled = 2;
    Chart(s, 30);
    return s;
}

TEST(ScoreTest, TheExampleGameScoresByTheFormula) {
    GameState s = ExampleGame();
    EXPECT_EQ(ComputeScore(s), std::optional<Integer>(138));
    // With no hostile ship left the mission is won: 800 + 138.
    s.ZarvonisLeft = 0;
    EXPECT_EQ(RateMission(s).rating, 800);
    EXPECT_EQ(RateMission(s).outcome, kOutcomeWon);
    EXPECT_EQ(FinalScore(s), 938);
    EXPECT_EQ(RatingText(FinalScore(s)), "93.8%");
}

TEST(ScoreTest, EveryTermCountsWithItsWeight) {
    struct Case {
        const char* what;
        void (*setup)(GameState&);
        std::optional<Integer> expected;
    };
    const Case cases[] = {
        {"mission 1: time offset, explored systems, the half rounds to even",
         [](GameState& s) {
             s.MissionType = 1;
             s.TimeLeft = 5;
             s.TimeOffset = 5;
             s.TotalTime = 40;
             s.GoalProgress = 3;
         },
         27},  // a = CInt(12.5) = 12, b = 15 + 12
        {"mission 2 with every common term",
         [](GameState& s) {
             s.MissionType = 2;
             s.TimeLeft = 20;
             s.TotalTime = 40;
             s.CloakedKilled = 1;
             s.InitialZarvonis = 10;
             s.ZarvonisLeft = 4;
             Chart(s, 10);
             s.StatCounterH = 5;
             s.ScoreCounterD = 1;
             s.ScoreCounterC = 2;
             s.DockCount = 2;
             s.StatCounterF = 1;
             s.StatCounterG = 1;
             s.StarbasesLost = 1;
             s.ScoreCounterB = 1;
             s.ZarvoniBase[0] = -1;
             s.ZarvoniBaseDestroyed = kTrue;
             s.ScoreCounterA = 1;
             s.ScoreCounterE = 2;
             s.MorvCountdownStarted = kTrue;
             s.MorvStarsTaken = 2;
             s.MorvShipsDestroyed = 1;
             s.ShipLost = kTrue;
         },
         82},  // a = 55, c = 57, base 152; the common terms -70
        {"planets and treaties in mission 0",
         [](GameState& s) {
             s.TotalTime = 10;
             s.ScoreCounterC = 3;
             s.ScoreCounterD = 2;
         },
         115},
        {"mission 3 has no score", [](GameState& s) { s.MissionType = 3; }, std::nullopt},
        {"an unknown mission type counts only the common terms",
         [](GameState& s) {
             s.MissionType = 7;
             s.TotalTime = 10;
             s.TimeLeft = 10;
             s.DockCount = 1;
         },
         -25},
    };
    for (const auto& c : cases) {
        GameState s;
        Chart(s, 0);
        c.setup(s);
        EXPECT_EQ(ComputeScore(s), c.expected) << c.what;
    }
}

TEST(ScoreTest, NoTimeAllowedAndHugeCountersNeitherDivideByZeroNorOverflow) {
    GameState s;
    Chart(s, 0);
    s.FlaggedZarvonis = 1;
    s.TimeLeft = 5;
    s.TotalTime = 0;  // the time term counts nothing
    EXPECT_EQ(ComputeScore(s), std::optional<Integer>(5));

    s.MorvShipsDestroyed = 32767;
    EXPECT_EQ(ComputeScore(s), std::optional<Integer>(32767));
    s.MorvShipsDestroyed = 0;
    s.DockCount = 32767;
    EXPECT_EQ(ComputeScore(s), std::optional<Integer>(-32768));
    s.DockCount = 0;
    s.FlaggedZarvonis = 32767;  // 5 x 32767 alone leaves the 16-bit range
    s.CloakedKilled = 32767;
    EXPECT_EQ(ComputeScore(s), std::optional<Integer>(32767));

    // The final score keeps to the range too: 1000 for the won mission on top.
    s.MissionType = 1;
    s.ZarvonisLeft = 0;
    EXPECT_EQ(FinalScore(s), 32767);
}

TEST(ScoreTest, TheRatingFollowsTheMissionAndItsProgress) {
    struct Case {
        const char* what;
        Integer mission, length, initial, counted, left, bySystems, done, progress, goal;
        Integer rating, outcome;
    };
    const Case cases[] = {
        {"type 0 failed", 0, 2, 20, 0, 5, 0, 0, 0, 0, 75, kOutcomeFailed},
        {"type 0 won", 0, 2, 20, 0, 0, 0, 0, 0, 0, 800, kOutcomeWon},
        {"type 0 won with ships below zero", 0, 2, 20, 0, -2, 0, 0, 0, 0, 850, kOutcomeWon},
        {"type 0, a game length of 0 counts as short", 0, 0, 20, 0, 5, 0, 0, 0, 0, 150, kOutcomeFailed},
        {"type 1 failed", 1, 3, 0, 20, 3, 0, 0, 0, 0, 17, kOutcomeFailed},
        {"type 1 won", 1, 3, 0, 20, 0, 0, 0, 0, 0, 1000, kOutcomeWon},
        {"type 2 by systems, goal met", 2, 1, 0, 0, 0, 1, 3, 0, 3, 800, kOutcomeWon},
        {"type 2 by systems, short of the goal", 2, 2, 0, 0, 0, 1, 2, 9, 3, 20, kOutcomeFailed},
        {"type 2 by explored systems", 2, 3, 0, 0, 0, 0, 9, 5, 6, 17, kOutcomeFailed},
        {"type 3 has no verdict", 3, 1, 20, 20, 0, 0, 0, 0, 0, 0, kOutcomeNone},
        {"an unknown type fails with nothing", 5, 1, 20, 20, 0, 0, 0, 0, 0, 0, kOutcomeFailed},
    };
    for (const auto& c : cases) {
        GameState s;
        s.MissionType = c.mission;
        s.GameLength = c.length;
        s.InitialZarvonis = c.initial;
        s.ZarvonisCounted = c.counted;
        s.ZarvonisLeft = c.left;
        s.GoalBySystems = c.bySystems;
        s.GoalSystemsDone = c.done;
        s.GoalProgress = c.progress;
        s.MissionGoal = c.goal;
        const MissionRating r = RateMission(s);
        EXPECT_EQ(r.rating, c.rating) << c.what;
        EXPECT_EQ(r.outcome, c.outcome) << c.what;
    }
}

TEST(ScoreTest, RatingTextShowsATenthWithOneDecimal) {
    EXPECT_EQ(RatingText(1234), "123.4%");
    EXPECT_EQ(RatingText(999), "99.9%");
    EXPECT_EQ(RatingText(0), "0.0%");
    EXPECT_EQ(RatingText(-25), "-2.5%");
}

}  // namespace
}  // namespace kv::test
