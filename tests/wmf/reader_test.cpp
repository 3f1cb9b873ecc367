#include "metafilebuilder.h"
#include "wmf/reader.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace wmf;
using namespace wmfbytes;

namespace {

// MOVETO and LINETO, their words as stored: one line item.
QByteArray line(std::initializer_list<int> from, std::initializer_list<int> to) {
    return rec(0x0214, from) + rec(0x0213, to);
}
const QByteArray kLine = line({0, 0}, {1, 1});
// A pen or brush created and selected into the given slot.
QByteArray selectedPen(int slot, int style, int width, int r, int g, int b) {
    return rec(0x02FA, pen(style, width, r, g, b)) + rec(0x012D, {slot});
}
QByteArray selectedBrush(int slot, int style, int r, int g, int b, int hatch = 0) {
    return rec(0x02FC, brush(style, r, g, b, hatch)) + rec(0x012D, {slot});
}

// The records on a 1000 x 500 unit picture at 1000 units per inch: 1440 x 720
// twips, 1.44 twips a unit; then EOF.
ReadResult readPage(const QByteArray &records, int objects = 8, bool eof = true) {
    const QByteArray window = rec(0x020B, {0, 0}) + rec(0x020C, {500, 1000});
    return readMetafile(placeable(window + records, 0, 0, 1000, 500, 1000, objects, eof));
}

template <typename T> const T &nth(const ReadResult &r, std::size_t i) {
    return std::get<T>(r.list.items.at(i).what);
}

// STRETCHDIB of a DIB of the given depth: 40-byte header, palette, rows as given.
QByteArray stretchDib(int srcW, int srcH, int width, int height, int bits, const QByteArray &data,
                      int used = 0) {
    QByteArray p;
    longWord(p, 0x00CC0020);
    p += words({0, srcH, srcW, 0, 0, 100, 100, 0, 0});
    for (quint32 v : {40u, quint32(width), quint32(height)})
        longWord(p, v);
    p += words({1, bits});
    for (quint32 v : {0u, 0u, 0u, 0u, quint32(used), 0u})
        longWord(p, v);
    return rec(0x0F43, p + data);
}

} // namespace

// The size comes from the placeable header's box and units per inch, or
// without one from the window extent in pixels; the window maps onto it.
TEST(WmfMapping, WindowAndMapModeRecordsMapALineOntoThePictureFrame) {
    const auto check = [](const char *name, bool placeable, PointF from, PointF to,
                          const QByteArray &records) {
        SCOPED_TRACE(name);
        const ReadResult r =
            readMetafile(placeable ? wmfbytes::placeable(records, 0, 0, 1000, 500, 1000) : bare(records));
        ASSERT_TRUE(r.ok()) << problemName(r.problem);
        EXPECT_EQ(r.list.placeable, placeable);
        EXPECT_EQ(nth<Shape>(r, 0).points, (std::vector<PointF>{from, to}));
        EXPECT_EQ((PointF{r.list.widthTwips, r.list.heightTwips}),
                  (placeable ? PointF{1440, 720} : PointF{12000, 9000}));
    };
    check("origin and extent", true, {0, 0}, {1440, 720},
          rec(0x020B, {100, 200}) + rec(0x020C, {500, 1000}) + line({100, 200}, {600, 1200}));
    check("Inkscape order: extent first, anisotropic", true, {720, 360}, {1440, 720},
          rec(0x020C, {500, 1000}) + rec(0x020B, {0, 0}) + rec(0x0103, {8}) + line({250, 500}, {500, 1000}));
    check("isotropic keeps the aspect ratio", true, {0, 0}, {720, 720},
          rec(0x0103, {7}) + rec(0x020C, {100, 100}) + line({0, 0}, {100, 100}));
    check("no placeable header: the extent is pixels", false, {150, 300}, {12000, 9000},
          rec(0x020C, {600, 800}) + line({20, 10}, {600, 800}));
}

