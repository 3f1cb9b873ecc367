#include "shell/textfields.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QStringList allFields(const QString &text) {
    FieldReader reader(text);
    QStringList fields;
    while (auto field = reader.next()) fields.append(*field);
    return fields;
}

} // namespace

TEST(FieldReading, LinesAndCommasSplitFieldsAsTheQuestionSetReaderDoes) {
    const std::pair<QString, QStringList> cases[] = {
        {u"one\r\ntwo,three\r\n"_qs, {u"one"_qs, u"two"_qs, u"three"_qs}},
        // Blanks in front are skipped; a blank line is one empty field.
        {u"   padded\r\n \r\n\r\nlast"_qs, {u"padded"_qs, u""_qs, u""_qs, u"last"_qs}},
        {u"\"Rome, Athens\" tail,next\r\n"_qs, {u"Rome, Athens"_qs, u"next"_qs}},
        {u"a,\r\nb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        {u"only\r\n"_qs, {u"only"_qs}}}; // and reading past the end fails
    for (const auto &[text, fields] : cases)
        EXPECT_EQ(allFields(text), fields) << text.toStdString();
}

TEST(FieldReading, NumbersMayHaveBlanksButNotLetters) {
    FieldReader reader(u" 3 \r\nthree\r\nnan\r\n"_qs);
    EXPECT_EQ(reader.nextNumber(), 3.0);
    EXPECT_FALSE(reader.nextNumber());
    EXPECT_FALSE(reader.nextNumber());
}

TEST(TextDecoding, ValidUtf8IsReadAsUtf8AndOtherBytesAsWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("Parthen\xC3\xB3n")), u"Parthen\u00F3n"_qs);
    EXPECT_EQ(decodeText(QByteArray("caf\xE9 \x80 \x93quoted\x94")), u"caf\u00E9 \u20AC \u201Cquoted\u201D"_qs);
}

TEST(CommaEscape, CommasAreStoredAsAmpersandsAndComeBackAsCommas) {
    EXPECT_EQ(escapeCommas(u"Rome, Athens"_qs), u"Rome& Athens"_qs);
    EXPECT_EQ(unescapeCommas(u"Bread & olives"_qs), u"Bread , olives"_qs);
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
