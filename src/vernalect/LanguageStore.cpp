#include "vernalect/LanguageStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vernalect {
namespace {

const QString kGroup = QStringLiteral("kestravaforwindows9x/language");

// A name as the game stores it: lower case; "%", "/" and a leading "." escaped; "" as "%".
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

}  // namespace

QString SettingsPath(const QProcessEnvironment& env) {
    const QString xdg = env.value(QStringLiteral("XDG_CONFIG_HOME"));
    QString base;
    if (xdg.startsWith(u'/')) {
        base = xdg;
    } else {
        const QString home = env.value(QStringLiteral("HOME"));
        base = (home.isEmpty() ? QStringLiteral("/tmp") : home) + "/.config";
    }
    while (base.size() > 1 && base.endsWith(u'/')) base.chop(1);
    return base + "/kestrava/settings.ini";
}

std::vector<std::pair<QString, QString>> LanguageStore::ReadAll() const {
    std::vector<std::pair<QString, QString>> out;
    QSettings s(file_, QSettings::IniFormat);
    for (const QString& key : s.value(kGroup + "/.order").toStringList()) {
        const QString full = kGroup + "/" + StoredName(key);
        if (s.contains(full)) out.emplace_back(key, s.value(full).toString());
    }
    return out;
}

QString LanguageStore::Value(const QString& key) const {
    QSettings s(file_, QSettings::IniFormat);
    return s.value(kGroup + "/" + StoredName(key)).toString();
}

bool LanguageStore::Write(const QString& key, const QString& value) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(kGroup + "/" + StoredName(key), value);
    QStringList order = s.value(kGroup + "/.order").toStringList();
    bool found = false;
    for (const QString& k : order)
        if (k.compare(key, Qt::CaseInsensitive) == 0) found = true;
    if (!found) {
        order << key;
        s.setValue(kGroup + "/.order", order);
    }
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace vernalect
