#pragma once
#include <QString>

namespace vernalect {

// The game's settings file (user config folder/kestrava/settings.ini).
QString SettingsPath();

// Records `language` (whose file `fileName` lies in `languageFolder`) as the game's current
// language. Returns false and writes nothing when the file is not installed.
bool RecordLanguage(const QString& settingsPath, const QString& languageFolder, const QString& language,
                    const QString& fileName);

}  // namespace vernalect
