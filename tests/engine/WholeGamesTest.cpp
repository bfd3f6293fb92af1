// Whole games played headless by the captain: many seeds over every mission type, skill level
// and game length, each played to its end with the state checked after every action. The games
// run on several threads, each game alone in its own context. A failing game prints its seed;
// "tools/soak --seed S --trace" replays it action by action.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/captain/Captain.h"

namespace kv::test {
namespace {

// The number of games: KV_WHOLE_GAMES overrides the default.
uint32_t GameCount() {
    const char* n = std::getenv("KV_WHOLE_GAMES");
    return n ? static_cast<uint32_t>(std::strtoul(n, nullptr, 10)) : 600u;
}

TEST(WholeGames, EveryGameEndsWithItsStateConsistent) {
    const uint32_t games = GameCount();
    std::vector<GameRecord> records(games);
    std::atomic<uint32_t> next{0};
    auto worker = [&] {
        for (uint32_t k = next++; k < games; k = next++) records[k] = PlayGame(k + 1);
    };
    const unsigned threads = std::max(std::thread::hardware_concurrency(), 1u);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();

    std::array<long, kEndingCount> endings{};
    long actions = 0;
    int failed = 0;
    for (const auto& r : records) {
        ++endings[static_cast<size_t>(r.ending)];
        actions += r.actions;
        if (!r.failures.empty()) {
            ++failed;
            ADD_FAILURE() << Describe(r) << "\n  " << r.failures.front();
        }
    }
    std::string seen;
    for (int e = 0; e < kEndingCount; ++e)
        if (endings[static_cast<size_t>(e)] > 0)
            seen += std::string("\n  ") + EndingName(static_cast<Ending>(e)) + ": " +
                    std::to_string(endings[static_cast<size_t>(e)]);
    std::printf("%u games, %ld actions, %d failed; endings:%s\n", games, actions, failed, seen.c_str());
    EXPECT_EQ(endings[static_cast<size_t>(Ending::Unfinished)], 0);
    EXPECT_EQ(endings[static_cast<size_t>(Ending::Unexplained)], 0);
}

}  // namespace
}  // namespace kv::test
