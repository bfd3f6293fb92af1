// Kestrava: sets up the program folders, the settings and the language, and starts the game.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <ctime>

#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/Hiscore.h"
#include "scores/windows/frmSubmitHS.h"
#include "state/Game.h"
#include "state/Options.h"
#include "state/Reset.h"
#include "state/SavedGame.h"
#include "state/Utilities.h"
#include "ui/main/QtHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const kv::UserFolders user = kv::UserFoldersFrom([](const char* var) { return std::getenv(var); });
    QDir().mkpath(QString::fromStdString(user.config));
    QDir().mkpath(QString::fromStdString(user.data));
    const kv::GameFolders folders{kv::ProgramFolder(), user.config, user.data};

    kv::QtSettingsStore settings(QString::fromStdString(user.config + "settings.ini"));
    kv::QtHost host;
    kv::SeededRandom rng(static_cast<uint32_t>(std::time(nullptr)));
    kv::Game game(rng, settings, host, folders);
    // With no language recorded the language changer beside the game asks the player; with
    // still none the program ends.
    game.lang.SetChangerLauncher([&] { kv::ShellAndWait("\"" + folders.program + "vernalect\""); });
    game.lang.SetEndProgram([] { std::exit(0); });

    // The high-score submission window, filled afresh for each qualifying record.
    kv::HighScoreState highScores;
    kv::frmSubmitHS submitWindow(game, highScores.dialog);
    host.RegisterForm(kv::Form::frmSubmitHS, &submitWindow);
    host.onSubmitHighScore = [&](const std::string& name, const std::string& sn, const std::string& code,
                                 const std::string& comments, const std::string& kind) {
        kv::ShowSubmitHighScore(game, highScores, name, sn, code, comments, kind);
    };
    game.badWords.AddBadWord("Morv");

    auto& s = game.st;
    s.WaveDevicePresent = static_cast<kv::Flag>(std::min(host.SoundDeviceCount(), 1));
    kv::LoadArrayConsts(game);
    kv::LoadSettings(game, "General", false);

    QWidget window;
    window.setWindowTitle(QString::fromStdString(s.ShipPrefix + " " + kv::GetVersionString()));
    auto* layout = new QVBoxLayout(&window);
    auto* log = new QListWidget(&window);
    layout->addWidget(new QLabel(QString::fromStdString(game.Text("KVGAME0088")), &window));
    layout->addWidget(log);
    host.RegisterForm(kv::Form::frmOutput, &window);
    host.onOutputLine = [log](const QString& line) { log->addItem(line); };
    host.onClearOutput = [log] { log->clear(); };
    window.resize(480, 320);
    window.show();
    kv::PrintOutput(game, s.ShipPrefix + " " + kv::GetVersionString());
    // A saved game named on the command line is loaded at start.
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.endsWith(".KVW", Qt::CaseInsensitive)) {
            kv::LoadGame(game, arg.toStdString());
            break;
        }
    }
    return app.exec();
}
