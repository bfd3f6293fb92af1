#pragma once
// Many seeded games played by the captain on several threads, each game alone in its own
// context, with what they came to: the whole-game test and the soak runner share it.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/captain/Captain.h"

namespace kv::test {

struct RunSummary {
    uint32_t first = 0;  // the first seed
    long games = 0;
    long long actions = 0;
    double seconds = 0;
    unsigned threads = 0;
    std::array<long, kEndingCount> endings{};
    std::map<std::string, long> actionKinds;  // actions by kind over every game
    std::vector<GameRecord> failed;           // the games that broke a rule, by seed

    long Count(Ending e) const { return endings[static_cast<size_t>(e)]; }
};

// Plays the games of the seeds first .. first + count - 1 on `threads` threads (at least one).
// An action that runs for more than `stallSeconds` never ends: its seed and action are written
// to the error output and the program is aborted, so that the seed is known even then.
RunSummary PlayGames(uint32_t first, uint32_t count, unsigned threads, double stallSeconds = 300);

// The run in a few lines: games, actions, speed, the endings, the actions by kind, and every
// failed game with its seed and first broken rule.
std::string SummaryText(const RunSummary& run, bool withKinds = true);

}  // namespace kv::test
