#include "wmf/pagetext.h"
#include "wmf/reader.h"
#include "wmf/writer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace wmf;

namespace {

quint16 wordAt(const QByteArray &b, int at) {
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}
quint32 longAt(const QByteArray &b, int at) {
    return wordAt(b, at) | quint32(wordAt(b, at + 2)) << 16;
}

// Three by two pixels, rows from the top, red green blue each.
const QByteArray kSixPixels = QByteArray::fromHex("ff0000 00ff00 0000ff 102030 405060 708090");

} // namespace

// What other programs rely on in the headers and this reader does not check:
// the placeable header's checksum, the file's size, its largest record and
// its object slots (the box, its units and the closing EOF are read back below).
TEST(WmfWriterFile, HeadersHoldTheChecksumSizeLargestRecordAndSlots) {
    Writer page(10485, 7800);
    page.picture(0, 0, 100, 100, kSixPixels, 3, 2);
    for (int i = 0; i < 50; ++i)
        page.setFont({QStringLiteral("Arial"), 10.0 + i});
    const QByteArray b = page.bytes();
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= wordAt(b, i);
    EXPECT_EQ(wordAt(b, 20), sum);
    EXPECT_EQ(qint64(longAt(b, 22 + 6)) * 2, b.size() - 22);
    // Objects are replaced, never piled up: font, pen and brush and one being swapped in.
    EXPECT_LE(wordAt(b, 22 + 10), 4);
    // The picture record: 3 words, 11 parameter words, 40-byte header, two 12-byte rows.
    EXPECT_EQ(longAt(b, 22 + 12), 3u + 11 + 20 + 12);
}

TEST(WmfWriterFile, WhatTheWriterWritesTheReaderReadsBackAsTheSameDisplayList) {
    Writer w(2000, 1000);
    w.setFont({QStringLiteral("Times New Roman"), 20, 700, true, false});
    w.setTextColour({128, 0, 0});
    w.setTextAlign(HAlign::Centre, VAlign::Top);
    w.textOut(1000, 100, QStringLiteral("Phidias é – “Zeus”"));
    w.setTextAlign(HAlign::Right, VAlign::Bottom);
    w.extTextOut(900, 300, QStringLiteral("abc"), {100, 110, 120});
    w.setPen({0, 0, 255}, 30, PenStyle::Dash);
    w.setBrush({255, 255, 0});
    w.line(0, 0, 100, 200);
    w.rectangle(10, 20, 300, 400);
    w.ellipse(5, 6, 7, 8);
    w.polygon({{0, 0}, {100, 0}, {50, 80}});
    w.setNullPen();
    w.setNullBrush();
    w.polyline({{1, 2}, {3, 4}});
    ASSERT_TRUE(w.picture(500, 500, 300, 200, kSixPixels, 3, 2));

    const ReadResult read = readMetafile(w.bytes());
    ASSERT_TRUE(read.ok()) << problemName(read.problem);

    DisplayList expected{.widthTwips = 2000, .heightTwips = 1000, .placeable = true, .unitsPerInch = 1440};
    const Font font{QStringLiteral("Times New Roman"), -400, 0, 0, 700, true, false, false, 0};
    const TextRun title{.at = {1000, 100},
                        .text = QStringLiteral("Phidias é – “Zeus”"),
                        .font = font,
                        .colour = {128, 0, 0},
                        .horizontal = HAlign::Centre,
                        .vertical = VAlign::Top};
    TextRun spaced = title;
    spaced.at = {900, 300};
    spaced.text = QStringLiteral("abc");
    spaced.horizontal = HAlign::Right;
    spaced.vertical = VAlign::Bottom;
    spaced.dx = {100, 110, 120};
    const auto shape = [&](Shape::Kind kind, std::vector<PointF> points, RectF box = {}, bool drawn = true) {
        Shape s{.kind = kind, .points = std::move(points), .box = box};
        s.pen = drawn ? Pen{PenStyle::Dash, 30, {0, 0, 255}} : Pen{PenStyle::Null, 0, {}};
        s.brush = drawn ? Brush{Brush::Style::Solid, {255, 255, 0}, 0} : Brush{Brush::Style::Null, {}, 0};
        return s;
    };
    const Picture picture{
        .target = {500, 500, 800, 700},
        .bitmap = {3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFF405060, 0xFF708090}},
        .sourceWidth = 3,
        .sourceHeight = 2};
    for (const auto &d : std::initializer_list<decltype(Item::what)>{
             title, spaced, shape(Shape::Kind::Polyline, {{0, 0}, {100, 200}}),
             shape(Shape::Kind::Rectangle, {}, {10, 20, 300, 400}),
             shape(Shape::Kind::Ellipse, {}, {5, 6, 7, 8}),
             shape(Shape::Kind::Polygon, {{0, 0}, {100, 0}, {50, 80}}),
             shape(Shape::Kind::Polyline, {{1, 2}, {3, 4}}, {}, false), picture})
        expected.items.push_back({d, {}});

    EXPECT_TRUE(read.list == expected);
}

