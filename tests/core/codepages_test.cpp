#include "core/codepages.h"

#include <gtest/gtest.h>

namespace {

struct Sample {
    int codePage;
    QByteArray bytes;
    QString text;
};

// Letters each code page exists for, and its own punctuation.
const Sample kSingleByte[] = {
    {1252, "\x80\x93\xE9", u"€“é"_qs},
    {1253, "\xCF \xD0\xE1\xF1\xE8\xE5\xED\xFE\xED\xE1\xF2", u"Ο Παρθενώνας"_qs},
    {1253, "\xA2\xAB\xBB\x96", u"Ά«»–"_qs},
    {1250, "\x8A\xE8\xF8", u"Ščř"_qs},
    {1251, "\xCF\xB8\xF2\xF0", u"Пётр"_qs},
    {1254, "\xD0\xFD\xDE", u"ĞıŞ"_qs},
    {1257, "\xC0\xE8", u"Ąč"_qs},
    {1255, "\xF9\xEC\xE5\xED", u"שלום"_qs},
    {1256, "\xC7\xE1", u"ال"_qs},
    {1258, "\xD5\xF0", u"Ơđ"_qs},
    {874, "\xA1\xD2", u"กา"_qs},
};

} // namespace

TEST(CodePages, CharacteristicLettersDecodeAndEncodeBothWays) {
    for (const Sample &s : kSingleByte) {
        SCOPED_TRACE(s.codePage);
        EXPECT_EQ(fromCodePage(s.codePage, s.bytes.constData(), s.bytes.size()), s.text);
        EXPECT_EQ(toCodePage(s.codePage, s.text), s.bytes);
        EXPECT_TRUE(codePageHolds(s.codePage, s.text));
    }
    // The double-byte code pages of East Asia are read, two bytes a character.
    const Sample doubleByte[] = {{932, "\x93\xFA\x96\x7B", u"日本"_qs},
                                 {949, "\xC7\xD1\xB1\xB9", u"한국"_qs},
                                 {936, "\xD6\xD0\xCE\xC4", u"中文"_qs},
                                 {950, "\xA4\xA4\xA4\xE5", u"中文"_qs},
                                 // a lead byte cut off at the end
                                 {932, "a\x93\xFA\x93", u"a日\uFFFD"_qs}};
    for (const Sample &s : doubleByte)
        EXPECT_EQ(fromCodePage(s.codePage, s.bytes.constData(), s.bytes.size()), s.text) << s.codePage;
    // Symbol fonts keep their glyph codes; unknown code pages and Johab, which
    // Qt cannot convert, read as Windows-1252.
    EXPECT_EQ(fromCodePage(kSymbolCodePage, "A\xB7", 2), u"\uF041\uF0B7"_qs);
    EXPECT_EQ(fromCodePage(1361, "\x80\xE9", 2), u"€é"_qs);
    EXPECT_EQ(fromCodePage(99999, "\x80\xE9", 2), u"€é"_qs);
    EXPECT_EQ(toCodePage(1253, u"Φειδίας é 日"_qs), QByteArray("\xD6\xE5\xE9\xE4\xDF\xE1\xF2 ? ?"));
}

// Every byte the code page defines comes back as itself; the bytes it leaves
// undefined read as U+FFFD, as many as the published mapping leaves out (a
// table shifted by one place or with a wrong value fails here).
TEST(CodePages, EveryDefinedUpperByteRoundTripsAndTheUndefinedOnesAreReplaced) {
    const std::pair<int, int> undefinedBytes[] = {{1252, 0},  {1250, 5}, {1251, 1},  {1253, 17}, {1254, 7},
                                                  {1255, 23}, {1256, 0}, {1257, 12}, {1258, 9},  {874, 31}};
    for (const auto &[codePage, expectedUndefined] : undefinedBytes) {
        SCOPED_TRACE(codePage);
        int undefined = 0;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char in = char(byte);
            const QString text = fromCodePage(codePage, &in, 1);
            ASSERT_EQ(text.size(), 1);
            if (text[0] == QChar(0xFFFD)) {
                ++undefined;
                continue;
            }
            EXPECT_EQ(toCodePage(codePage, text), QByteArray(1, in)) << byte;
            EXPECT_GE(text[0].unicode(), 0x80) << byte;
        }
        EXPECT_EQ(undefined, expectedUndefined);
        EXPECT_FALSE(codePageHolds(codePage, u"\uFFFD"_qs));
    }
}

TEST(CodePages, CharsetsNameTheirCodePagesAndTextTakesTheFirstSetThatHoldsIt) {
    const std::pair<int, int> charsets[] = {
        {0, 1252},   {1, 1252},   {2, kSymbolCodePage}, {161, 1253}, {238, 1250}, {204, 1251},
        {162, 1254}, {186, 1257}, {177, 1255},          {178, 1256}, {163, 1258}, {222, 874},
        {128, 932},  {129, 949},  {134, 936},           {136, 950},  {77, 1252}};
    for (const auto &[charset, codePage] : charsets)
        EXPECT_EQ(codePageOfCharset(charset), codePage) << charset;

    const std::pair<QString, int> texts[] = {{u"Phidias é"_qs, 0},  {u"Ο Φειδίας – «Ζευς»"_qs, 161},
                                             {u"Łódź"_qs, 238},     {u"Фидий"_qs, 204},
                                             {u"İstanbul"_qs, 162}, {u"Rīga"_qs, 186},
                                             {u"שלום"_qs, 177},     {u""_qs, 0},
                                             {u"Ο Фидий"_qs, -1},   {u"日本"_qs, -1}};
    for (const auto &[text, charset] : texts)
        EXPECT_EQ(charsetForText(text), charset) << text.toStdString();
}