// A new object takes the lowest free slot, unsupported CREATE records still
// take one, and a selected object stays in force after it is deleted.
TEST(WmfObjects, TheObjectTableFillsTheLowestFreeSlot) {
    const ReadResult r = readPage(
        rec(0x02FA, pen(0, 0, 255, 0, 0)) + rec(0x02FC, brush(0, 0, 255, 0))  // slots 0 and 1
        + rec(0x01F0, {0}) + rec(0x02FA, pen(0, 0, 0, 0, 255))                // slot 0 again
        + rec(0x012D, {0}) + rec(0x012D, {1}) + rec(0x041B, {100, 100, 0, 0}) // blue pen, green brush
        + rec(0x00F7, {0x300, 0})                                             // palette: slot 2
        + selectedPen(3, 0, 0, 1, 2, 3) + selectedBrush(4, 0, 9, 9, 9) + rec(0x01F0, {4}) +
        rec(0x0418, {10, 10, 0, 0}));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const Shape &rect = nth<Shape>(r, 0);
    EXPECT_EQ(rect.pen.colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(rect.brush.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(rect.brush.style, Brush::Style::Solid);
    EXPECT_EQ(nth<Shape>(r, 1).pen.colour, (Rgb{1, 2, 3}));
    EXPECT_EQ(nth<Shape>(r, 1).brush.colour, (Rgb{9, 9, 9}));
}

TEST(WmfObjects, PenStylesWidthsAndCapsAreResolved) {
    const QByteArray triangle = rec(0x0324, {3, 0, 0, 10, 0, 10, 10});
    const ReadResult r = readPage(selectedPen(0, 0x2201, 10, 5, 6, 7) // dash, flat cap, miter join
                                  + selectedBrush(1, 2, 1, 1, 1, 3) + selectedPen(2, 5, 0, 0, 0, 0) +
                                  triangle + rec(0x012D, {0}) + triangle);
    const Shape &nullPen = nth<Shape>(r, 0);
    EXPECT_EQ(nullPen.pen.style, PenStyle::Null);
    EXPECT_EQ(nullPen.brush.style, Brush::Style::Hatched);
    EXPECT_EQ(nullPen.brush.hatch, 3);
    const Shape &dashed = nth<Shape>(r, 1);
    EXPECT_EQ(dashed.pen.style, PenStyle::Dash);
    EXPECT_DOUBLE_EQ(dashed.pen.width, 14.4);
    EXPECT_EQ(dashed.pen.cap, LineCap::Flat);
    EXPECT_EQ(dashed.pen.join, LineJoin::Miter);
}

TEST(WmfState, RestoreDcBringsBackPenClipTextColourAndRasterOperationRelativeOrAbsolute) {
    // Saved state 1: red 10, text colour 1, XOR; state 2: red 20, a clip, text colour 2, NOT.
    const QByteArray save = rec(0x001E, {});
    const QByteArray xor1 = selectedPen(0, 0, 0, 10, 0, 0) + rec(0x0209, colour(1, 1, 1)) + rec(0x0104, {7});
    const QByteArray not2 = selectedPen(1, 0, 0, 20, 0, 0) + rec(0x0416, {100, 100, 0, 0}) +
                            rec(0x0209, colour(2, 2, 2)) + rec(0x0104, {6});
    const QByteArray then = selectedPen(2, 0, 0, 30, 0, 0) + rec(0x0104, {13});
    const ReadResult r = readPage(xor1 + save + not2 + save + then + rec(0x0127, {-1}) + kLine // back to 2
                                  + rec(0x0127, {1}) + kLine                                   // back to 1
                                  + rec(0x0521, text("a") + QByteArray(4, '\0')) + rec(0x0104, {13}) + kLine);
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    EXPECT_EQ(nth<Shape>(r, 0).pen.colour.red, 20);
    EXPECT_TRUE(r.list.items[0].clip.has_value());
    EXPECT_EQ(nth<Shape>(r, 0).rop, Rop2::Not);
    EXPECT_EQ(nth<Shape>(r, 1).pen.colour.red, 10);
    EXPECT_FALSE(r.list.items[1].clip.has_value());
    EXPECT_EQ(nth<Shape>(r, 1).rop, Rop2::XorPen);
    EXPECT_EQ(nth<TextRun>(r, 2).colour, (Rgb{1, 1, 1}));
    EXPECT_EQ(nth<Shape>(r, 3).rop, Rop2::CopyPen);
}

// Inkscape writes SETROP2 with a reserved word after the operation; a value
// outside 1..16 is refused and the operation in force stays.
TEST(WmfState, SetRop2TakesOneToSixteenFromItsFirstWord) {
    for (const auto &[parameters, rop, ok] : {std::tuple{words({7, 0}), Rop2::XorPen, true},
                                              {words({16}), Rop2::White, true},
                                              {words({0}), Rop2::Not, false},
                                              {words({17}), Rop2::Not, false},
                                              {QByteArray(), Rop2::Not, false}}) {
        const ReadResult r = readPage(rec(0x0104, {6}) + rec(0x0104, parameters) + kLine);
        EXPECT_EQ(r.ok(), ok) << problemName(r.problem);
        ASSERT_EQ(r.list.items.size(), 1u);
        EXPECT_EQ(nth<Shape>(r, 0).rop, rop);
    }
}

TEST(WmfText, TextRecordsCarryFontColourAlignmentPositionAdvancesAndClipRectangle) {
    const ReadResult r =
        readPage(rec(0x02FB, font(-50, 400, false, false, "Tahoma", false)) + rec(0x012D, {0}) +
                 rec(0x0A32, words({10, 20, 3, 0x0006, 0, 0, 100, 50}) + "abc" + '\0' + words({10, 20, 30})) +
                 rec(0x02FB, font(-100, 700, true, true, "Times New Roman")) + rec(0x012D, {1}) +
                 rec(0x0209, colour(139, 26, 26)) + rec(0x012E, {24 | 6}) + rec(0x0102, {1}) +
                 rec(0x0521, text("caf\xe9 \x80\x93") + words({200, 100})));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const TextRun &ext = nth<TextRun>(r, 0);
    EXPECT_EQ(ext.text, QStringLiteral("abc"));
    EXPECT_EQ(ext.font.face, QStringLiteral("Tahoma"));
    ASSERT_EQ(ext.dx.size(), 3u);
    EXPECT_NEAR(ext.dx[0], 14.4, 1e-9);
    EXPECT_NEAR(ext.dx[2], 43.2, 1e-9);
    EXPECT_EQ(ext.box, (RectF{0, 0, 144, 72}));
    EXPECT_TRUE(ext.clipToBox);
    EXPECT_TRUE(ext.fillBox);
    EXPECT_TRUE(ext.opaque); // the mode stays OPAQUE until SETBKMODE
    const TextRun &run = nth<TextRun>(r, 1);
    EXPECT_EQ(run.text, QString::fromUtf8("café €“"));
    EXPECT_EQ(run.at, (PointF{144, 288}));
    EXPECT_EQ(run.font, (Font{QStringLiteral("Times New Roman"), -144, 0, 0, 700, true, true, false, 0}));
    EXPECT_EQ(run.colour, (Rgb{139, 26, 26}));
    EXPECT_EQ(run.horizontal, HAlign::Centre);
    EXPECT_EQ(run.vertical, VAlign::Baseline);
    EXPECT_FALSE(run.opaque);
    EXPECT_TRUE(run.dx.empty());
}

// Text and face names are bytes in the code page of the selected font's
// character set, a font of two-byte characters advancing by both bytes.
// (Greek text under a Latin face name is LibreOffice's Greek sample page.)
TEST(WmfText, TextIsReadInTheCodePageOfTheSelectedFontsCharacterSet) {
    const struct {
        int charset;
        QByteArray face, bytes;
        QString faceText, text;
    } cases[] = {
        {161, "\xC3\xF1\xDC\xEC\xEC\xE1", "\xD6\xE5\xE9\xE4\xDF\xE1\xF2", u"Γράμμα"_qs, u"Φειδίας"_qs},
        {204, "Arial", "\xCF\xB8\xF2\xF0", u"Arial"_qs, u"Пётр"_qs},
        {238, "Arial", "\x8A\xE8\xF8", u"Arial"_qs, u"Ščř"_qs},
        {2, "Symbol", "A\xB7", u"Symbol"_qs, u"\uF041\uF0B7"_qs},
        {128, "MS Gothic", "a\x93\xFA\x96\x7B", u"MS Gothic"_qs, u"a日本"_qs}};
    QByteArray records;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto &c = cases[i];
        // The last, of two-byte characters, with an advance for each byte.
        const std::vector<int> dx =
            c.charset == 128 ? std::vector<int>{10, 60, 40, 70, 50} : std::vector<int>{};
        records += rec(0x02FB, font(-50, 400, false, false, c.face, true, 0, c.charset)) +
                   rec(0x012D, {int(i)}) + rec(0x0A32, extText(10, 20 + 40 * int(i), c.bytes, dx));
    }
    const ReadResult r = readPage(records);
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    ASSERT_EQ(r.list.items.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].charset);
        const TextRun &run = nth<TextRun>(r, i);
        EXPECT_EQ(run.text, cases[i].text);
        EXPECT_EQ(run.font.face, cases[i].faceText);
        EXPECT_EQ(run.font.charset, cases[i].charset);
    }
    const std::vector<double> advances = nth<TextRun>(r, 4).dx; // twips
    ASSERT_EQ(advances.size(), 3u);
    EXPECT_NEAR(advances[0], 14.4, 1e-9);
    EXPECT_NEAR(advances[1], 144, 1e-9);
    EXPECT_NEAR(advances[2], 172.8, 1e-9);
}

