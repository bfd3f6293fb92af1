// Whole games played headless by the captain: many seeds over every mission type, skill level
// and game length (120 seeds cover every combination), each played to its end with the state
// checked after every action. The games run on several threads, each game alone in its own
// context. A failing game prints its seed; "tools/soak --seed S --trace" replays it action by
// action.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/captain/GameRunner.h"

namespace kv::test {
namespace {

// The number of games: KV_WHOLE_GAMES overrides the default.
uint32_t GameCount() {
    const char* n = std::getenv("KV_WHOLE_GAMES");
    const unsigned long games = n ? std::strtoul(n, nullptr, 10) : 0;
    return games > 0 ? static_cast<uint32_t>(games) : 800u;
}

TEST(WholeGames, EveryGameEndsWithItsStateConsistent) {
    const uint32_t games = GameCount();
    const RunSummary run = PlayGames(1, games, std::max(1u, std::thread::hardware_concurrency()));
    std::printf("%s", SummaryText(run).c_str());

    for (const auto& r : run.failed) {
        std::string rules;
        for (const auto& f : r.failures) rules += "\n  " + f;
        ADD_FAILURE() << Describe(r) << rules << "\n  replay: tools/soak --seed " << r.seed << " --trace";
    }
    EXPECT_EQ(run.Count(Ending::Unfinished), 0);
    EXPECT_EQ(run.Count(Ending::Unexplained), 0);
    // Over this many games every way a game ends comes up.
    if (games >= 500) {
        EXPECT_GT(run.Count(Ending::MissionComplete), 0);
        EXPECT_GT(run.Count(Ending::TimeOut), 0);
        EXPECT_GT(run.Count(Ending::EnergyOut), 0);
        EXPECT_GT(run.Count(Ending::ShipDestroyed) + run.Count(Ending::SelfDestructed), 0);
    }
}

}  // namespace
}  // namespace kv::test
