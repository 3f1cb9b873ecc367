#include "core/codepages.h"

#include <gtest/gtest.h>

// Letters in the code page of each font character set: letters each exists
// for, and its own punctuation. The double-byte code pages of East Asia are
// read, two bytes a character, a lead byte cut off at the end read as U+FFFD;
// Symbol fonts keep their glyph codes; Johab, which Qt cannot convert, and
// unknown sets read as Windows-1252.
TEST(CodePages, EachCharacterSetsLettersDecodeAndEncodeBothWaysInItsCodePage) {
    const struct {
        int charset;
        QByteArray bytes;
        QString text;
    } singleByte[] = {{0, "\x80\x93\xE9", u"€“é"_qs},
                      {161, "\xCF \xD0\xE1\xF1\xE8\xE5\xED\xFE\xED\xE1\xF2", u"Ο Παρθενώνας"_qs},
                      {161, "\xA2\xAB\xBB\x96", u"Ά«»–"_qs},
                      {238, "\x8A\xE8\xF8", u"Ščř"_qs},
                      {204, "\xCF\xB8\xF2\xF0", u"Пётр"_qs},
                      {162, "\xD0\xFD\xDE", u"ĞıŞ"_qs},
                      {186, "\xC0\xE8", u"Ąč"_qs},
                      {177, "\xF9\xEC\xE5\xED", u"שלום"_qs},
                      {178, "\xC7\xE1", u"ال"_qs},
                      {163, "\xD5\xF0", u"Ơđ"_qs},
                      {222, "\xA1\xD2", u"กา"_qs}},
      readOnly[] = {{128, "\x93\xFA\x96\x7B", u"日本"_qs},
                    {129, "\xC7\xD1\xB1\xB9", u"한국"_qs},
                    {134, "\xD6\xD0\xCE\xC4", u"中文"_qs},
                    {136, "\xA4\xA4\xA4\xE5", u"中文"_qs},
                    {128, "a\x93\xFA\x93", u"a日\uFFFD"_qs},
                    {2, "A\xB7", u"\uF041\uF0B7"_qs},
                    {130, "\x80\xE9", u"€é"_qs},
                    {1, "\x80\xE9", u"€é"_qs},
                    {77, "\x80\xE9", u"€é"_qs}};
    for (const auto &s : singleByte) {
        SCOPED_TRACE(s.charset);
        const int codePage = codePageOfCharset(s.charset);
        EXPECT_EQ(fromCodePage(codePage, s.bytes.constData(), s.bytes.size()), s.text);
        EXPECT_EQ(toCodePage(codePage, s.text), s.bytes);
        EXPECT_TRUE(codePageHolds(codePage, s.text));
    }
    for (const auto &s : readOnly)
        EXPECT_EQ(fromCodePage(codePageOfCharset(s.charset), s.bytes.constData(), s.bytes.size()), s.text)
            << s.charset;
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

// What the writer gives a font for its text: the first character set whose
// code page holds all of it, or none (-1).
TEST(CodePages, TextTakesTheFirstCharacterSetThatHoldsIt) {
    const std::pair<QString, int> texts[] = {{u"Phidias é"_qs, 0},  {u"Ο Φειδίας – «Ζευς»"_qs, 161},
                                             {u"Łódź"_qs, 238},     {u"Фидий"_qs, 204},
                                             {u"İstanbul"_qs, 162}, {u"Rīga"_qs, 186},
                                             {u"שלום"_qs, 177},     {u""_qs, 0},
                                             {u"Ο Фидий"_qs, -1},   {u"日本"_qs, -1}};
    for (const auto &[text, charset] : texts)
        EXPECT_EQ(charsetForText(text), charset) << text.toStdString();
}
