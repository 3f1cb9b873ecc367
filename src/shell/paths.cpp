#include "shell/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Content made on Windows is named without regard to letter case ("images\homersm.jpg"
// and "Images\homersm.jpg" are one file there): where the exact name is not found,
// each part of the path is matched ignoring case.
QString matchIgnoringCase(const QString &path) {
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QDir dir = path.startsWith(u'/') ? QDir::root() : QDir::current();
    QString found = path.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    part = entry;
                    break;
                }
            }
        }
        found += (found.isEmpty() || found.endsWith(u'/') ? QString() : QStringLiteral("/")) + part;
        if (i + 1 < parts.size() && !dir.cd(part)) {
            return path;
        }
    }
    return found;
}

} // namespace

QString contentPath(const QString &programPath) {
    QString path = programPath;
    path.replace(u'\\', u'/');
    if (!QFileInfo::exists(path)) {
        const QString matched = matchIgnoringCase(path);
        if (QFileInfo::exists(matched)) path = matched;
    }
    return QDir::toNativeSeparators(path);
}
