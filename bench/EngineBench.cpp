// The engine's cost per game: the creation of a new galaxy on the shipped data (the reset, the
// star systems read from SOLARSYS.TXT and the descriptors, the placement, the start quadrant's
// set-up); the time charge and the end-of-action refresh of a running game; and whole player
// actions as the captain gives them (a move, a phaser shot, a torpedo), each with its sounds,
// the hostiles' turn and the refresh, the windows doing nothing.
#include <benchmark/benchmark.h>

#include <chrono>

#include "engine/computer/Navigation.h"
#include "engine/computer/PhaserComputer.h"
#include "engine/computer/TorpedoComputer.h"
#include "engine/tactical/Phasers.h"
#include "engine/tactical/Tactical.h"
#include "engine/tactical/Torpedoes.h"
#include "engine/turn/Placement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Time.h"
#include "engine/turn/Upgrades.h"
#include "support/captain/HeadlessGame.h"

#ifndef KESTRAVA_SOUNDS_DIR
#error "KESTRAVA_SOUNDS_DIR names the folder of the game's sounds"
#endif

namespace {

using kv::test::GameSetup;
using kv::test::HeadlessGame;

void BM_NewGalaxy(benchmark::State& state) {
    HeadlessGame hg(1);
    kv::GameState& s = hg.st;
    s.SkillLevel = 5;
    s.GameLength = 2;
    s.UpgradesOn = kv::kTrue;
    for (auto _ : state) {
        s.TechLevel = 3;
        kv::ResetGameState(hg.game);
        kv::SetupSolarSystems(hg.game);
        kv::PlaceGalaxyObjects(hg.game);
        kv::MakeTactical(hg.game);
        benchmark::DoNotOptimize(s.Galaxy);
    }
}
BENCHMARK(BM_NewGalaxy)->Unit(benchmark::kMicrosecond);

// One action of a game in progress: a fifth of a time unit passes and the end-of-action refresh
// runs with the hostiles' turn due. A game that ends is started afresh (outside the timing).
void BM_OneAction(benchmark::State& state) {
    HeadlessGame hg(2);
    kv::GameState& s = hg.st;
    const GameSetup setup{0, 5, 3, true, false};
    kv::test::StartNewGame(hg.game, setup);
    for (auto _ : state) {
        kv::PassTime(hg.game, 0.2f);
        s.HostileTurnFlag = 1;
        kv::RefreshAll(hg.game);
        if (!s.GameRunning) {
            state.PauseTiming();
            kv::test::StartNewGame(hg.game, setup);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_OneAction)->Unit(benchmark::kMicrosecond);

// A whole player action, as the captain gives it from the command bar and the computer panel,
// on a game in a quadrant with Zarvoni ships, with sound on (the sounds are looked up in the
// game's sound folder; the host plays nothing). Each iteration starts from the same game: the
// state and the generator are put back before it, outside the time measured.
enum class Action { Move, Phasers, Torpedo };

void Act(kv::Game& g, Action action) {
    switch (action) {
        case Action::Move:
            kv::SetupNavDialog(g, 8.0f);
            kv::AcceptNavOrder(g, "4.50", "0.25");
            break;
        case Action::Phasers:
            kv::PhaserAutoTarget(g);
            kv::FirePhasers(g);
            break;
        case Action::Torpedo:
            kv::TorpedoAutoTarget(g);
            kv::FireTorpedo(g);
            break;
    }
}

void BM_PlayerAction(benchmark::State& state, Action action) {
    HeadlessGame hg(3);
    kv::GameState& s = hg.st;
    // The first seed whose start quadrant holds Zarvoni ships.
    for (uint32_t seed = 1; seed < 1000 && !(s.GameRunning && s.QuadZarvonis > 0); ++seed) {
        hg.rng.Seed(seed);
        kv::test::StartNewGame(hg.game, {1, 5, 2, true, false});
    }
    if (s.QuadZarvonis == 0) return state.SkipWithError("no start quadrant with Zarvoni ships");
    s.SoundsPath = KESTRAVA_SOUNDS_DIR "/";
    s.SoundOn = kv::kTrue;
    s.WaveDevicePresent = 1;
    const kv::GameState start = s;
    const kv::SeededRandom startDraws = hg.rng;
    auto restore = [&] {
        s = start;
        static_cast<kv::SeededRandom&>(hg.rng) = startDraws;
        hg.host.notices.clear();
    };

    // The action does what it is measured for: it ends with the refresh, the move spends time,
    // the shots energy and a torpedo.
    const long refreshes = hg.host.refreshes;
    Act(hg.game, action);
    const bool done = hg.host.refreshes > refreshes &&
                      (action == Action::Move      ? s.TimeLeft != start.TimeLeft
                       : action == Action::Phasers ? s.ShipEnergy < start.ShipEnergy
                                                   : s.TorpedoStockClass1 < start.TorpedoStockClass1);
    if (!done) return state.SkipWithError("the action did not run as a whole");

    for (auto _ : state) {
        restore();
        const auto begin = std::chrono::steady_clock::now();
        Act(hg.game, action);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
}
BENCHMARK_CAPTURE(BM_PlayerAction, move, Action::Move)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlayerAction, phasers, Action::Phasers)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlayerAction, torpedo, Action::Torpedo)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
