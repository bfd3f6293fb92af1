#include "platform/qt/QtSettingsStore.h"

namespace kv {

QtSettingsStore::QtSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

namespace {
// One name as QSettings stores it: in lower case, so that look-ups do not depend on case, as on
// the desktop store; "%", "/" and a leading "." written as %25, %2F and %2E, so that a name
// never opens a level of its own, never meets the ".order" list and never reads as an escape;
// an empty name as a lone "%". Plain names stay as they are.
QString StoredName(const QString& name) {
    const QString lower = name.toLower();
    if (lower.isEmpty()) return QStringLiteral("%");
    QString out;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower[i];
        if (c == u'%')
            out += QStringLiteral("%25");
        else if (c == u'/')
            out += QStringLiteral("%2F");
        else if (c == u'.' && i == 0)
            out += QStringLiteral("%2E");
        else
            out += c;
    }
    return out;
}

// Removes the value at `key` but keeps the values of a section that lies below a key of the
// same name (QSettings::remove takes both).
void RemoveValueOnly(QSettings& s, const QString& key) {
    s.beginGroup(key);
    QList<std::pair<QString, QVariant>> below;
    for (const QString& k : s.allKeys()) below.append({k, s.value(k)});
    s.endGroup();
    s.remove(key);
    for (const auto& [k, v] : below) s.setValue(key + "/" + k, v);
}
}  // namespace

// Application and section become one group path; "\" in either separates levels, as on the
// desktop store.
QString QtSettingsStore::Group(const std::string& app, const std::string& section) const {
    QStringList levels;
    for (const QString& level : QString::fromStdString(app + "\\" + section).split(u'\\'))
        if (!level.isEmpty()) levels << StoredName(level);
    return levels.join(u'/');
}

QString QtSettingsStore::FindKey(const QString& group, const std::string& key) const {
    return group + "/" + StoredName(QString::fromStdString(key));
}

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                        const std::string& def) const {
    QString k = FindKey(Group(app, section), key);
    if (!settings_->contains(k)) return def;
    return settings_->value(k).toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& value) {
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

void QtSettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    QString group = Group(app, section);
    if (key.empty()) {
        if (section.empty()) {
            // No section named: only the values saved with an empty section name go, which lie
            // directly in the application's group; its sections (and other applications) stay.
            settings_->beginGroup(group);
            const QStringList keys = settings_->childKeys();
            settings_->endGroup();
            for (const QString& k : keys) RemoveValueOnly(*settings_, group.isEmpty() ? k : group + "/" + k);
            return;
        }
        settings_->remove(group);
        return;
    }
    RemoveValueOnly(*settings_, FindKey(group, key));
    QString order = group + "/.order";
    QStringList keys = settings_->value(order).toStringList();
    QString spelled = QString::fromStdString(key);
    keys.removeIf([&](const QString& k) { return k.compare(spelled, Qt::CaseInsensitive) == 0; });
    if (keys.isEmpty())
        settings_->remove(order);
    else
        settings_->setValue(order, keys);
}

std::vector<std::pair<std::string, std::string>> QtSettingsStore::GetAllSettings(const std::string& app,
                                                                                 const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    QString group = Group(app, section);
    QStringList keys = settings_->value(group + "/.order").toStringList();
    for (const QString& k : keys) {
        QString full = FindKey(group, k.toStdString());
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
