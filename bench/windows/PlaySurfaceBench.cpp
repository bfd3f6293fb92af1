// What the play surface's windows cost a player's action: a move into the next sectors of a
// quadrant with Zarvoni ships, as the navigation dialog's Accept gives it (the hostiles' turn and
// the end-of-action refresh included), with the real desktop host and its windows (offscreen)
// redrawing everything the action changed. The game does not pause: only the work is measured.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "engine/computer/Navigation.h"
#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/Reset.h"
#include "state/WindowTable.h"
#include "support/captain/HeadlessGame.h"
#include "ui/dialogs/frmSRS.h"
#include "ui/host/QtHost.h"
#include "ui/app/FormList.h"

#ifndef KESTRAVA_PICTURES_DIR
#error "KESTRAVA_PICTURES_DIR names the folder of the game's pictures"
#endif

namespace {

// Answers in place of the player at once, as a closed window would.
class NobodyThere : public kv::HostScript {
public:
    void Notice(const std::string&, long, bool) override {}
    int Question(const std::string&, long style, bool) override { return kv::CloseAnswer(style); }
    int ErrorReport(const std::string&) override { return kv::kIgnore; }
    void Modal(kv::Form, QDialog& window) override { window.reject(); }
    std::optional<std::string> File(kv::FileDialogMode, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> Text(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<long> Colour(long, const std::string&) override { return {}; }
    bool Print(const std::vector<std::string>&, const std::string&) override { return false; }
    void Sound(const std::string&, int) override {}
};

// Paints every window the action asked to repaint.
void Redraw() { QCoreApplication::processEvents(); }

void BM_MoveWithItsRedraw(benchmark::State& state) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "kv-bench-play-surface";
    std::filesystem::create_directories(scratch / "saves");
    NobodyThere script;
    kv::QtHost host{kv::FormList()};
    host.SetScript(&script);
    kv::MemorySettingsStore settings;
    kv::SeededRandom rng(1);
    kv::Game game(rng, settings, host,
                  {kv::test::ShippedDataFolder(), (scratch / "").string(), (scratch / "saves/").string()});
    game.lang.UseTexts({});
    game.lang.SetEchoMissing(true);
    kv::GameState& s = game.st;
    kv::LoadArrayConsts(game);
    s.PicturesPath = KESTRAVA_PICTURES_DIR "/";
    s.SoundOn = kv::kFalse;
    s.SpeedFactor = 0;
    kv::InitFormTable(game);
    host.Refresh(kv::View::SrsIcons);
    host.Refresh(kv::View::SrsColors);
    // The Morv ship's glide keeps the game's clock, not work: it is left out.
    if (auto* scan = qobject_cast<kv::frmSRS*>(host.FormWindow(kv::Form::frmSRS))) scan->glideSecondsPerCell = 0;

    // The first seed whose start quadrant holds Zarvoni ships.
    for (uint32_t seed = 1; seed < 1000 && !(s.GameRunning && s.QuadZarvonis > 0); ++seed) {
        rng.Seed(seed);
        kv::test::StartNewGame(game, {1, 5, 2, true, false});
    }
    if (s.QuadZarvonis == 0) return state.SkipWithError("no start quadrant with Zarvoni ships");
    for (kv::Form f : {kv::Form::frmSRS, kv::Form::frmOutput, kv::Form::frmCommands}) host.ShowForm(f);
    Redraw();

    const kv::GameState start = s;
    const kv::SeededRandom startDraws = rng;
    auto act = [&] {
        kv::EngineAction action(game);
        kv::SetupNavDialog(game, 8.0f);
        kv::AcceptNavOrder(game, "4.50", "0.25");
        Redraw();
    };
    act();
    if (s.TimeLeft == start.TimeLeft) return state.SkipWithError("the move did not run");

    for (auto _ : state) {
        s = start;
        rng = startDraws;
        host.Refresh(kv::View::ShortRangeScan);
        Redraw();
        const auto begin = std::chrono::steady_clock::now();
        act();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    host.DestroyForms();
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
}
BENCHMARK(BM_MoveWithItsRedraw)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless told otherwise: the benchmark needs no display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
