#pragma once
// Reads a text file field by field, the way the question set and catalogue files are laid out.

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// Decodes file bytes: UTF-8 where the bytes are valid UTF-8, else Windows-1252
// (files written by older Windows copies of the program). A byte order mark
// at the start is dropped.
QString decodeText(const QByteArray &bytes);
// Decodes a file whose lines may have been written by different programs:
// each line is UTF-8 where its own bytes are valid UTF-8, else Windows-1252.
// The line ends are kept as they were.
QString decodeLines(const QByteArray &bytes);
// One line's bytes, without its line end, decoded as decodeLines decodes it.
QString decodeLine(const QByteArray &bytes);

// True when every character of the text has a byte of its own in Windows-1252.
bool fitsWindows1252(const QString &text);
// A whole file: Windows-1252 where every character fits, so that older copies
// can read it, and UTF-8 only where one does not. Windows-1252 bytes that would
// read as valid UTF-8 are written as UTF-8 instead, so the text always reads
// back as it was.
QByteArray encodeText(const QString &text);
// One line of a file that decodeLines reads: chosen the same way, on the line alone.
QByteArray encodeLine(const QString &text);

// Reads what the open device holds, up to the limit, and closes nothing. A
// multi-byte character cut by the limit is left out.
QByteArray readLimited(QIODevice &device, qint64 byteLimit);

class FieldReader {
  public:
    // Files of this program are small; reading stops at this many bytes so a
    // damaged or hostile file cannot exhaust memory.
    static constexpr qint64 DefaultByteLimit = 4 * 1024 * 1024;

    explicit FieldReader(QString text);
    // Reads what the open device holds (up to the limit) and closes nothing:
    // the caller that opened the device closes it.
    static FieldReader fromDevice(QIODevice &device, qint64 byteLimit = DefaultByteLimit);

    // The next field, or nothing at the end of the text (a read failure).
    // A field ends at a comma or a line end; blanks in front are skipped; a
    // blank line gives one empty field; a field that begins with a double
    // quote runs to the closing quote, or to the end of its line when the
    // quote is never closed. Blanks at the end of an unquoted field are
    // dropped. Only the blank (space) counts as a blank, not the tab.
    std::optional<QString> next();
    // The next field as textLine() wrote it: as next(), except that an
    // unquoted field that begins with a no-break space loses that one
    // character and keeps its blanks at the end.
    std::optional<QString> nextText();
    // The next field as a number: blanks around the digits are allowed,
    // anything else fails.
    std::optional<double> nextNumber();
    bool atEnd() const;

  private:
    std::optional<QString> read(bool marked);

    QString text_;
    qsizetype pos_ = 0;
};

// A text without commas or line breaks as the one field of a line, written so
// that nextText() gives back exactly the text, and so that older readers,
// which know only the quoted field, read the same text or very nearly:
// - as it is, when nothing in it would be read otherwise;
// - in double quotes, when it has blanks at either end or begins with a
//   no-break space, and holds no double quote;
// - behind one no-break space otherwise: a text that begins with a double
//   quote, or holds one and has blanks at an end. Older readers show the
//   no-break space as a blank in front.
QString textLine(const QString &text);

// The comma escape of question set files: a comma is stored as "&".
QString escapeCommas(const QString &text);
QString unescapeCommas(const QString &text);
