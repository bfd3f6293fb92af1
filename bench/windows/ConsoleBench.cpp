// What the exploration console's drawing costs a selection, at the console's own size with the
// real desktop host and its windows offscreen: the system seen from above (the star, the orbits,
// a belt's specks, the planets) and a planet's generated close-up (texture cut, mask and
// shading), each drawn and painted as the player's click asks. One frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "ui/explore/frmSSControl.h"
#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/Reset.h"
#include "state/WindowTable.h"
#include "support/captain/HeadlessGame.h"
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

// The console on a visit to the shipped Kessaril system (five planets, one of them a belt-sized
// mining world), made and shown as the engine opens it.
struct Visit {
    Visit()
        : scratch(std::filesystem::temp_directory_path() / "kv-bench-console"),
          game(rng, settings, host, Folders()) {
        host.SetScript(&script);
        game.lang.UseTexts({});
        game.lang.SetEchoMissing(true);
        kv::GameState& s = game.st;
        kv::LoadArrayConsts(game);
        s.PicturesPath = KESTRAVA_PICTURES_DIR "/";
        s.SoundOn = kv::kFalse;
        s.SpeedFactor = 0;
        s.NewLine = "\r\n";
        s.GameRunning = kv::kTrue;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.TotalTime = s.TimeLeft = 50;
        s.Galaxy[4][4] = 1;
        s.SectorGrid[4][4] = kv::kShip;
        kv::SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec.DescriptorName = "5Kessaril";
        kv::SolarSystemFileList files;
        files.List(s.SSDescriptorPath);
        ok = files.Load(rec);
        rec.SectorRow = rec.SectorCol = 4;
        kv::InitFormTable(game);
        console = qobject_cast<kv::frmSSControl*>(host.FormWindow(kv::Form::frmSSControl));
        if (!ok || !console) return;
        s.EnteringSystem = kv::kTrue;
        console->show();
        QCoreApplication::processEvents();  // the first activation starts the visit
        ok = game.console.Visiting;
    }
    ~Visit() {
        host.DestroyForms();
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
    kv::GameFolders Folders() {
        std::filesystem::create_directories(scratch / "saves");
        return {kv::test::ShippedDataFolder(), (scratch / "").string(), (scratch / "saves/").string()};
    }

    std::filesystem::path scratch;
    NobodyThere script;
    kv::QtHost host{kv::FormList()};
    kv::MemorySettingsStore settings;
    kv::SeededRandom rng{1};
    kv::Game game;
    kv::frmSSControl* console = nullptr;
    bool ok = false;
};

template <class Draw>
void Measure(benchmark::State& state, Draw draw) {
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        draw();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
}

// The system view with a planet selected: its orbit highlighted, every body drawn and painted.
void BM_SystemView(benchmark::State& state) {
    Visit v;
    if (!v.ok) return state.SkipWithError("no visit to the shipped system");
    v.game.console.SelectTag = "4";
    Measure(state, [&] {
        kv::DrawSystem(v.game);
        v.console->picSolarSystem->repaint();
    });
}
BENCHMARK(BM_SystemView)->UseManualTime()->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// A planet's close-up, generated from its class texture and shaded, then painted.
void BM_PlanetCloseUp(benchmark::State& state) {
    Visit v;
    if (!v.ok) return state.SkipWithError("no visit to the shipped system");
    v.game.console.SelectTag = "5";  // Caeleth: the largest generated disc of the system
    Measure(state, [&] {
        v.console->DrawPlanets();
        v.console->picDraw->repaint();
    });
    if (!v.console->lastSphereShaded) state.SkipWithError("the close-up was not a shaded sphere");
}
BENCHMARK(BM_PlanetCloseUp)->UseManualTime()->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

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
