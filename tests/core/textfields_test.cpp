#include "core/textfields.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <tuple>

namespace {

QStringList allFields(const QString &text) {
    FieldReader reader(text);
    QStringList fields;
    while (auto field = reader.next()) fields.append(*field);
    return fields;
}

} // namespace

TEST(FieldReading, LinesAndCommasSplitFieldsAndNumbersAsTheQuestionSetReaderDoes) {
    const std::pair<QString, QStringList> cases[] = {
        {u"one\r\ntwo,three\r\n"_qs, {u"one"_qs, u"two"_qs, u"three"_qs}},
        // Blanks in front are skipped; a blank line is one empty field.
        {u"   padded\r\n \r\n\r\nlast"_qs, {u"padded"_qs, u""_qs, u""_qs, u"last"_qs}},
        {u"\"Rome, Athens\" tail,next\r\n"_qs, {u"Rome, Athens"_qs, u"next"_qs}},
        {u"a,\r\nb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        // Only blanks are skipped and dropped, not tabs.
        {u"\tTabbed\t\r\n  x\t  \r\n"_qs, {u"\tTabbed\t"_qs, u"x\t"_qs}},
        // A quote never closed ends with its line, not with the file.
        {u"\"Know thyself\r\nnext\r\n"_qs, {u"Know thyself"_qs, u"next"_qs}},
        {u"only\r\n"_qs, {u"only"_qs}}}; // and reading past the end fails
    for (const auto &[text, fields] : cases)
        EXPECT_EQ(allFields(text), fields) << text.toStdString();
    // Numbers may have blanks but not letters.
    FieldReader reader(u" 3 \r\nthree\r\nnan\r\n"_qs);
    EXPECT_EQ(reader.nextNumber(), 3.0);
    EXPECT_FALSE(reader.nextNumber());
    EXPECT_FALSE(reader.nextNumber());
}

TEST(TextDecoding, ValidUtf8IsReadAsUtf8AndOtherBytesAsWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("Parthen\xC3\xB3n")), u"Parthen\u00F3n"_qs);
    EXPECT_EQ(decodeText(QByteArray("caf\xE9 \x80 \x93quoted\x94")), u"caf\u00E9 \u20AC \u201Cquoted\u201D"_qs);
    // Line by line, each line is judged on its own bytes; the line ends stay.
    EXPECT_EQ(decodeLines("\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\nD\xE9los\r"),
              u" 2 \r\nCaf\u00E9\nD\u00E9los\r"_qs);
    // A character cut short at the end of a line is not UTF-8.
    EXPECT_EQ(decodeLines("\xC9\r\nx\xC3"), u"\u00C9\r\nx\u00C3"_qs);
}

TEST(TextEncoding, Windows1252WhereEveryCharacterFitsAndReadsBackElseUtf8) {
    const std::pair<QString, QByteArray> cases[] = {
        {u"Caf\u00E9 \u20AC5 \u201Cquoted\u201D"_qs, "Caf\xE9 \x80"
                                                     "5 \x93quoted\x94"},
        {u"Plain"_qs, "Plain"},
        {u"\u03A6\u03B5 caf\u00E9"_qs, "\xCE\xA6\xCE\xB5 caf\xC3\xA9"},
        // In Windows-1252 these would pass for the UTF-8 of "\u00E9".
        {u"\u00C3\u00A9"_qs, "\xC3\x83\xC2\xA9"},
        // The text's own mark stays behind the file's.
        {u"\uFEFFx"_qs, "\xEF\xBB\xBF\xEF\xBB\xBFx"}};
    for (const auto &[text, bytes] : cases) {
        EXPECT_EQ(encodeText(text), bytes) << text.toStdString();
        EXPECT_EQ(decodeText(encodeText(text)), text) << text.toStdString();
    }
    EXPECT_EQ(encodeLine(u"\uFEFFx"_qs), QByteArray("\xEF\xBB\xBFx"));
    EXPECT_EQ(decodeLine("\xEF\xBB\xBFx"), u"\uFEFFx"_qs);
    EXPECT_TRUE(fitsWindows1252(u"\u0152\u00FF\u0081"_qs));
    EXPECT_FALSE(fitsWindows1252(u"\u0100"_qs));
}

TEST(TextLines, EveryTextReadsBackExactlyAndOlderReadersSeeItNearly) {
    const QString nbsp(QChar(0x00A0));
    // text, its line, what a reader that knows only quoted fields takes from it
    const std::tuple<QString, QString, QString> cases[] = {
        {u"Plain text"_qs, u"Plain text"_qs, u"Plain text"_qs},
        {u"Middle \"quote\" end\""_qs, u"Middle \"quote\" end\""_qs, u"Middle \"quote\" end\""_qs},
        {u"\tTab"_qs, u"\tTab"_qs, u"\tTab"_qs},
        {QString(), QString(), QString()},
        {u" padded  "_qs, u"\" padded  \""_qs, u" padded  "_qs},
        {u"   "_qs, u"\"   \""_qs, u"   "_qs},
        {u"\"Know thyself"_qs, nbsp + u"\"Know thyself"_qs, nbsp + u"\"Know thyself"_qs},
        {u"\"Gnothi\" seauton"_qs, nbsp + u"\"Gnothi\" seauton"_qs, nbsp + u"\"Gnothi\" seauton"_qs},
        {u" \"x\" "_qs, nbsp + u" \"x\" "_qs, nbsp + u" \"x\""_qs},
        {nbsp + u"lead"_qs, u"\""_qs + nbsp + u"lead\""_qs, nbsp + u"lead"_qs},
        {nbsp + u"\"x"_qs, nbsp + nbsp + u"\"x"_qs, nbsp + nbsp + u"\"x"_qs}};
    for (const auto &[text, line, older] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(textLine(text), line);
        FieldReader reader(line + u"\r\nnext\r\n"_qs);
        EXPECT_EQ(reader.nextText(), text);
        EXPECT_EQ(reader.nextText(), u"next"_qs);
        EXPECT_EQ(FieldReader(line + u"\r\n"_qs).next(), older);
    }
}

TEST(TextDecoding, TheByteLimitCutsOnlyAnIncompleteCharacter) {
    for (const auto &[bytes, first] : {std::pair{QByteArray("ab\xCE\xB1"), u"ab\u03B1"_qs},
                                       std::pair{QByteArray("abc\xCE\xB1"), u"abc"_qs}}) {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(FieldReader::fromDevice(buffer, 4).next(), first);
    }
}
