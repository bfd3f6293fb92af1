#include "support/captain/GameRunner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

namespace kv::test {
namespace {

using Clock = std::chrono::steady_clock;

// What one worker is doing, for the watch on actions that never end.
struct WorkerState {
    std::mutex lock;
    bool busy = false;
    uint32_t seed = 0;
    long action = 0;
    std::string what;
    Clock::time_point since;
};

}  // namespace

RunSummary PlayGames(uint32_t first, uint32_t count, unsigned threads, double stallSeconds) {
    RunSummary run;
    run.first = first;
    run.games = count;
    run.threads = std::max(1u, std::min<unsigned>(threads, std::max<uint32_t>(count, 1)));
    std::vector<std::unique_ptr<WorkerState>> workers;
    for (unsigned t = 0; t < run.threads; ++t) workers.push_back(std::make_unique<WorkerState>());

    std::atomic<uint32_t> next{0};
    std::mutex lock;
    const auto start = Clock::now();
    auto work = [&](WorkerState& me) {
        for (uint32_t k = next++; k < count; k = next++) {
            const uint32_t seed = first + k;
            CaptainOptions options;
            options.onAction = [&me, seed](long action, const std::string& what) {
                std::lock_guard<std::mutex> hold(me.lock);
                me.busy = true;
                me.seed = seed;
                me.action = action;
                me.what = what;
                me.since = Clock::now();
            };
            GameRecord r = PlayGame(seed, options);
            {
                std::lock_guard<std::mutex> hold(me.lock);
                me.busy = false;
            }
            std::lock_guard<std::mutex> hold(lock);
            run.actions += r.actions;
            ++run.endings[static_cast<size_t>(r.ending)];
            for (const auto& [kind, n] : r.actionCounts) run.actionKinds[kind] += n;
            if (!r.failures.empty()) run.failed.push_back(std::move(r));
        }
    };

    // The watch: an action that runs past the limit is one that never ends.
    std::mutex watchLock;
    std::condition_variable watchWake;
    bool done = false;
    std::thread watch([&] {
        std::unique_lock<std::mutex> hold(watchLock);
        while (!watchWake.wait_for(hold, std::chrono::seconds(1), [&] { return done; })) {
            for (auto& w : workers) {
                std::lock_guard<std::mutex> holdWorker(w->lock);
                if (!w->busy) continue;
                const double stalled = std::chrono::duration<double>(Clock::now() - w->since).count();
                if (stalled < stallSeconds) continue;
                std::fprintf(stderr, "seed %u: action %ld (%s) has run for %.0f s and never ends\n", w->seed, w->action,
                             w->what.c_str(), stalled);
                std::fflush(stderr);
                std::abort();
            }
        }
    });

    std::vector<std::thread> pool;
    for (unsigned t = 0; t < run.threads; ++t) pool.emplace_back(work, std::ref(*workers[t]));
    for (auto& t : pool) t.join();
    {
        std::lock_guard<std::mutex> hold(watchLock);
        done = true;
    }
    watchWake.notify_all();
    watch.join();

    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(run.failed.begin(), run.failed.end(),
              [](const GameRecord& a, const GameRecord& b) { return a.seed < b.seed; });
    return run;
}

std::string SummaryText(const RunSummary& run, bool withKinds) {
    std::ostringstream out;
    char line[256];
    std::snprintf(line, sizeof line,
                  "%ld games (seeds %u..%lu), %lld actions in %.1f s on %u threads: %.1f games/s, %.0f actions/s "
                  "(%.0f per thread)\n",
                  run.games, run.first, static_cast<unsigned long>(run.first) + run.games - 1, run.actions, run.seconds,
                  run.threads, run.seconds > 0 ? run.games / run.seconds : 0.0,
                  run.seconds > 0 ? run.actions / run.seconds : 0.0,
                  run.seconds > 0 && run.threads > 0 ? run.actions / run.seconds / run.threads : 0.0);
    out << line << "endings:\n";
    for (int e = 0; e < kEndingCount; ++e) {
        std::snprintf(line, sizeof line, "  %-18s %ld\n", EndingName(static_cast<Ending>(e)),
                      run.endings[static_cast<size_t>(e)]);
        out << line;
    }
    if (withKinds) {
        out << "actions by kind:\n";
        for (const auto& [kind, n] : run.actionKinds) {
            std::snprintf(line, sizeof line, "  %-18s %ld\n", kind.c_str(), n);
            out << line;
        }
    }
    for (const auto& r : run.failed) {
        out << "FAILED " << Describe(r) << "\n";
        for (const auto& f : r.failures) out << "  " << f << "\n";
    }
    out << run.failed.size() << " failed\n";
    return out.str();
}

}  // namespace kv::test
