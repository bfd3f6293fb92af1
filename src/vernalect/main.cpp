// Vernalect: records the game's language in the settings the game reads.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "vernalect/LanguageRecord.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + "/LANGUAGE/";
    return vernalect::RecordLanguage(vernalect::SettingsPath(), folder, "US English", "English.lng") ? 0 : 1;
}
