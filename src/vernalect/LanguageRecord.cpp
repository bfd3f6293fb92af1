#include "vernalect/LanguageRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vernalect {

QString SettingsPath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(base + "/kestrava");
    return base + "/kestrava/settings.ini";
}

namespace {
// The game keeps group and key names in lower case and lists a section's keys, in their own
// spelling, under ".order".
void Write(QSettings& s, const QString& key, const QString& value) {
    const QString group = QStringLiteral("kestravaforwindows9x/language");
    s.setValue(group + "/" + key.toLower(), value);
    QStringList order = s.value(group + "/.order").toStringList();
    bool found = false;
    for (const QString& k : order)
        if (k.compare(key, Qt::CaseInsensitive) == 0) found = true;
    if (!found) {
        order << key;
        s.setValue(group + "/.order", order);
    }
}
}  // namespace

bool RecordLanguage(const QString& settingsPath, const QString& languageFolder, const QString& language,
                    const QString& fileName) {
    if (!QFileInfo::exists(languageFolder + fileName)) return false;
    QSettings s(settingsPath, QSettings::IniFormat);
    Write(s, language, fileName);
    Write(s, QStringLiteral("Current"), language);
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace vernalect
