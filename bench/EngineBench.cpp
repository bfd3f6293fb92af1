// The engine's cost per game: the creation of a new galaxy on the shipped data (the reset, the
// star systems read from SOLARSYS.TXT and the descriptors, the placement, the start quadrant's
// set-up), and one whole action of a running game with the windows doing nothing (the action
// itself, its time charge, the end-of-action refresh and the hostiles' turn).
#include <benchmark/benchmark.h>

#include "engine/tactical/Tactical.h"
#include "engine/turn/Placement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Time.h"
#include "engine/turn/Upgrades.h"
#include "support/captain/HeadlessGame.h"

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

}  // namespace

BENCHMARK_MAIN();