// Shapes, their polygon fill mode, pictures of every depth (opaque even with
// alpha 0) and a BITBLT without a bitmap, which fills with the brush.
TEST(WmfShapes, EveryShapeAndPictureRecordBecomesItsItem) {
    // Palette entries are blue, green, red, reserved: blue first, then red.
    const QByteArray twoColours = colour(255, 0, 0) + colour(0, 0, 255);
    QByteArray bitBlt;
    longWord(bitBlt, 0x00F00021);
    const ReadResult r =
        readPage(rec(0x0418, {50, 100, 0, 0}) + rec(0x061C, {20, 10, 50, 100, 0, 0}) +
                 rec(0x0325, {2, 0, 0, 100, 50}) +
                 rec(0x0538, {2, 3, 3, 0, 0, 10, 0, 10, 10, 20, 20, 30, 20, 30, 30}) +
                 rec(0x081A, {0, 0, 50, 100, 100, 100, 0, 0}) + rec(0x0106, {2}) +
                 rec(0x0324, {3, 0, 0, 10, 0, 10, 10}) +
                 // 2 x 2 at 1 bit, bottom-up: bottom row "10", top row "01".
                 stretchDib(2, 2, 2, 2, 1, twoColours + QByteArray::fromHex("8000000040000000")) +
                 stretchDib(2, 1, 2, 1, 4, twoColours + QByteArray::fromHex("10000000"), 2) +
                 stretchDib(1, 1, 1, 1, 8, twoColours + QByteArray::fromHex("01000000"), 2) +
                 stretchDib(1, 1, 1, 1, 24, QByteArray::fromHex("30201000")) +
                 stretchDib(1, 2, 1, -2, 32, QByteArray::fromHex("0102030004050600")) // top-down
                 + selectedBrush(0, 0, 7, 8, 9) + rec(0x0940, bitBlt + words({0, 0, 0, 50, 100, 0, 0})));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    ASSERT_EQ(r.list.items.size(), 12u);
    EXPECT_EQ(nth<Shape>(r, 0).kind, Shape::Kind::Ellipse);
    EXPECT_EQ(nth<Shape>(r, 0).box, (RectF{0, 0, 144, 72}));
    EXPECT_EQ(nth<Shape>(r, 1).kind, Shape::Kind::RoundRect);
    EXPECT_NEAR(nth<Shape>(r, 1).corner.x, 14.4, 1e-9);
    EXPECT_NEAR(nth<Shape>(r, 1).corner.y, 28.8, 1e-9);
    EXPECT_EQ(nth<Shape>(r, 2).points.size(), 2u);
    EXPECT_EQ(nth<Shape>(r, 3).counts, (std::vector<int>{3, 3}));
    EXPECT_EQ(nth<Shape>(r, 3).points.size(), 6u);
    EXPECT_EQ(nth<Shape>(r, 4).kind, Shape::Kind::Pie);
    EXPECT_EQ(nth<Shape>(r, 4).start, (PointF{144, 72}));
    EXPECT_FALSE(nth<Shape>(r, 3).winding);
    EXPECT_TRUE(nth<Shape>(r, 5).winding);
    EXPECT_EQ(nth<Picture>(r, 6).bitmap.pixels,
              (std::vector<quint32>{0xFF0000FF, 0xFFFF0000, 0xFFFF0000, 0xFF0000FF}));
    EXPECT_EQ(nth<Picture>(r, 7).bitmap.pixels, (std::vector<quint32>{0xFFFF0000, 0xFF0000FF}));
    EXPECT_EQ(nth<Picture>(r, 8).bitmap.pixels, (std::vector<quint32>{0xFFFF0000}));
    EXPECT_EQ(nth<Picture>(r, 9).bitmap.pixels, (std::vector<quint32>{0xFF102030}));
    EXPECT_EQ(nth<Picture>(r, 10).bitmap.pixels, (std::vector<quint32>{0xFF030201, 0xFF060504}));
    EXPECT_EQ(nth<Picture>(r, 6).target, (RectF{0, 0, 144, 144}));
    EXPECT_EQ(nth<Picture>(r, 6).sourceWidth, 2);
    EXPECT_EQ(nth<Fill>(r, 11).colour, (Rgb{7, 8, 9}));
    EXPECT_EQ(nth<Fill>(r, 11).rect, (RectF{0, 0, 144, 72}));
}

