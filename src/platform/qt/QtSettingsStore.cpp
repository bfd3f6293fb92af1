#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace kv {

QString QtSettingsStore::DefaultPath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(base + "/kestrava");
    return base + "/kestrava/settings.ini";
}

QtSettingsStore::QtSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path.isEmpty() ? DefaultPath() : path, QSettings::IniFormat)) {}

// Application and section become one group path; "\" in an application name separates levels.
// Names are kept in lower case so that look-ups do not depend on case, as on the desktop store.
QString QtSettingsStore::Group(const std::string& app, const std::string& section) const {
    QString g = QString::fromStdString(app + "\\" + section).toLower();
    g.replace('\\', '/');
    return g;
}

QString QtSettingsStore::FindKey(const QString& group, const std::string& key) const {
    return group + "/" + QString::fromStdString(key).toLower();
}

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key, const std::string& def) const {
    QString k = FindKey(Group(app, section), key);
    if (!settings_->contains(k)) return def;
    return settings_->value(k).toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    QString group = Group(app, section);
    settings_->setValue(FindKey(group, key), QString::fromStdString(value));
    // Keep the key's own spelling and order for listing the section.
    QString order = group + "/.order";
    QStringList keys = settings_->value(order).toStringList();
    QString spelled = QString::fromStdString(key);
    bool found = false;
    for (const QString& k : keys)
        if (k.compare(spelled, Qt::CaseInsensitive) == 0) found = true;
    if (!found) {
        keys << spelled;
        settings_->setValue(order, keys);
    }
}

void QtSettingsStore::DeleteSetting(const std::string& app, const std::string& section,
                                    const std::string& key) {
    QString group = Group(app, section);
    if (key.empty()) {
        settings_->remove(group);
        return;
    }
    settings_->remove(FindKey(group, key));
    QString order = group + "/.order";
    QStringList keys = settings_->value(order).toStringList();
    QString spelled = QString::fromStdString(key);
    keys.removeIf([&](const QString& k) { return k.compare(spelled, Qt::CaseInsensitive) == 0; });
    if (keys.isEmpty()) settings_->remove(order);
    else settings_->setValue(order, keys);
}

std::vector<std::pair<std::string, std::string>> QtSettingsStore::GetAllSettings(
    const std::string& app, const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    QString group = Group(app, section);
    QStringList keys = settings_->value(group + "/.order").toStringList();
    for (const QString& k : keys) {
        QString full = group + "/" + k.toLower();
        if (settings_->contains(full))
            out.emplace_back(k.toStdString(), settings_->value(full).toString().toStdString());
    }
    return out;
}

bool QtSettingsStore::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace kv
