#include "metafilebuilder.h"
#include "wmf/reader.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace wmf;
using B = MetafileBuilder;

namespace {

// A 1000 x 500 unit picture at 1000 units per inch: 1440 x 720 twips, 1.44 twips a unit.
MetafileBuilder page() {
    MetafileBuilder b;
    b.record(0x020B, {0, 0}).record(0x020C, {500, 1000});
    return b;
}
QByteArray finish(MetafileBuilder &b, int objects = 8) {
    b.eof();
    return b.placeable(0, 0, 1000, 500, 1000, objects);
}
// MOVETO (0,0), LINETO (1,1): one line item.
MetafileBuilder &line(MetafileBuilder &b) {
    return b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
}

template <typename T> const T &nth(const ReadResult &r, std::size_t i) {
    return std::get<T>(r.list.items.at(i).what);
}

} // namespace

// The size comes from the placeable header's box and units per inch, or
// without one from the window extent in pixels; the window maps onto it.
TEST(WmfMapping, WindowAndMapModeRecordsMapALineOntoThePictureFrame) {
    struct Case {
        const char *name;
        std::vector<std::vector<int>> records; // function, then its words
        bool placeable;
        std::vector<PointF> expected;
    };
    const Case cases[] = {
        {"origin and extent",
         {{0x020B, 100, 200}, {0x020C, 500, 1000}, {0x0214, 100, 200}, {0x0213, 600, 1200}},
         true,
         {{0, 0}, {1440, 720}}},
        {"Inkscape order: extent first, anisotropic",
         {{0x020C, 500, 1000}, {0x020B, 0, 0}, {0x0103, 8}, {0x0214, 250, 500}, {0x0213, 500, 1000}},
         true,
         {{720, 360}, {1440, 720}}},
        {"isotropic keeps the aspect ratio",
         {{0x0103, 7}, {0x020C, 100, 100}, {0x0214, 0, 0}, {0x0213, 100, 100}},
         true,
         {{0, 0}, {720, 720}}},
        {"no placeable header: the extent is pixels",
         {{0x020C, 600, 800}, {0x0214, 20, 10}, {0x0213, 600, 800}},
         false,
         {{150, 300}, {12000, 9000}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MetafileBuilder b;
        for (const auto &rec : c.records) {
            QByteArray p;
            for (std::size_t i = 1; i < rec.size(); ++i)
                B::word(p, quint16(rec[i]));
            b.raw(quint16(rec[0]), p);
        }
        b.eof();
        const ReadResult r = readMetafile(c.placeable ? b.placeable(0, 0, 1000, 500, 1000) : b.bare());
        ASSERT_TRUE(r.ok()) << problemName(r.problem);
        EXPECT_EQ(r.list.placeable, c.placeable);
        EXPECT_EQ(nth<Shape>(r, 0).points, c.expected);
        EXPECT_EQ((PointF{r.list.widthTwips, r.list.heightTwips}),
                  (c.placeable ? PointF{1440, 720} : PointF{12000, 9000}));
    }
}

// A new object takes the lowest free slot, unsupported CREATE records still
// take one, and a selected object stays in force after it is deleted.
TEST(WmfObjects, TheObjectTableFillsTheLowestFreeSlot) {
    MetafileBuilder b = page();
    b.raw(0x02FA, B::pen(0, 0, 255, 0, 0));    // slot 0
    b.raw(0x02FC, B::brush(0, 0, 255, 0));     // slot 1
    b.record(0x01F0, {0});                     // free slot 0
    b.raw(0x02FA, B::pen(0, 0, 0, 0, 255));    // slot 0 again
    b.record(0x012D, {0}).record(0x012D, {1}); // blue pen, green brush
    b.record(0x041B, {100, 100, 0, 0});
    b.record(0x00F7, {0x300, 0});                                                // palette: slot 2
    b.raw(0x02FA, B::pen(0, 0, 1, 2, 3)).record(0x012D, {3});                    // slot 3
    b.raw(0x02FC, B::brush(0, 9, 9, 9)).record(0x012D, {4}).record(0x01F0, {4}); // slot 4, then deleted
    b.record(0x0418, {10, 10, 0, 0});
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const Shape &rect = nth<Shape>(r, 0);
    EXPECT_EQ(rect.pen.colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(rect.brush.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(rect.brush.style, Brush::Style::Solid);
    EXPECT_EQ(nth<Shape>(r, 1).pen.colour, (Rgb{1, 2, 3}));
    EXPECT_EQ(nth<Shape>(r, 1).brush.colour, (Rgb{9, 9, 9}));
}

TEST(WmfObjects, PenStylesWidthsAndCapsAreResolved) {
    MetafileBuilder b = page();
    b.raw(0x02FA, B::pen(0x2201, 10, 5, 6, 7)).record(0x012D, {0}); // dash, flat cap, miter join
    b.raw(0x02FC, B::brush(2, 1, 1, 1, 3)).record(0x012D, {1});
    b.raw(0x02FA, B::pen(5, 0, 0, 0, 0)).record(0x012D, {2});
    b.record(0x0324, {3, 0, 0, 10, 0, 10, 10});
    b.record(0x012D, {0}).record(0x0324, {3, 0, 0, 10, 0, 10, 10});
    const ReadResult r = readMetafile(finish(b));
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
    MetafileBuilder b = page();
    b.raw(0x02FA, B::pen(0, 0, 10, 0, 0)).record(0x012D, {0});
    b.raw(0x0209, B::colour(1, 1, 1));
    b.record(0x0104, {7}); // XOR
    b.record(0x001E, {});  // saved state 1
    b.raw(0x02FA, B::pen(0, 0, 20, 0, 0)).record(0x012D, {1});
    b.record(0x0416, {100, 100, 0, 0});
    b.raw(0x0209, B::colour(2, 2, 2));
    b.record(0x0104, {6}); // NOT
    b.record(0x001E, {});  // saved state 2
    b.raw(0x02FA, B::pen(0, 0, 30, 0, 0)).record(0x012D, {2});
    b.record(0x0104, {13});
    b.record(0x0127, {-1}); // back to state 2
    line(b);
    b.record(0x0127, {1}); // back to state 1
    line(b);
    b.raw(0x0521, B::text("a") + QByteArray(4, '\0'));
    b.record(0x0104, {13});
    line(b);
    const ReadResult r = readMetafile(finish(b));
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
    // The parameters are kept as bytes: an initializer_list inside a table
    // would not outlive the table's own construction.
    const auto bytes = [](std::initializer_list<int> values) { return B::words(values); };
    for (const auto &[parameters, rop, ok] : {std::tuple{bytes({7, 0}), Rop2::XorPen, true},
                                              std::tuple{bytes({16}), Rop2::White, true},
                                              std::tuple{bytes({0}), Rop2::Not, false},
                                              std::tuple{bytes({17}), Rop2::Not, false},
                                              std::tuple{bytes({}), Rop2::Not, false}}) {
        MetafileBuilder b = page();
        b.record(0x0104, {6});
        b.raw(0x0104, parameters);
        line(b);
        const ReadResult r = readMetafile(finish(b));
        EXPECT_EQ(r.ok(), ok) << problemName(r.problem);
        ASSERT_EQ(r.list.items.size(), 1u);
        EXPECT_EQ(nth<Shape>(r, 0).rop, rop);
    }
}

TEST(WmfText, TextRecordsCarryFontColourAlignmentPositionAdvancesAndClipRectangle) {
    MetafileBuilder b = page();
    b.raw(0x02FB, B::font(-50, 400, false, false, "Tahoma", false)).record(0x012D, {0});
    b.raw(0x0A32, B::words({10, 20, 3, 0x0006, 0, 0, 100, 50}) + "abc" + '\0' + B::words({10, 20, 30}));
    b.raw(0x02FB, B::font(-100, 700, true, true, "Times New Roman")).record(0x012D, {1});
    b.raw(0x0209, B::colour(139, 26, 26));
    b.record(0x012E, {24 | 6}).record(0x0102, {1});
    b.raw(0x0521, B::text("caf\xe9 \x80\x93") + B::words({200, 100}));
    const ReadResult r = readMetafile(finish(b));
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
TEST(WmfText, TextIsReadInTheCodePageOfTheSelectedFontsCharacterSet) {
    struct Case {
        int charset;
        QByteArray face, bytes;
        std::vector<int> dx;
        QString text, faceText;
        std::vector<double> advances; // twips
    };
    const Case cases[] = {
        {161, "Liberation Sans", "\xCF \xD0\xE1\xF1\xE8\xE5\xED\xFE\xED\xE1\xF2", {}, u"Ο Παρθενώνας"_qs,
         u"Liberation Sans"_qs, {}},
        {161, "\xC3\xF1\xDC\xEC\xEC\xE1", "\xD6\xE5\xE9\xE4\xDF\xE1\xF2", {}, u"Φειδίας"_qs, u"Γράμμα"_qs, {}},
        {0, "Arial", "caf\xE9", {}, u"café"_qs, u"Arial"_qs, {}},
        {204, "Arial", "\xCF\xB8\xF2\xF0", {}, u"Пётр"_qs, u"Arial"_qs, {}},
        {238, "Arial", "\x8A\xE8\xF8", {}, u"Ščř"_qs, u"Arial"_qs, {}},
        {2, "Symbol", "A\xB7", {}, u"\uF041\uF0B7"_qs, u"Symbol"_qs, {}},
        {128, "MS Gothic", "a\x93\xFA\x96\x7B", {10, 60, 40, 70, 50}, u"a日本"_qs, u"MS Gothic"_qs,
         {14.4, 144, 172.8}},
    };
    MetafileBuilder b = page();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        b.raw(0x02FB, B::font(-50, 400, false, false, c.face, true, 0, c.charset)).record(0x012D, {int(i)});
        b.raw(0x0A32, B::extText(10, 20 + 40 * int(i), c.bytes, c.dx));
    }
    const ReadResult r = readMetafile(finish(b, 16));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    ASSERT_EQ(r.list.items.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const TextRun &run = nth<TextRun>(r, i);
        EXPECT_EQ(run.text, cases[i].text) << i;
        EXPECT_EQ(run.font.face, cases[i].faceText) << i;
        EXPECT_EQ(run.font.charset, cases[i].charset) << i;
        ASSERT_EQ(run.dx.size(), cases[i].advances.size()) << i;
        for (std::size_t k = 0; k < run.dx.size(); ++k)
            EXPECT_NEAR(run.dx[k], cases[i].advances[k], 1e-9) << i;
    }
}

TEST(WmfShapes, EveryShapeRecordBecomesItsShape) {
    MetafileBuilder b = page();
    b.record(0x0418, {50, 100, 0, 0});
    b.record(0x061C, {20, 10, 50, 100, 0, 0});
    b.record(0x0325, {2, 0, 0, 100, 50});
    b.record(0x0538, {2, 3, 3, 0, 0, 10, 0, 10, 10, 20, 20, 30, 20, 30, 30});
    b.record(0x081A, {0, 0, 50, 100, 100, 100, 0, 0});
    b.record(0x0106, {2}).record(0x0324, {3, 0, 0, 10, 0, 10, 10});
    const ReadResult r = readMetafile(finish(b));
    ASSERT_EQ(r.list.items.size(), 6u);
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
}

namespace {
// STRETCHDIB of a DIB of the given depth: 40-byte header, palette, rows as given.
QByteArray stretchDib(int srcW, int srcH, int width, int height, int bits, const QByteArray &data,
                      int used = 0) {
    QByteArray p;
    B::longWord(p, 0x00CC0020);
    p += B::words({0, srcH, srcW, 0, 0, 100, 100, 0, 0});
    for (quint32 v : {40u, quint32(width), quint32(height)})
        B::longWord(p, v);
    p += B::words({1, bits});
    for (quint32 v : {0u, 0u, 0u, 0u, quint32(used), 0u})
        B::longWord(p, v);
    return p + data;
}
} // namespace

TEST(WmfBitmaps, DepthsOneFourEightTwentyFourAndThirtyTwoDecode) {
    // Palette entries are blue, green, red, reserved: blue first, then red.
    const QByteArray twoColours = B::colour(255, 0, 0) + B::colour(0, 0, 255);
    MetafileBuilder b = page();
    // 2 x 2 at 1 bit, bottom-up: bottom row "10", top row "01".
    b.raw(0x0F43, stretchDib(2, 2, 2, 2, 1, twoColours + QByteArray::fromHex("8000000040000000")));
    b.raw(0x0F43, stretchDib(2, 1, 2, 1, 4, twoColours + QByteArray::fromHex("10000000"), 2));
    b.raw(0x0F43, stretchDib(1, 1, 1, 1, 8, twoColours + QByteArray::fromHex("01000000"), 2));
    b.raw(0x0F43, stretchDib(1, 1, 1, 1, 24, QByteArray::fromHex("30201000")));
    // 32 bits top-down with alpha 0: still opaque.
    b.raw(0x0F43, stretchDib(1, 2, 1, -2, 32, QByteArray::fromHex("0102030004050600")));
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    ASSERT_EQ(r.list.items.size(), 5u);
    EXPECT_EQ(nth<Picture>(r, 0).bitmap.pixels,
              (std::vector<quint32>{0xFF0000FF, 0xFFFF0000, 0xFFFF0000, 0xFF0000FF}));
    EXPECT_EQ(nth<Picture>(r, 1).bitmap.pixels, (std::vector<quint32>{0xFFFF0000, 0xFF0000FF}));
    EXPECT_EQ(nth<Picture>(r, 2).bitmap.pixels, (std::vector<quint32>{0xFFFF0000}));
    EXPECT_EQ(nth<Picture>(r, 3).bitmap.pixels, (std::vector<quint32>{0xFF102030}));
    EXPECT_EQ(nth<Picture>(r, 4).bitmap.pixels, (std::vector<quint32>{0xFF030201, 0xFF060504}));
    EXPECT_EQ(nth<Picture>(r, 0).target, (RectF{0, 0, 144, 144}));
    EXPECT_EQ(nth<Picture>(r, 0).sourceWidth, 2);
}

TEST(WmfBitmaps, BitBltWithoutBitmapFillsWithTheBrush) {
    MetafileBuilder b = page();
    b.raw(0x02FC, B::brush(0, 7, 8, 9)).record(0x012D, {0});
    QByteArray p;
    B::longWord(p, 0x00F00021);
    b.raw(0x0940, p + B::words({0, 0, 0, 50, 100, 0, 0}));
    const ReadResult r = readMetafile(finish(b));
    ASSERT_EQ(r.list.items.size(), 1u);
    EXPECT_EQ(nth<Fill>(r, 0).colour, (Rgb{7, 8, 9}));
    EXPECT_EQ(nth<Fill>(r, 0).rect, (RectF{0, 0, 144, 72}));
}

TEST(WmfRecords, EscapesAndLongerThanUsualRecordsAreSkippedByTheirSize) {
    MetafileBuilder b = page();
    b.raw(0x0626, QByteArray::fromHex("0f000800") + "WMFCxxxx");
    b.record(0x0102, {1, 0}); // Inkscape's five-word SETBKMODE
    const ReadResult r = readMetafile(finish(line(b)));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items.size(), 1u);
}

// Hostile input: every case ends with a clear problem and a bounded result.

TEST(WmfHostile, BrokenRecordsAndObjectsEndWithAProblemAndKeepWhatCameBefore) {
    struct Case {
        const char *name;
        std::function<void(MetafileBuilder &)> add; // after page(), before EOF
        Problem problem;
        std::size_t items;
        int objects = 8; // the header's object count
        int penRed = -1; // the first item's pen, where it matters
        bool withEof = true;
    };
    const auto badSize = [](quint32 size) {
        return [size](MetafileBuilder &b) {
            line(b);
            B::longWord(b.records, size);
            B::word(b.records, 0x0213);
            b.record(0x0213, {2, 2});
        };
    };
    const auto twentyPens = [](MetafileBuilder &b) {
        for (int i = 0; i < 20; ++i)
            b.raw(0x02FA, B::pen(0, 0, i, 0, 0));
        line(b.record(0x012D, {19}));
    };
    const Case cases[] = {
        {"record size 0", badSize(0), Problem::BadRecordSize, 1},
        {"record size 1", badSize(1), Problem::BadRecordSize, 1},
        {"record size 2", badSize(2), Problem::BadRecordSize, 1},
        {"record longer than the file",
         [](MetafileBuilder &b) {
             B::longWord(b.records, 0x7FFFFFFF);
             B::word(b.records, 0x0324);
         },
         Problem::BadRecordSize, 0},
        {"missing EOF", [](MetafileBuilder &b) { line(b); }, Problem::MissingEof, 1, 8, -1, false},
        {"object count 0", twentyPens, Problem::None, 1, 0, 19},
        {"object count 1", twentyPens, Problem::None, 1, 1, 19},
        {"object count 65535", twentyPens, Problem::None, 1, 65535, 19},
        {"objects beyond the cap",
         [](MetafileBuilder &b) {
             for (int i = 0; i < kMaxObjects + 10; ++i)
                 b.raw(0x02FC, B::brush(0, 1, 1, 1));
         },
         Problem::TooManyObjects, 0},
        {"object indexes out of range or deleted",
         [](MetafileBuilder &b) {
             b.raw(0x02FA, B::pen(0, 0, 5, 5, 5)).record(0x012D, {0});
             b.raw(0x02FA, B::pen(0, 0, 9, 9, 9)).record(0x01F0, {1});
             line(b.record(0x012D, {1}).record(0x012D, {40000}).record(0x01F0, {7}).record(0x012D, {}));
         },
         Problem::BadObjectIndex, 1, 8, 5},
        {"point and string counts beyond the record",
         [](MetafileBuilder &b) {
             b.record(0x0324, {30000, 0, 0, 10, 10});
             b.record(0x0538, {2, 3, 30000, 0, 0});
             b.record(0x0538, {-1});
             b.raw(0x0521, QByteArray::fromHex("e803") + "ab");
             b.raw(0x0A32, QByteArray::fromHex("00000000ff7f0000") + "ab");
             line(b.raw(0x0A32, QByteArray::fromHex("000000000200060000")));
         },
         Problem::BadRecord, 1, 8, 0},
        {"deep SAVEDC nesting",
         [](MetafileBuilder &b) {
             for (int i = 0; i < 100000; ++i)
                 b.record(0x001E, {});
             for (int i = 0; i < 100000; ++i)
                 b.record(0x0127, {-1});
             line(b);
         },
         Problem::SaveDepth, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MetafileBuilder b = page();
        c.add(b);
        if (c.withEof) b.eof();
        const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000, c.objects));
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

TEST(WmfHostile, HugeNegativeOrTruncatedBitmapsAreSkipped) {
    for (auto [w, h] : {std::pair{100000, 1}, {-5, 1}, {1, -100000}, {30000, 30000}, {64, 64}, {0, 0}}) {
        MetafileBuilder b = page();
        b.raw(0x0F43, stretchDib(1, 1, w, h, 24, QByteArray::fromHex("30201000")));
        const ReadResult r = readMetafile(finish(b));
        EXPECT_EQ(r.problem, Problem::BadBitmap) << w << "x" << h;
        EXPECT_TRUE(r.list.items.empty());
    }
}

TEST(WmfHostile, ZeroExtentsAreRefusedAndMappingStaysFinite) {
    MetafileBuilder b = page();
    b.record(0x020C, {0, 0}).record(0x020E, {0, 5}).record(0x0410, {0, 1, 0, 1});
    b.record(0x0214, {0, 0}).record(0x0213, {1000, 1000});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(r.problem, Problem::BadRecord);
    EXPECT_EQ(nth<Shape>(r, 0).points[1], (PointF{1440, 1440}));
}

TEST(WmfHostile, AnEmptyBoxOrNoSizeAtAllIsAnEmptyPicture) {
    MetafileBuilder b;
    b.eof();
    EXPECT_EQ(readMetafile(b.placeable(5, 5, 5, 100, 1440)).problem, Problem::EmptyPicture);
    MetafileBuilder noExtent;
    line(noExtent).eof();
    const ReadResult r = readMetafile(noExtent.bare());
    EXPECT_EQ(r.problem, Problem::EmptyPicture);
    EXPECT_EQ(r.list.widthTwips, 0);
}

// Clip rectangles intersect: (200,100)-(800,400), then rights from 1000 down to 501.
TEST(WmfHostile, ThousandsOfClipRecordsFoldIntoOneRectangle) {
    MetafileBuilder b = page();
    b.record(0x0416, {400, 800, 100, 200});
    for (int i = 0; i < 50000; ++i)
        b.record(0x0416, {500, 1000 - i % 500, 0, 0});
    const ReadResult r = readMetafile(finish(line(b)));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items[0].clip, (RectF{288, 144, 501 * 1.44, 576}));
}

TEST(WmfHostile, RecordsAndItemsAreCapped) {
    MetafileBuilder many = page();
    for (int i = 0; i < kMaxRecords + 1; ++i)
        many.record(0x0102, {1});
    EXPECT_EQ(readMetafile(finish(many)).problem, Problem::TooManyRecords);

    MetafileBuilder lines = page();
    for (int i = 0; i < kMaxItems + 1; ++i)
        lines.record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(lines));
    EXPECT_EQ(r.problem, Problem::TooManyItems);
    EXPECT_EQ(r.list.items.size(), std::size_t(kMaxItems));
}