TEST(WmfRecords, EscapesAndLongerThanUsualRecordsAreSkippedByTheirSize) {
    const ReadResult r = readPage(rec(0x0626, QByteArray::fromHex("0f000800") + "WMFCxxxx") +
                                  rec(0x0102, {1, 0}) // Inkscape's five-word SETBKMODE
                                  + kLine);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items.size(), 1u);
}

// Hostile input: every case ends with a clear problem and a bounded result,
// keeping what came before the fault.
TEST(WmfHostile, BrokenRecordsObjectsBitmapsAndCountsEndWithAProblemAndKeepWhatCameBefore) {
    const auto badSize = [](quint32 size) -> QByteArray {
        QByteArray p;
        longWord(p, size);
        word(p, 0x0213);
        return kLine + p + rec(0x0213, {2, 2});
    };
    QByteArray twentyPens;
    for (int i = 0; i < 20; ++i)
        twentyPens += rec(0x02FA, pen(0, 0, i, 0, 0));
    twentyPens += rec(0x012D, {19}) + kLine;
    QByteArray bitmaps;
    for (auto [w, h] : {std::pair{100000, 1}, {-5, 1}, {1, -100000}, {30000, 30000}, {64, 64}, {0, 0}})
        bitmaps += stretchDib(1, 1, w, h, 24, QByteArray::fromHex("30201000"));
    const struct {
        const char *name;
        QByteArray records; // after the window, before EOF
        Problem problem;
        std::size_t items;
        int objects = 8; // the header's object count
        int penRed = -1; // the first item's pen, where it matters
        bool withEof = true;
    } cases[] = {
        {"record size 0", badSize(0), Problem::BadRecordSize, 1},
        {"record size 1", badSize(1), Problem::BadRecordSize, 1},
        {"record size 2", badSize(2), Problem::BadRecordSize, 1},
        {"record longer than the file", QByteArray::fromHex("ffffff7f2403"), Problem::BadRecordSize, 0},
        {"missing EOF", kLine, Problem::MissingEof, 1, 8, -1, false},
        {"object count 0", twentyPens, Problem::None, 1, 0, 19},
        {"object count 1", twentyPens, Problem::None, 1, 1, 19},
        {"object count 65535", twentyPens, Problem::None, 1, 65535, 19},
        {"objects beyond the cap", rec(0x02FC, brush(0, 1, 1, 1)).repeated(kMaxObjects + 10),
         Problem::TooManyObjects, 0},
        {"object indexes out of range or deleted",
         selectedPen(0, 0, 0, 5, 5, 5) + rec(0x02FA, pen(0, 0, 9, 9, 9)) + rec(0x01F0, {1}) +
             rec(0x012D, {1}) + rec(0x012D, {40000}) + rec(0x01F0, {7}) + rec(0x012D, {}) + kLine,
         Problem::BadObjectIndex, 1, 8, 5},
        {"point and string counts beyond the record",
         rec(0x0324, {30000, 0, 0, 10, 10}) + rec(0x0538, {2, 3, 30000, 0, 0}) + rec(0x0538, {-1}) +
             rec(0x0521, QByteArray::fromHex("e803") + "ab") +
             rec(0x0A32, QByteArray::fromHex("00000000ff7f0000") + "ab") +
             rec(0x0A32, QByteArray::fromHex("000000000200060000")) + kLine,
         Problem::BadRecord, 1, 8, 0},
        {"deep SAVEDC nesting", rec(0x001E, {}).repeated(100000) + rec(0x0127, {-1}).repeated(100000) + kLine,
         Problem::SaveDepth, 1},
        {"bitmaps too large, negative, empty or cut short", bitmaps, Problem::BadBitmap, 0},
        {"records beyond the cap", rec(0x0102, {1}).repeated(kMaxRecords + 1), Problem::TooManyRecords, 0},
        {"items beyond the cap", rec(0x0213, {1, 1}).repeated(kMaxItems + 1), Problem::TooManyItems,
         std::size_t(kMaxItems)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult r = readPage(c.records, c.objects, c.withEof);
        EXPECT_EQ(r.problem, c.problem) << problemName(r.problem);
        ASSERT_EQ(r.list.items.size(), c.items);
        if (c.penRed >= 0) {
            EXPECT_EQ(nth<Shape>(r, 0).pen.colour.red, c.penRed);
        }
    }
}

TEST(WmfHostile, TooShortOrForeignBytesAreNotAMetafile) {
    for (const QByteArray &bytes :
         {QByteArray(), QByteArray("GIF89a"), QByteArray::fromHex("d7cdc69a0000"), QByteArray(64, '\xff')})
        EXPECT_EQ(readMetafile(bytes).problem, Problem::NotAMetafile) << bytes.toHex().constData();
}

TEST(WmfHostile, ZeroExtentsAreRefusedAndMappingStaysFinite) {
    const ReadResult r = readPage(rec(0x020C, {0, 0}) + rec(0x020E, {0, 5}) + rec(0x0410, {0, 1, 0, 1}) +
                                  line({0, 0}, {1000, 1000}));
    EXPECT_EQ(r.problem, Problem::BadRecord);
    EXPECT_EQ(nth<Shape>(r, 0).points[1], (PointF{1440, 1440}));
}

TEST(WmfHostile, AnEmptyBoxOrNoSizeAtAllIsAnEmptyPicture) {
    EXPECT_EQ(readMetafile(placeable({}, 5, 5, 5, 100, 1440)).problem, Problem::EmptyPicture);
    const ReadResult r = readMetafile(bare(kLine));
    EXPECT_EQ(r.problem, Problem::EmptyPicture);
    EXPECT_EQ(r.list.widthTwips, 0);
}

// Clip rectangles intersect: (200,100)-(800,400), then rights from 1000 down to 501.
TEST(WmfHostile, ThousandsOfClipRecordsFoldIntoOneRectangle) {
    QByteArray clips = rec(0x0416, {400, 800, 100, 200});
    for (int i = 0; i < 50000; ++i)
        clips += rec(0x0416, {500, 1000 - i % 500, 0, 0});
    const ReadResult r = readPage(clips + kLine);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items[0].clip, (RectF{288, 144, 501 * 1.44, 576}));
}
