// Kestrava: sets up the program folders, the settings and the language, and starts the game;
// the host makes the windows as start-up asks for them.
#include <QApplication>
#include <QDir>
#include <QTime>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "engine/turn/Refresh.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "ui/platform/QtSettingsStore.h"
#include "state/CommandLine.h"
#include "state/Game.h"
#include "state/Startup.h"
#include "state/Utilities.h"
#include "ui/app/DesktopPlatform.h"
#include "ui/app/FormList.h"
#include "ui/app/NoLanguage.h"
#include "ui/host/QtHost.h"

int main(int argc, char** argv) {
    // The windows stand where the game places them: on a Wayland desktop through its X11 server.
    if (const auto platform = kv::PreferredPlatform([](const char* var) { return std::getenv(var); }))
        qputenv("QT_QPA_PLATFORM", platform->c_str());
    QApplication app(argc, argv);
    kv::NameTheMenuEntry();
    // The only place the program reads its environment: the core is given what it needs.
    const kv::UserFolders user = kv::UserFoldersFrom([](const char* var) { return std::getenv(var); });
    const kv::EnvironmentLookup environment = [](const std::string& var) {
        const char* value = std::getenv(var.c_str());
        return value ? std::string(value) : std::string();
    };
    QDir().mkpath(QString::fromStdString(user.config));
    QDir().mkpath(QString::fromStdString(user.data));
    // The programs lie in `program`; the data files beside them in a build, in the shared data
    // folder of an installed game. Nothing is written into either.
    const std::string program = kv::ProgramFolder();
    const std::string data = kv::DataFolderFor(program);
    const kv::GameFolders folders{data, user.config, user.data};
    std::error_code ec;
    std::filesystem::current_path(data, ec);

    kv::QtSettingsStore settings(QString::fromStdString(user.config + "settings.ini"));
    kv::QtHost host(kv::FormList());
    host.environment = environment;
    kv::SeededRandom rng(static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    kv::Game game(rng, settings, host, folders);
    host.onEndProgram = [&] {
        settings.Flush();
        QApplication::closeAllWindows();
        std::exit(0);
    };
    // With no language recorded the language changer beside the game asks the player; with
    // still none the program says so and ends.
    game.lang.SetChangerLauncher([&] { kv::ShellAndWait({program + "vernalect"}); });
    game.lang.SetEndProgram([&] {
        kv::ShowNoLanguageMessage();
        settings.Flush();
        std::exit(0);
    });
    // The language is bound before any window is made: every window reads its texts from it.
    game.Text("Language");

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    kv::PrintOutput(game, game.Text("Greeting") + " " + kv::GetVersionString());
    {
        // Start-up is the game's first action: the player's input waits for its end. A fault in
        // it (a window it needs that is not built) is reported, and the program goes on.
        kv::EngineAction action(game);
        try {
            kv::Main(game, kv::JoinArguments(args), {kv::ReturnFromMenu, kv::RefreshAll});
        } catch (const std::exception& e) {
            qWarning("start-up: %s", e.what());
            kv::ReportError(game, kv::ErrorNumber(e), "KVMAIN : Main", "<none> ");
        }
    }
    return app.exec();
}
