#include "shell/textfields.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

std::vector<QString> allFields(const QString &text) {
    FieldReader reader(text);
    std::vector<QString> fields;
    while (auto field = reader.next()) fields.push_back(*field);
    return fields;
}

} // namespace

TEST(FieldReading, EachLineIsOneFieldAndCommasSplitFields) {
    EXPECT_EQ(allFields(u"one\r\ntwo,three\r\n"_qs), (std::vector<QString>{u"one"_qs, u"two"_qs, u"three"_qs}));
}

TEST(FieldReading, BlanksInFrontAreSkippedAndABlankLineGivesOneEmptyField) {
    EXPECT_EQ(allFields(u"   padded\r\n \r\n\r\nlast"_qs),
              (std::vector<QString>{u"padded"_qs, u""_qs, u""_qs, u"last"_qs}));
}

TEST(FieldReading, AQuotedFieldRunsToTheClosingQuoteAcrossCommas) {
    EXPECT_EQ(allFields(u"\"Rome, Athens\" tail,next\r\n"_qs),
              (std::vector<QString>{u"Rome, Athens"_qs, u"next"_qs}));
}

TEST(FieldReading, ACommaAtTheEndOfALineLeavesAnEmptyField) {
    EXPECT_EQ(allFields(u"a,\r\nb"_qs), (std::vector<QString>{u"a"_qs, u""_qs, u"b"_qs}));
}

TEST(FieldReading, ReadingPastTheEndFails) {
    FieldReader reader(u"only\r\n"_qs);
    EXPECT_TRUE(reader.next());
    EXPECT_FALSE(reader.next());
}

TEST(FieldReading, NumbersMayHaveBlanksButNotLetters) {
    FieldReader reader(u" 3 \r\nthree\r\nnan\r\n"_qs);
    EXPECT_EQ(reader.nextNumber(), 3.0);
    EXPECT_FALSE(reader.nextNumber());
    EXPECT_FALSE(reader.nextNumber());
}

TEST(TextDecoding, ValidUtf8IsReadAsUtf8) {
    EXPECT_EQ(decodeText(QByteArray("Parthen\xC3\xB3n")), u"Parthen\u00F3n"_qs);
}

TEST(TextDecoding, OtherBytesAreReadAsWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("caf\xE9 \x80 \x93quoted\x94")), u"caf\u00E9 \u20AC \u201Cquoted\u201D"_qs);
}

TEST(CommaEscape, CommasAreStoredAsAmpersandsAndComeBackAsCommas) {
    EXPECT_EQ(escapeCommas(u"Rome, Athens"_qs), u"Rome& Athens"_qs);
    EXPECT_EQ(unescapeCommas(u"Bread & olives"_qs), u"Bread , olives"_qs);
}

TEST(TextDecoding, TheByteLimitCutsOnlyAnIncompleteCharacter) {
    QByteArray complete("ab\xCE\xB1");
    QBuffer whole(&complete);
    whole.open(QIODevice::ReadOnly);
    EXPECT_EQ(FieldReader::fromDevice(whole, 4).next(), u"ab\u03B1"_qs);

    QByteArray cut("abc\xCE\xB1");
    QBuffer partial(&cut);
    partial.open(QIODevice::ReadOnly);
    EXPECT_EQ(FieldReader::fromDevice(partial, 4).next(), u"abc"_qs);
}