TEST(WmfWriterFile, PictureBytesThatDoNotMatchTheSizeAreRefused) {
    Writer w(100, 100);
    EXPECT_FALSE(w.picture(0, 0, 10, 10, kSixPixels, 2, 2));
    EXPECT_FALSE(w.picture(0, 0, 10, 10, kSixPixels, 0, 2));
    EXPECT_FALSE(w.picture(0, 0, 10, 10, kSixPixels, -3, -2));
    EXPECT_TRUE(readMetafile(w.bytes()).list.items.empty());
}

TEST(WmfWriterFile, SaveWritesTheWholeFileInTheCodePageOrReportsWhy) {
    QTemporaryDir dir;
    Writer w(100, 100);
    w.textOut(10, 10, QStringLiteral("Φειδίας Фидий"));
    const QString path = dir.filePath(QStringLiteral("page.wmf"));
    EXPECT_FALSE(w.save(path).has_value());
    const ReadResult read = readMetafileFile(path);
    EXPECT_TRUE(read.ok());
    ASSERT_EQ(read.list.items.size(), 1u);
    // Characters no one code page holds with the rest become question marks.
    EXPECT_EQ(std::get<TextRun>(read.list.items[0].what).text, QStringLiteral("??????? ?????"));
    EXPECT_TRUE(w.save(dir.filePath(QStringLiteral("missing/folder/page.wmf"))).has_value());
}

// Text Windows-1252 cannot hold is written as Windows programs write it: its
// font takes the character set whose code page holds the text, and the reader
// and the page's words give back what went in. A font no text has used yet
// takes the set itself; one already used is followed by a new font of the set.
TEST(WmfWriterFile, TextOfOtherScriptsIsWrittenInTheCodePageOfItsFontAndReadBackTheSame) {
    struct Line {
        QString text;
        bool newFont; // setFont first, as a page layout does for every line
        int charset;
    };
    const Line lines[] = {{u"Ο Παρθενώνας"_qs, true, 161},  {u"Φειδίας, ο γλύπτης"_qs, false, 161},
                          {u"Phidias"_qs, false, 161},      {u"Phidias – “Zeus” é"_qs, false, 0},
                          {u"Žluťoučký kůň"_qs, true, 238}, {u"Фидий и Парфенон"_qs, true, 204},
                          {u"The Parthenon"_qs, true, 0},   {u"Ο Δίας της Ολυμπίας"_qs, false, 161}};
    Writer w(6000, 4000);
    QString expected;
    int y = 400;
    for (const Line &line : lines) {
        if (line.newFont) w.setFont({QStringLiteral("Times New Roman"), 14});
        w.extTextOut(300, y, line.text, std::vector<int>(std::size_t(line.text.size()), 100));
        expected += line.text + u'\n';
        y += 400;
    }
    const QByteArray bytes = w.bytes();
    const ReadResult read = readMetafile(bytes);
    ASSERT_TRUE(read.ok()) << problemName(read.problem);
    EXPECT_EQ(pageText(read.list), expected);
    ASSERT_EQ(read.list.items.size(), std::size(lines));
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        const TextRun &run = std::get<TextRun>(read.list.items[i].what);
        EXPECT_EQ(run.font.charset, lines[i].charset) << i;
        EXPECT_EQ(run.font.face, QStringLiteral("Times New Roman")) << i;
        EXPECT_EQ(run.dx.size(), std::size_t(lines[i].text.size())) << i;
    }
    // The first font, one for each setFont, and one for each change of set
    // after use (the run with "é" after Greek, the Greek run after English):
    // each font not yet used took its set itself.
    int fonts = 0;
    for (int at = 22 + 18; at + 6 <= bytes.size(); at += 2 * int(longAt(bytes, at)))
        fonts += wordAt(bytes, at + 4) == 0x02FB;
    EXPECT_EQ(fonts, 1 + 4 + 2);
}
