#pragma once
// The logging category of the wmf folder's libraries: hellas.wmf.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWmf)
