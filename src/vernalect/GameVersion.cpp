#include "vernalect/GameVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace vernalect {

QString DataFolder(const QString& programFolder) {
    if (QFileInfo(programFolder + "LANGUAGE").isDir()) return programFolder;
    const QString shared = QDir::cleanPath(programFolder + "../share/kestrava") + "/";
    if (QFileInfo(shared + "LANGUAGE").isDir()) return shared;
    return programFolder;
}

QString KestravaVersion(const QString& programFolder) {
    if (!QFileInfo(programFolder + "kestrava").isFile()) return QStringLiteral("0");
    QFile f(DataFolder(programFolder) + "kestrava.version");
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("0");
    const QString text = QString::fromUtf8(f.readLine(64)).trimmed();
    static const QRegularExpression pattern(QStringLiteral("^\\d+(\\.\\d+){0,3}$"));
    return pattern.match(text).hasMatch() ? text : QStringLiteral("0");
}

bool VersionAtLeast(const QString& version, int major, int minor) {
    const QStringList parts = version.split(u'.');
    bool ok = false;
    const int maj = parts.value(0).toInt(&ok);
    if (!ok) return false;
    const int min = parts.size() > 1 ? parts[1].toInt(&ok) : 0;
    if (!ok) return false;
    return maj > major || (maj == major && min >= minor);
}

}  // namespace vernalect
