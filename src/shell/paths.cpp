#include "shell/paths.h"

#include <QDir>

QString contentPath(const QString &programPath) {
    QString path = programPath;
    path.replace(u'\\', u'/');
    return QDir::toNativeSeparators(path);
}
