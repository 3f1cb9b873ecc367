#pragma once
// Reads a text file field by field, the way the question set and catalogue files are laid out.

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// Decodes file bytes: UTF-8 where the bytes are valid UTF-8, else Windows-1252
// (files written by older Windows copies of the program).
QString decodeText(const QByteArray &bytes);
QByteArray encodeText(const QString &text);

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
    // quote runs to the closing quote. Blanks at the end of an unquoted
    // field are dropped.
    std::optional<QString> next();
    // The next field as a number: blanks around the digits are allowed,
    // anything else fails.
    std::optional<double> nextNumber();
    bool atEnd() const;

  private:
    QString text_;
    qsizetype pos_ = 0;
};

// The comma escape of question set files: a comma is stored as "&".
QString escapeCommas(const QString &text);
QString unescapeCommas(const QString &text);
