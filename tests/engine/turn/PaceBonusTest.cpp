#include <gtest/gtest.h>

#include "engine/turn/PaceBonus.h"
#include "state/GameState.h"

namespace kv {
namespace {

struct PaceCase {
    const char* what;
    Integer mission;
    Integer initial, left, counted;  // Zarvoni ships
    Integer goal, systemsDone, progress;
    Flag bySystems;
    Single total, timeLeft, offset;
    double score, expected;
};

TEST(PaceBonusTest, EachMissionType) {
    const PaceCase cases[] = {
        {"type 0 ahead of pace", 0, 30, 15, 0, 0, 0, 0, 0, 40, 20, 0, 100, 900},
        {"type 0 behind: d = 0.25", 0, 30, 30, 0, 0, 0, 0, 0, 40, 20, 0, 100, 150},
        {"type 0 far behind: d <= -1", 0, 30, 40, 0, 0, 0, 0, 0, 40, 10, 0, 100, 100},
        {"type 0 time given back counts", 0, 30, 30, 0, 0, 0, 0, 0, 40, 10, 10, 100, 150},
        {"no time left", 0, 30, 15, 0, 0, 0, 0, 0, 40, 0, 0, 100, 0},
        {"no time allowed", 2, 0, 0, 0, 5, 0, 0, 0, 0, 10, 0, 100, 0},
        {"type 1 within its margin", 1, 99, 30, 30, 0, 0, 0, 0, 40, 20, 0, 0, 1000},
        {"type 1 behind: d = -0.75", 1, 99, 50, 30, 0, 0, 0, 0, 40, 20, 0, 0, -562.5},
        {"type 2 by systems: d = 0.3", 2, 0, 0, 0, 10, 4, 0, kTrue, 20, 5, 0, 0, 72},
        {"type 2 by progress", 2, 0, 0, 0, 10, 0, 9, kFalse, 20, 5, 0, 0, 800},
        {"type 3 has no pace", 3, 30, 30, 0, 0, 0, 0, 0, 1, 0.5f, 0, 250, 250},
    };
    for (const auto& c : cases) {
        GameState s;
        s.MissionType = c.mission;
        s.InitialZarvonis = c.initial;
        s.ZarvonisLeft = c.left;
        s.ZarvonisCounted = c.counted;
        s.MissionGoal = c.goal;
        s.GoalSystemsDone = c.systemsDone;
        s.GoalProgress = c.progress;
        s.GoalBySystems = c.bySystems;
        s.TotalTime = c.total;
        s.TimeLeft = c.timeLeft;
        s.TimeOffset = c.offset;
        EXPECT_NEAR(TimeStatusValue(s, c.score), c.expected, 0.01) << c.what;
    }
}

}  // namespace
}  // namespace kv
