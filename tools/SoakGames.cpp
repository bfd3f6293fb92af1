// Plays seeded games headless with the captain, on every core, and prints the games, actions,
// games per second, endings and failures it saw. A failing game is printed with its seed;
// "--seed S --trace" replays that one game and prints every action it took.
//
//   SoakGames N [--first S] [--threads T]
//   SoakGames --seed S [--trace]
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/captain/Captain.h"

namespace {

using kv::test::GameRecord;

int Usage() {
    std::fprintf(stderr,
                 "usage: SoakGames N [--first S] [--threads T]\n"
                 "       SoakGames --seed S [--trace]\n");
    return 2;
}

bool ReadNumber(const char* text, unsigned long& out) {
    char* end = nullptr;
    out = std::strtoul(text, &end, 10);
    return end && *end == '\0' && end != text;
}

int Replay(uint32_t seed, bool trace) {
    kv::test::CaptainOptions options;
    if (trace) options.trace = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
    const GameRecord r = kv::test::PlayGame(seed, options);
    std::printf("%s\n", kv::test::Describe(r).c_str());
    for (const auto& f : r.failures) std::printf("  %s\n", f.c_str());
    return r.failures.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long games = 0, first = 1, threads = std::max(1u, std::thread::hardware_concurrency()), seed = 0;
    bool haveGames = false, haveSeed = false, trace = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--first") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], first)) return Usage();
        } else if (std::strcmp(a, "--threads") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], threads) || threads == 0) return Usage();
        } else if (std::strcmp(a, "--seed") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], seed)) return Usage();
            haveSeed = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            trace = true;
        } else if (!haveGames && ReadNumber(a, games)) {
            haveGames = true;
        } else {
            return Usage();
        }
    }
    if (haveSeed) return Replay(static_cast<uint32_t>(seed), trace);
    if (!haveGames || games == 0) return Usage();

    std::atomic<unsigned long> next{0};
    std::mutex lock;
    long actions = 0;
    std::array<long, kv::test::kEndingCount> endings{};
    std::vector<GameRecord> failed;
    const auto start = std::chrono::steady_clock::now();
    auto worker = [&] {
        for (unsigned long k = next++; k < games; k = next++) {
            GameRecord r = kv::test::PlayGame(static_cast<uint32_t>(first + k));
            std::lock_guard<std::mutex> hold(lock);
            actions += r.actions;
            ++endings[static_cast<size_t>(r.ending)];
            if (!r.failures.empty()) failed.push_back(std::move(r));
        }
    };
    std::vector<std::thread> pool;
    for (unsigned long t = 0; t < std::min(threads, games); ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::sort(failed.begin(), failed.end(), [](const GameRecord& a, const GameRecord& b) { return a.seed < b.seed; });
    for (const auto& r : failed) std::printf("FAILED %s\n  %s\n", kv::test::Describe(r).c_str(), r.failures.front().c_str());
    std::printf("%lu games (seeds %lu..%lu), %ld actions in %.1f s on %lu threads: %.1f games/s, %.0f actions/s\n",
                games, first, first + games - 1, actions, seconds, std::min(threads, games), games / seconds,
                actions / seconds);
    for (int e = 0; e < kv::test::kEndingCount; ++e)
        if (endings[static_cast<size_t>(e)] > 0)
            std::printf("  %-17s %ld\n", kv::test::EndingName(static_cast<kv::test::Ending>(e)),
                        endings[static_cast<size_t>(e)]);
    std::printf("%zu failed\n", failed.size());
    return failed.empty() ? 0 : 1;
}
