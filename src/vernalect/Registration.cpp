#include "vernalect/Registration.h"

#include <QFile>

#include "vernalect/LanguageStore.h"

namespace vernalect {
namespace {

// A quoted string starting at `pos` (on its opening quote), with \\ and \" escapes; the index
// after its closing quote goes to `end`. False when it is not closed.
bool ReadQuoted(const QString& line, qsizetype pos, QString& out, qsizetype& end) {
    out.clear();
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\\' && i + 1 < line.size()) {
            out += line[++i];
        } else if (c == u'"') {
            end = i + 1;
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

}  // namespace

std::vector<std::pair<QString, QString>> ParseRegistration(const QString& text) {
    std::vector<std::pair<QString, QString>> out;
    bool inLanguage = false;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[')) {
            const QString path = line.mid(1, line.lastIndexOf(u']') - 1);
            inLanguage = path.endsWith(QStringLiteral("KestravaforWindows9x\\Language"), Qt::CaseInsensitive);
            continue;
        }
        if (!inLanguage || !line.startsWith(u'"')) continue;
        QString name, value;
        qsizetype end = 0;
        if (!ReadQuoted(line, 0, name, end)) continue;
        const QString rest = line.mid(end).trimmed();
        if (!rest.startsWith(u'=')) continue;
        const QString quoted = rest.mid(1).trimmed();
        if (!quoted.startsWith(u'"') || !ReadQuoted(quoted, 0, value, end)) continue;
        if (!name.isEmpty()) out.emplace_back(name, value);
    }
    return out;
}

int ImportRegistration(const QString& regFile, LanguageStore& store) {
    QFile f(regFile);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    int written = 0;
    for (const auto& [name, value] : ParseRegistration(QString::fromUtf8(f.readAll())))
        if (store.Write(name, value)) ++written;
    return written;
}

}  // namespace vernalect
