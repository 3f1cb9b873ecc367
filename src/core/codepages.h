#pragma once
// The Windows code pages: Windows-1252, the code page of files written by
// older Windows copies of the program, and the code pages a metafile font's
// character set names for its 8-bit text. The one table of them.

#include <QByteArray>
#include <QString>

// Decodes bytes of a code page. The single-byte code pages 874 and 1250 to
// 1258 come from the tables here, a byte the code page leaves undefined
// becoming U+FFFD (Windows-1252 keeps its five undefined bytes as their own
// values, as Windows decodes them). The double-byte code pages of East Asia,
// 932, 936, 949 and 950, go through Qt's converters, a lead byte cut off at the
// end becoming U+FFFD. The symbol code page (42) gives every byte its glyph
// code, U+F000 plus the byte, as Windows does. Any other code page, and a
// double-byte one Qt cannot convert (Johab, 1361), is read as Windows-1252.
QString fromCodePage(int codePage, const char *bytes, qsizetype length);
inline constexpr int kSymbolCodePage = 42;
// Encodes into one of the single-byte code pages above (Windows-1252 for any
// other); a character the code page has no byte for becomes "?".
QByteArray toCodePage(int codePage, const QString &text);
// True when every character of the text has a byte of its own in the
// single-byte code page.
bool codePageHolds(int codePage, const QString &text);
// True when the byte starts a two-byte character in the double-byte code page.
bool isLeadByte(int codePage, unsigned char byte);

// The code page of a font's character set (a LOGFONT's lfCharSet): ANSI (0),
// DEFAULT (1) and any set not named here are Windows-1252; SYMBOL (2) is the
// symbol code page 42.
int codePageOfCharset(int charset);
// The character set to write a run of text with: ANSI (0) when Windows-1252
// holds it, else the first of Greek, Central European, Cyrillic, Turkish,
// Baltic, Hebrew, Arabic, Vietnamese and Thai whose code page holds it; -1
// when no single one does.
int charsetForText(const QString &text);

QString fromCp1252(const char *bytes, qsizetype length);
inline QString fromCp1252(const QByteArray &bytes) { return fromCp1252(bytes.constData(), bytes.size()); }
// The Windows-1252 byte of a character, or -1 when it has none.
int cp1252Byte(char16_t c);
// A character outside the code page becomes "?".
QByteArray toCp1252(const QString &text);
