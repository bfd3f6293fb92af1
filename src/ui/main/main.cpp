// Kestrava: sets up the program folders, the settings and the language, and starts the game.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <ctime>

#include "platform/Files.h"
#include "platform/qt/QtSettingsStore.h"
#include "state/Game.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "state/Reset.h"
#include "state/Utilities.h"
#include "ui/main/QtHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kv::QtSettingsStore settings;
    kv::QtHost host;
    kv::SeededRandom rng(static_cast<uint32_t>(std::time(nullptr)));
    const std::string appPath = kv::ProgramFolder();
    kv::Game game(rng, settings, host, appPath + "LANGUAGE/");
    auto& s = game.st;
    s.AppPath = appPath;
    s.SoundsPath = appPath + "SOUNDS/";
    s.PicturesPath = appPath + "PICTURES/";
    s.SSDescriptorPath = appPath + "SSDescriptor/";
    kv::LoadArrayConsts(game);
    kv::LoadSettings(game, "General", false);

    QWidget window;
    window.setWindowTitle(QString::fromStdString(s.ShipPrefix + " " + kv::GetVersionString()));
    auto* layout = new QVBoxLayout(&window);
    auto* log = new QListWidget(&window);
    layout->addWidget(new QLabel(QString::fromStdString(game.Text("KVGAME0088")), &window));
    layout->addWidget(log);
    host.onOutputLine = [log](const QString& line) { log->addItem(line); };
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
