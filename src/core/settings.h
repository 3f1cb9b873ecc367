#pragma once
// The settings files: "lives-of-hellas/lives-of-hellas.conf" in the user's and
// the system's configuration folders.

#include <QString>

// A value of the [General] section of the settings files: the user's file
// wins over the system's ($XDG_CONFIG_DIRS, by default /etc/xdg). Empty when
// no file sets it.
QString launchSetting(const QString &key);
