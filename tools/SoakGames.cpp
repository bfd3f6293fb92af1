// Plays seeded games headless with the captain, on every core, and prints the games, actions,
// games per second, endings and failures it saw. A failing game is printed with its seed;
// "--seed S --trace" replays that one game and prints every action it took, the message log
// and the state after each action.
//
//   SoakGames N [--first S] [--threads T]
//   SoakGames --seed S [--trace]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "support/captain/GameRunner.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: soak N [--first S] [--threads T]   play N games from seed S (default 1)\n"
                 "       soak --seed S [--trace]             replay the game of seed S\n");
    return 2;
}

bool ReadNumber(const char* text, unsigned long& out) {
    char* end = nullptr;
    out = std::strtoul(text, &end, 10);
    return end && *end == '\0' && end != text && text[0] != '-';
}

int Replay(uint32_t seed, bool trace) {
    kv::test::CaptainOptions options;
    if (trace) options.trace = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
    const kv::test::GameRecord r = kv::test::PlayGame(seed, options);
    std::printf("%s\n", kv::test::Describe(r).c_str());
    for (const auto& f : r.failures) std::printf("  %s\n", f.c_str());
    return r.failures.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long games = 0, first = 1, seed = 0;
    unsigned long threads = std::max(1u, std::thread::hardware_concurrency());
    bool haveGames = false, haveSeed = false, trace = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--first") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], first) || first > 0xFFFFFFFFul) return Usage();
        } else if (std::strcmp(a, "--threads") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], threads) || threads == 0 || threads > 1024) return Usage();
        } else if (std::strcmp(a, "--seed") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], seed) || seed > 0xFFFFFFFFul) return Usage();
            haveSeed = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            trace = true;
        } else if (!haveGames && ReadNumber(a, games)) {
            haveGames = true;
        } else {
            return Usage();
        }
    }
    if (haveSeed) return haveGames ? Usage() : Replay(static_cast<uint32_t>(seed), trace);
    if (!haveGames || games == 0 || trace || first + games - 1 > 0xFFFFFFFFul) return Usage();

    const kv::test::RunSummary run =
        kv::test::PlayGames(static_cast<uint32_t>(first), static_cast<uint32_t>(games), static_cast<unsigned>(threads));
    std::fputs(kv::test::SummaryText(run).c_str(), stdout);
    if (!run.failed.empty()) std::printf("replay a failed game with: tools/soak --seed S --trace\n");
    return run.failed.empty() ? 0 : 1;
}
