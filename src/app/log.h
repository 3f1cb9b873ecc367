#pragma once
// The logging category of the app folder's libraries: hellas.app.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
