// The desktop program's start-up and a whole game through its windows, offscreen: the time from
// the start of the program's start-up to the main menu on the screen with every window built
// (the splash's waits counted apart, not waited), and the resident memory after a whole game
// played through the windows (a new game from the menu, moves, a scan, a save and a load through
// the file dialog, the end of the mission and the final report's return to the menu).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/computer/Navigation.h"
#include "engine/turn/Refresh.h"
#include "platform/SettingsStore.h"
#include "screens/main/CommandBar.h"
#include "state/Game.h"
#include "state/Startup.h"
#include "ui/host/QtHost.h"
#include "ui/app/FormList.h"

#ifndef KESTRAVA_BIN_DIR
#error "KESTRAVA_BIN_DIR names the program folder with the game's data, pictures and sounds"
#endif

namespace {

using namespace kv;

// Plays the player's part: each modal window gets its step; questions get No; file choices go
// through the game's own file dialog.
class Player : public HostScript {
public:
    std::map<Form, std::function<void(QDialog&)>> modal;
    void Notice(const std::string&, long, bool) override {}
    int Question(const std::string&, long style, bool) override { return (style & 7) == kOKOnly ? kOK : kNo; }
    int ErrorReport(const std::string&) override { return kIgnore; }
    void Modal(Form form, QDialog& window) override {
        auto it = modal.find(form);
        if (it != modal.end() && it->second) it->second(window);
        if (window.isVisible()) window.reject();
    }
    std::optional<std::string> File(FileDialogMode, const std::string&, const std::string&) override { return {}; }
    bool FileWindow() const override { return true; }
    void Sound(const std::string&, int) override {}
    std::optional<std::string> Text(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<long> Colour(long, const std::string&) override { return {}; }
    bool Print(const std::vector<std::string>&, const std::string&) override { return false; }
};

// The host with the engine's waits counted instead of waited.
class CountingHost : public QtHost {
public:
    CountingHost() : QtHost(FormList()) {}
    double waited = 0;
    void Wait(double seconds) override {
        waited += seconds;
        QCoreApplication::processEvents();
    }
};

// One run of the program: its settings (the language recorded), scratch folders for the user's
// files, the host and the game.
struct Program {
    explicit Program(uint32_t seed) : rng(seed) {
        char pattern[] = "/tmp/kv-bench-XXXXXX";
        scratch = ::mkdtemp(pattern) ? std::string(pattern) + "/" : std::string("/tmp/");
        std::filesystem::create_directories(scratch + "config");
        std::filesystem::create_directories(scratch + "saves");
        settings.SaveSetting(kAppName, "Language", "Current", "US English");
        settings.SaveSetting(kAppName, "Language", "US English", "English.lng");
        game = std::make_unique<Game>(rng, settings, host,
                                      GameFolders{std::string(KESTRAVA_BIN_DIR) + "/", scratch + "config/", scratch + "saves/"});
        host.SetScript(&player);
        host.onEndProgram = [] {};
    }
    ~Program() {
        host.DestroyForms();
        host.SetScript(nullptr);
        game.reset();
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
    template <class C = QWidget>
    C* Control(Form form, const char* name) {
        QWidget* w = host.FormWindow(form);
        return w ? w->findChild<C*>(QString::fromLatin1(name)) : nullptr;
    }
    void Press(Form form, const char* name) {
        if (auto* b = Control<QAbstractButton>(form, name)) b->click();
    }
    void Choose(Form form, const char* item) {
        QWidget* w = host.FormWindow(form);
        if (QAction* a = w ? w->findChild<QAction*>(QString::fromLatin1(item)) : nullptr) a->trigger();
    }
    // The main menu, opened as the command bar opens it, with the player's step.
    void Menu(std::function<void()> step) {
        player.modal[Form::frmMenu] = [step](QDialog&) { step(); };
        host.RunModal(Form::frmMenu);
    }
    void FileName(const char* name) {
        player.modal[Form::frmFile] = [this, name](QDialog&) {
            if (auto* box = Control<QLineEdit>(Form::frmFile, "txtFile")) box->setText(QString::fromLatin1(name));
            Press(Form::frmFile, "cmdOK");
        };
    }

    SeededRandom rng;
    std::string scratch;
    MemorySettingsStore settings;
    CountingHost host;
    Player player;
    std::unique_ptr<Game> game;
};

// The main menu's new-game panel: a name, the first mission, Start.
void StartNewGame(Program& p) {
    if (auto* name = p.Control<QComboBox>(Form::frmMenu, "txtName")) name->setEditText(QStringLiteral("Bench"));
    if (auto* mission = p.Control<QComboBox>(Form::frmMenu, "cboMissionType")) mission->setCurrentIndex(0);
    p.Press(Form::frmMenu, "cmdNewClose");
}

void BM_StartupToMainMenu(benchmark::State& state) {
    double waits = 0;
    for (auto _ : state) {
        Program p(1);
        QElapsedTimer clock;
        double toMenu = 0;
        p.player.modal[Form::frmMenu] = [&](QDialog& menu) {
            toMenu = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            menu.hide();
        };
        clock.start();
        {
            EngineAction action(*p.game);
            p.game->Text("Language");
            Main(*p.game, "", {});
        }
        waits = p.host.waited;
        state.SetIterationTime(toMenu);
    }
    state.counters["specified_waits_s"] = waits;
}
BENCHMARK(BM_StartupToMainMenu)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void BM_WholeGameResidentMemory(benchmark::State& state) {
    for (auto _ : state) {
        Program p(2024);
        Game& g = *p.game;
        p.player.modal[Form::frmMenu] = [&](QDialog&) { StartNewGame(p); };
        {
            EngineAction action(g);
            g.Text("Language");
            Main(g, "", {ReturnFromMenu, RefreshAll});
        }
        for (const char* course : {"1.0", "5.0", "3.0"})
            p.host.Run(Form::frmCommands, [&] {
                SetupNavDialog(g, 8.0f);
                AcceptNavOrder(g, course, "0.25");
            });
        p.host.Run(Form::frmCommands, [&] { RunCommand(g, CommandButton::cmdLRS); });
        p.FileName("bench");
        p.Menu([&] {
            p.Choose(Form::frmMenu, "mnuGSave(130)");
            p.Press(Form::frmMenu, "cmdNewClose");
        });
        p.FileName("bench.KVW");
        p.Menu([&] {
            p.Choose(Form::frmMenu, "mnuGLoad(120)");
            p.Press(Form::frmMenu, "cmdNewClose");
        });
        p.Menu([&] { p.Choose(Form::frmMenu, "mnuGEndMission(140)"); });
        // The player closes the final report; its timer returns to the menu.
        if (QWidget* report = p.host.FormWindow(Form::frmFinalReport)) report->close();
        p.player.modal[Form::frmMenu] = [](QDialog& menu) { menu.hide(); };
        QEventLoop loop;
        for (int i = 0; i < 200 && g.TimerEnabled(Timer::frmFinalReport_tmrMenu); ++i) {
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        state.counters["rss_MB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
        state.counters["game_ended"] = g.st.GameRunning ? 0 : 1;
        state.counters["saved_games"] =
            static_cast<double>(std::distance(std::filesystem::directory_iterator(p.scratch + "saves"),
                                              std::filesystem::directory_iterator()));
    }
}
BENCHMARK(BM_WholeGameResidentMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
