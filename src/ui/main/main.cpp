// Kestrava: sets up the program folders, the settings, the language and the windows, and
// starts the game.
#include <QApplication>
#include <QDir>
#include <QTime>
#include <cstdlib>
#include <filesystem>

#include "engine/turn/Refresh.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/Hiscore.h"
#include "scores/windows/frmSubmitHS.h"
#include "state/CommandLine.h"
#include "state/Game.h"
#include "state/Startup.h"
#include "state/Utilities.h"
#include "text/windows/frmOutput.h"
#include "text/windows/frmQuiet.h"
#include "text/windows/frmShowMessage.h"
#include "ui/main/NoLanguage.h"
#include "ui/main/QtHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The only place the program reads its environment: the core is given what it needs.
    const kv::UserFolders user = kv::UserFoldersFrom([](const char* var) { return std::getenv(var); });
    const kv::EnvironmentLookup environment = [](const std::string& var) {
        const char* value = std::getenv(var.c_str());
        return value ? std::string(value) : std::string();
    };
    QDir().mkpath(QString::fromStdString(user.config));
    QDir().mkpath(QString::fromStdString(user.data));
    const std::string program = kv::ProgramFolder();
    const kv::GameFolders folders{program, user.config, user.data};
    std::error_code ec;
    std::filesystem::current_path(program, ec);

    kv::QtSettingsStore settings(QString::fromStdString(user.config + "settings.ini"));
    kv::QtHost host;
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
    // The language is bound before any window is built: every window reads its texts from it.
    game.Text("Language");

    // The high-score submission window, filled afresh for each qualifying record.
    kv::HighScoreState highScores;
    kv::frmSubmitHS submitWindow(game, highScores.dialog, kv::ScoreEndpoints{}, environment);
    host.RegisterForm(kv::Form::frmSubmitHS, &submitWindow);
    host.onSubmitHighScore = [&](const std::string& name, const std::string& sn, const std::string& code,
                                 const std::string& comments, const std::string& kind) {
        kv::ShowSubmitHighScore(game, highScores, name, sn, code, comments, kind);
    };
    kv::frmShowMessage note;
    host.RegisterForm(kv::Form::frmShowMessage, &note);
    kv::frmQuiet quiet([&](const std::string& key) { return game.Text(key); });
    host.RegisterForm(kv::Form::frmQuiet, &quiet);
    kv::frmOutput output(game);
    host.RegisterForm(kv::Form::frmOutput, &output);
    host.onOutputLine = [&](const QString& line) { output.AddLine(line); };
    host.onClearOutput = [&] { output.Clear(); };
    host.OnView(kv::View::OutputFont, [&] { output.ApplyOutputFont(); });

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    kv::PrintOutput(game, game.Text("Greeting") + " " + kv::GetVersionString());
    kv::Main(game, kv::JoinArguments(args), {kv::ReturnFromMenu, kv::RefreshAll});
    return app.exec();
}
