// Vernalect: the language changer. Shows the languages installed beside the game as flags and
// records the one the player picks in the game's settings.
#include <QApplication>

#include "vernalect/LanguageStore.h"
#include "vernalect/frmVrnlct.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vernalect::frmVrnlct window(QCoreApplication::applicationDirPath() + "/",
                                vernalect::SettingsPath(QProcessEnvironment::systemEnvironment()));
    if (!window.Form_Load()) return 0;
    window.show();
    window.Form_Activate();
    return app.exec();
}
