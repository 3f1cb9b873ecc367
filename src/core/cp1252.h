#pragma once
// Windows-1252, the code page of files written by older Windows copies of the
// program and of the text in metafiles: the one table of it.

#include <QByteArray>
#include <QString>

QString fromCp1252(const char *bytes, qsizetype length);
inline QString fromCp1252(const QByteArray &bytes) { return fromCp1252(bytes.constData(), bytes.size()); }
// The Windows-1252 byte of a character, or -1 when it has none.
int cp1252Byte(char16_t c);
// A character outside the code page becomes "?".
QByteArray toCp1252(const QString &text);
