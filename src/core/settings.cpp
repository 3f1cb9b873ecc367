#include "core/settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString launchSetting(const QString &key) {
    const QString file = QStringLiteral("lives-of-hellas/lives-of-hellas.conf");
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString path = folder + u'/' + file;
        if (!QFileInfo::exists(path)) continue;
        const QSettings settings(path, QSettings::IniFormat);
        const QVariant value = settings.value(key);
        if (value.isValid()) return value.toString();
    }
    return {};
}
