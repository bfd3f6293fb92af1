#pragma once
// The section "Language" of the game's settings file, read and written as the game keeps it:
// an INI file in the user's configuration folder, group and key names in lower case, and the
// keys' own spelling and order listed under ".order".
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vernalect {

// The game's settings file in the environment `env`: XDG_CONFIG_HOME (when it is an absolute
// path), else HOME/.config, + "/kestrava/settings.ini".
QString SettingsPath(const QProcessEnvironment& env);

class LanguageStore {
public:
    explicit LanguageStore(QString settingsFile) : file_(std::move(settingsFile)) {}

    // Every value of the section in stored order (key in its own spelling, value).
    std::vector<std::pair<QString, QString>> ReadAll() const;
    QString Value(const QString& key) const;
    // Writes one value; false when the file could not be written.
    bool Write(const QString& key, const QString& value);

    const QString& File() const { return file_; }

private:
    QString file_;
};

}  // namespace vernalect
