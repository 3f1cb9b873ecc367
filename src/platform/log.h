#pragma once
// The logging category of the platform folder's libraries: hellas.platform.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
