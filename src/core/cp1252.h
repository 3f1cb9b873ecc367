#pragma once
// Windows-1252, the code page of the text in the metafiles this program reads and writes.

#include <QByteArray>
#include <QString>

namespace wmf {

QString fromCp1252(const char *bytes, qsizetype length);
// A character outside the code page becomes "?".
QByteArray toCp1252(const QString &text);

} // namespace wmf
