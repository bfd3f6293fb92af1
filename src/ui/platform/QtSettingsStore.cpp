#include "ui/platform/QtSettingsStore.h"

#include <QFile>
#include <QSaveFile>

namespace kv {
namespace {

// The header a line of the settings file stands for when it is a section header that is not
// written as one; nothing for a header as written, a key, a comment or a blank line. The file
// is the store's own: its names never hold "[", "]", "=" or ";" as they stand (QSettings
// writes them escaped), so a line that starts with "[", or holds no "=", can only be a header.
std::optional<QByteArray> MendedHeader(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#')) return std::nullopt;
    const bool opens = t.startsWith('[');
    if (!opens && t.contains('=')) return std::nullopt;
    if (opens && t.endsWith(']') && t.count('[') == 1 && t.count(']') == 1) return std::nullopt;
    QByteArray name = t;
    name.replace('[', QByteArray()).replace(']', QByteArray());
    name = name.trimmed();
    if (name.isEmpty()) return std::nullopt;
    return '[' + name + ']';
}

// Mends the broken section headers of the file at `path` (see the header), keeping the file as
// it was beside it. Nothing when every line is well formed or the file cannot be read.
std::optional<SettingsMend> MendHeaders(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = in.readAll();
    in.close();
    QList<QByteArray> lines = bytes.split('\n');
    std::optional<SettingsMend> mend;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray& line = lines[i];
        const bool cr = line.endsWith('\r');
        const std::optional<QByteArray> header = MendedHeader(cr ? line.chopped(1) : line);
        if (!header) continue;
        if (!mend) mend = SettingsMend{path.toStdString(), static_cast<int>(i + 1), line.trimmed().toStdString(), {}};
        line = *header + (cr ? QByteArray("\r") : QByteArray());
    }
    if (!mend) return std::nullopt;
    const QString copy = path + QStringLiteral(".damaged");
    QFile::remove(copy);
    if (QFile::copy(path, copy)) mend->copy = copy.toStdString();
    // The mended file replaces the old one only once it is whole; without a copy of the old one
    // it is not replaced at all (the settings are read as they stand).
    if (!mend->copy.empty()) {
        QSaveFile out(path);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(lines.join('\n'));
            out.commit();
        }
    }
    return mend;
}

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

QtSettingsStore::QtSettingsStore(const QString& path) : mended_(MendHeaders(path)) {
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

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
