#pragma once
// Paths of content and data files, relative to the program's working folder.

#include <QString>

// A program path uses "\" or "/" as separator; both name the same folder.
QString contentPath(const QString &programPath);
