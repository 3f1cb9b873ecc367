#include "metafilebuilder.h"
#include "wmf/reader.h"

#include <gtest/gtest.h>

using namespace wmf;

namespace {

QByteArray pen(int style, int width, int r, int g, int b) {
    QByteArray p;
    MetafileBuilder::word(p, quint16(style));
    MetafileBuilder::word(p, quint16(width));
    MetafileBuilder::word(p, 0);
    return p + MetafileBuilder::colour(r, g, b);
}

QByteArray brush(int style, int r, int g, int b, int hatch = 0) {
    QByteArray p;
    MetafileBuilder::word(p, quint16(style));
    p += MetafileBuilder::colour(r, g, b);
    MetafileBuilder::word(p, quint16(hatch));
    return p;
}

// A LOGFONT cut after the face name's NUL when `full` is false, as Inkscape writes it.
QByteArray font(int height, int weight, bool italic, bool underline, const QByteArray &face,
                bool full = true) {
    QByteArray p;
    for (int w : {height, 0, 0, 0, weight})
        MetafileBuilder::word(p, quint16(w));
    p.append(char(italic));
    p.append(char(underline));
    p.append(QByteArray(6, '\0'));
    QByteArray name = face + '\0';
    if (full) name.resize(32, '\0');
    return p + name;
}

QByteArray text(const QByteArray &latin1) {
    QByteArray p;
    MetafileBuilder::word(p, quint16(latin1.size()));
    p += latin1;
    if (p.size() % 2) p.append('\0');
    return p;
}

// A 1000 x 500 unit picture at 1000 units per inch: 1440 x 720 twips, 1.44 twips a unit.
MetafileBuilder page() {
    MetafileBuilder b;
    b.record(0x020B, {0, 0}).record(0x020C, {500, 1000});
    return b;
}
QByteArray finish(MetafileBuilder &b) {
    b.eof();
    return b.placeable(0, 0, 1000, 500, 1000);
}

template <typename T> const T &nth(const ReadResult &r, std::size_t i) {
    return std::get<T>(r.list.items.at(i).what);
}

} // namespace

TEST(WmfMapping, PlaceableHeaderGivesTheSizeFromTheBoxAndUnitsPerInch) {
    MetafileBuilder b;
    b.eof();
    const ReadResult r = readMetafile(b.placeable(0, 0, 21167, 15875, 2540));
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.list.placeable);
    EXPECT_EQ(r.list.unitsPerInch, 2540);
    EXPECT_NEAR(r.list.widthTwips, 12000.2, 0.1);
    EXPECT_NEAR(r.list.heightTwips, 9000.0, 0.1);
}

TEST(WmfMapping, WindowOriginAndExtentMapOntoThePictureFrame) {
    MetafileBuilder b;
    b.record(0x020B, {100, 200}).record(0x020C, {500, 1000}); // org (200,100)
    b.record(0x0214, {100, 200}).record(0x0213, {600, 1200});
    b.eof();
    const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000));
    ASSERT_EQ(r.list.items.size(), 1u);
    const Shape &line = nth<Shape>(r, 0);
    EXPECT_EQ(line.points, (std::vector<PointF>{{0, 0}, {1440, 720}}));
}

TEST(WmfMapping, InkscapeOrderExtentBeforeOriginWithAnisotropicModeMapsTheSame) {
    MetafileBuilder b;
    b.record(0x020C, {500, 1000}).record(0x020B, {0, 0}).record(0x0103, {8});
    b.record(0x0214, {250, 500}).record(0x0213, {500, 1000});
    b.eof();
    const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000));
    EXPECT_EQ(nth<Shape>(r, 0).points, (std::vector<PointF>{{720, 360}, {1440, 720}}));
}

TEST(WmfMapping, WithoutPlaceableHeaderTheWindowExtentIsTheSizeInPixels) {
    MetafileBuilder b;
    b.record(0x020C, {600, 800}).record(0x0214, {20, 10}).record(0x0213, {600, 800}).eof();
    const ReadResult r = readMetafile(b.bare());
    EXPECT_TRUE(r.ok());
    EXPECT_FALSE(r.list.placeable);
    EXPECT_DOUBLE_EQ(r.list.widthTwips, 12000);
    EXPECT_DOUBLE_EQ(r.list.heightTwips, 9000);
    EXPECT_EQ(nth<Shape>(r, 0).points, (std::vector<PointF>{{150, 300}, {12000, 9000}}));
}

TEST(WmfMapping, IsotropicModeKeepsTheAspectRatio) {
    MetafileBuilder b;
    b.record(0x0103, {7}).record(0x020C, {100, 100}).record(0x0214, {0, 0}).record(0x0213, {100, 100}).eof();
    const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000));
    // 1440 x 720 twips for a 100 x 100 window: both axes take the smaller scale.
    EXPECT_EQ(nth<Shape>(r, 0).points, (std::vector<PointF>{{0, 0}, {720, 720}}));
}

TEST(WmfObjects, ANewObjectTakesTheLowestFreeSlot) {
    MetafileBuilder b = page();
    b.raw(0x02FA, pen(0, 0, 255, 0, 0));       // slot 0
    b.raw(0x02FC, brush(0, 0, 255, 0));        // slot 1
    b.record(0x01F0, {0});                     // free slot 0
    b.raw(0x02FA, pen(0, 0, 0, 0, 255));       // slot 0 again
    b.record(0x012D, {0}).record(0x012D, {1}); // blue pen, green brush
    b.record(0x041B, {100, 100, 0, 0});
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const Shape &rect = nth<Shape>(r, 0);
    EXPECT_EQ(rect.pen.colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(rect.brush.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(rect.brush.style, Brush::Style::Solid);
}

TEST(WmfObjects, UnsupportedCreateRecordsStillTakeASlot) {
    MetafileBuilder b = page();
    b.record(0x00F7, {0x300, 0});      // palette: slot 0
    b.raw(0x02FA, pen(0, 0, 1, 2, 3)); // slot 1
    b.record(0x012D, {1}).record(0x012D, {0});
    b.record(0x0214, {0, 0}).record(0x0213, {10, 10});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(nth<Shape>(r, 0).pen.colour, (Rgb{1, 2, 3}));
}

TEST(WmfObjects, ASelectedObjectStaysInForceAfterItIsDeleted) {
    MetafileBuilder b = page();
    b.raw(0x02FC, brush(0, 9, 9, 9)).record(0x012D, {0}).record(0x01F0, {0});
    b.record(0x0418, {10, 10, 0, 0});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(nth<Shape>(r, 0).brush.colour, (Rgb{9, 9, 9}));
}

TEST(WmfObjects, PenStylesWidthsAndCapsAreResolved) {
    MetafileBuilder b = page();
    b.raw(0x02FA, pen(0x2201, 10, 5, 6, 7)).record(0x012D, {0}); // dash, flat cap, miter join
    b.raw(0x02FC, brush(2, 1, 1, 1, 3)).record(0x012D, {1});
    b.raw(0x02FA, pen(5, 0, 0, 0, 0)).record(0x012D, {2});
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

TEST(WmfState, RestoreDcBringsBackPenClipAndTextColourRelativeOrAbsolute) {
    MetafileBuilder b = page();
    b.raw(0x02FA, pen(0, 0, 10, 0, 0)).record(0x012D, {0});
    b.raw(0x0209, MetafileBuilder::colour(1, 1, 1));
    b.record(0x001E, {}); // saved state 1
    b.raw(0x02FA, pen(0, 0, 20, 0, 0)).record(0x012D, {1});
    b.record(0x0416, {100, 100, 0, 0});
    b.raw(0x0209, MetafileBuilder::colour(2, 2, 2));
    b.record(0x001E, {}); // saved state 2
    b.raw(0x02FA, pen(0, 0, 30, 0, 0)).record(0x012D, {2});
    b.record(0x0127, {-1}); // back to state 2
    b.record(0x0214, {0, 0}).record(0x0213, {5, 5});
    b.record(0x0127, {1}); // back to state 1
    b.record(0x0214, {0, 0}).record(0x0213, {5, 5});
    b.raw(0x0521, text("a") + QByteArray(4, '\0'));
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    EXPECT_EQ(nth<Shape>(r, 0).pen.colour.red, 20);
    EXPECT_TRUE(r.list.items[0].clip.has_value());
    EXPECT_EQ(nth<Shape>(r, 1).pen.colour.red, 10);
    EXPECT_FALSE(r.list.items[1].clip.has_value());
    EXPECT_EQ(nth<TextRun>(r, 2).colour, (Rgb{1, 1, 1}));
}

TEST(WmfState, ClipRectanglesIntersectAndNothingOutsideIsKept) {
    MetafileBuilder b = page();
    b.record(0x0416, {400, 800, 100, 200}); // (200,100)-(800,400)
    b.record(0x0416, {500, 500, 0, 0});     // (0,0)-(500,500)
    b.record(0x041B, {10, 10, 0, 0});
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.list.items[0].clip);
    EXPECT_EQ(*r.list.items[0].clip, (RectF{288, 144, 720, 576}));
}

TEST(WmfText, TextOutCarriesFontColourAlignmentAndPosition) {
    MetafileBuilder b = page();
    b.raw(0x02FB, font(-100, 700, true, true, "Times New Roman")).record(0x012D, {0});
    b.raw(0x0209, MetafileBuilder::colour(139, 26, 26));
    b.record(0x012E, {24 | 6}).record(0x0102, {1});
    QByteArray p = text("caf\xe9 \x80\x93");
    MetafileBuilder::word(p, 200);
    MetafileBuilder::word(p, 100);
    b.raw(0x0521, p);
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const TextRun &run = nth<TextRun>(r, 0);
    EXPECT_EQ(run.text, QString::fromUtf8("café €“"));
    EXPECT_EQ(run.at, (PointF{144, 288}));
    EXPECT_EQ(run.font.face, QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(run.font.height, -144);
    EXPECT_EQ(run.font.weight, 700);
    EXPECT_TRUE(run.font.italic);
    EXPECT_TRUE(run.font.underline);
    EXPECT_EQ(run.colour, (Rgb{139, 26, 26}));
    EXPECT_EQ(run.horizontal, HAlign::Centre);
    EXPECT_EQ(run.vertical, VAlign::Baseline);
    EXPECT_FALSE(run.opaque);
    EXPECT_TRUE(run.dx.empty());
}

TEST(WmfText, ExtTextOutCarriesItsAdvancesAndClipRectangle) {
    MetafileBuilder b = page();
    b.raw(0x02FB, font(-50, 400, false, false, "Tahoma", false)).record(0x012D, {0});
    QByteArray p;
    for (int w : {10, 20, 3, 0x0006, 0, 0, 100, 50})
        MetafileBuilder::word(p, quint16(w));
    p += QByteArray("abc") + '\0';
    for (int w : {10, 20, 30})
        MetafileBuilder::word(p, quint16(w));
    b.raw(0x0A32, p);
    const ReadResult r = readMetafile(finish(b));
    ASSERT_TRUE(r.ok()) << problemName(r.problem);
    const TextRun &run = nth<TextRun>(r, 0);
    EXPECT_EQ(run.text, QStringLiteral("abc"));
    EXPECT_EQ(run.font.face, QStringLiteral("Tahoma"));
    ASSERT_EQ(run.dx.size(), 3u);
    EXPECT_NEAR(run.dx[0], 14.4, 1e-9);
    EXPECT_NEAR(run.dx[2], 43.2, 1e-9);
    ASSERT_TRUE(run.box);
    EXPECT_EQ(*run.box, (RectF{0, 0, 144, 72}));
    EXPECT_TRUE(run.clipToBox);
    EXPECT_TRUE(run.fillBox);
    EXPECT_TRUE(run.opaque); // the mode stays OPAQUE until SETBKMODE
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
// A DIB of the given depth: 40-byte header, palette, rows as given.
QByteArray dib(int width, int height, int bits, const QByteArray &palette, const QByteArray &rows,
               int used = 0) {
    QByteArray d;
    MetafileBuilder::longWord(d, 40);
    MetafileBuilder::longWord(d, quint32(width));
    MetafileBuilder::longWord(d, quint32(height));
    MetafileBuilder::word(d, 1);
    MetafileBuilder::word(d, quint16(bits));
    for (quint32 v : {0u, 0u, 0u, 0u, quint32(used), 0u})
        MetafileBuilder::longWord(d, v);
    return d + palette + rows;
}
QByteArray stretchDib(int x, int y, int w, int h, int srcW, int srcH, const QByteArray &bits) {
    QByteArray p;
    MetafileBuilder::longWord(p, 0x00CC0020);
    for (int v : {0, srcH, srcW, 0, 0, h, w, y, x})
        MetafileBuilder::word(p, quint16(v));
    return p + bits;
}
} // namespace

TEST(WmfBitmaps, DepthsOneFourEightTwentyFourAndThirtyTwoDecode) {
    MetafileBuilder b = page();
    // Palette entries are blue, green, red, reserved: blue first, then red.
    const QByteArray twoColours = MetafileBuilder::colour(255, 0, 0) + MetafileBuilder::colour(0, 0, 255);
    // 2 x 2 at 1 bit, bottom-up: bottom row "10", top row "01".
    b.raw(0x0F43, stretchDib(0, 0, 100, 100, 2, 2,
                             dib(2, 2, 1, twoColours,
                                 QByteArray::fromHex("80000000"
                                                     "40000000"))));
    b.raw(0x0F43,
          stretchDib(0, 0, 100, 100, 2, 1, dib(2, 1, 4, twoColours, QByteArray::fromHex("10000000"), 2)));
    b.raw(0x0F43,
          stretchDib(0, 0, 100, 100, 1, 1, dib(1, 1, 8, twoColours, QByteArray::fromHex("01000000"), 2)));
    b.raw(0x0F43, stretchDib(0, 0, 100, 100, 1, 1, dib(1, 1, 24, {}, QByteArray::fromHex("30201000"))));
    // 32 bits top-down with alpha 0: still opaque.
    b.raw(0x0F43, stretchDib(0, 0, 100, 100, 1, 2,
                             dib(1, -2, 32, {},
                                 QByteArray::fromHex("01020300"
                                                     "04050600"))));
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
    b.raw(0x02FC, brush(0, 7, 8, 9)).record(0x012D, {0});
    QByteArray p;
    MetafileBuilder::longWord(p, 0x00F00021);
    for (int v : {0, 0, 0, 50, 100, 0, 0})
        MetafileBuilder::word(p, quint16(v));
    b.raw(0x0940, p);
    const ReadResult r = readMetafile(finish(b));
    ASSERT_EQ(r.list.items.size(), 1u);
    EXPECT_EQ(nth<Fill>(r, 0).colour, (Rgb{7, 8, 9}));
    EXPECT_EQ(nth<Fill>(r, 0).rect, (RectF{0, 0, 144, 72}));
}

TEST(WmfRecords, EscapesAndLongerThanUsualRecordsAreSkippedByTheirSize) {
    MetafileBuilder b = page();
    b.raw(0x0626, QByteArray::fromHex("0f000800") + "WMFCxxxx");
    b.record(0x0102, {1, 0}); // Inkscape's five-word SETBKMODE
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items.size(), 1u);
}

// Hostile input: every case ends with a clear problem and a bounded result.

TEST(WmfHostile, RecordSizesZeroToTwoStopReading) {
    for (quint32 size : {0u, 1u, 2u}) {
        MetafileBuilder b = page();
        b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
        MetafileBuilder::longWord(b.records, size);
        MetafileBuilder::word(b.records, 0x0213);
        b.record(0x0213, {2, 2});
        const ReadResult r = readMetafile(finish(b));
        EXPECT_EQ(r.problem, Problem::BadRecordSize) << size;
        EXPECT_EQ(r.list.items.size(), 1u) << "what came before is kept";
    }
}

TEST(WmfHostile, RecordLongerThanTheFileStopsReading) {
    MetafileBuilder b = page();
    MetafileBuilder::longWord(b.records, 0x7FFFFFFF);
    MetafileBuilder::word(b.records, 0x0324);
    const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000));
    EXPECT_EQ(r.problem, Problem::BadRecordSize);
}

TEST(WmfHostile, TooShortOrForeignBytesAreNotAMetafile) {
    EXPECT_EQ(readMetafile({}).problem, Problem::NotAMetafile);
    EXPECT_EQ(readMetafile("GIF89a").problem, Problem::NotAMetafile);
    EXPECT_EQ(readMetafile(QByteArray::fromHex("d7cdc69a0000")).problem, Problem::NotAMetafile);
    EXPECT_EQ(readMetafile(QByteArray(64, '\xff')).problem, Problem::NotAMetafile);
}

TEST(WmfHostile, MissingEofKeepsWhatWasRead) {
    MetafileBuilder b = page();
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000));
    EXPECT_EQ(r.problem, Problem::MissingEof);
    EXPECT_EQ(r.list.items.size(), 1u);
}

TEST(WmfHostile, LyingObjectCountNeitherLimitsNorSizesTheTable) {
    for (int announced : {0, 1, 65535}) {
        MetafileBuilder b = page();
        for (int i = 0; i < 20; ++i)
            b.raw(0x02FA, pen(0, 0, i, 0, 0));
        b.record(0x012D, {19}).record(0x0214, {0, 0}).record(0x0213, {1, 1}).eof();
        const ReadResult r = readMetafile(b.placeable(0, 0, 1000, 500, 1000, announced));
        EXPECT_TRUE(r.ok()) << announced;
        EXPECT_EQ(nth<Shape>(r, 0).pen.colour.red, 19);
    }
}

TEST(WmfHostile, ObjectsBeyondTheCapAreDropped) {
    MetafileBuilder b = page();
    for (int i = 0; i < kMaxObjects + 10; ++i)
        b.raw(0x02FC, brush(0, 1, 1, 1));
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(r.problem, Problem::TooManyObjects);
}

TEST(WmfHostile, OutOfRangeOrDeletedObjectIndexesAreIgnored) {
    MetafileBuilder b = page();
    b.raw(0x02FA, pen(0, 0, 5, 5, 5)).record(0x012D, {0});
    b.raw(0x02FA, pen(0, 0, 9, 9, 9)).record(0x01F0, {1});
    b.record(0x012D, {1}).record(0x012D, {40000}).record(0x01F0, {7}).record(0x012D, {});
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(r.problem, Problem::BadObjectIndex);
    EXPECT_EQ(nth<Shape>(r, 0).pen.colour.red, 5);
}

TEST(WmfHostile, PointAndStringCountsBeyondTheRecordSkipTheRecord) {
    MetafileBuilder b = page();
    b.record(0x0324, {30000, 0, 0, 10, 10});
    b.record(0x0538, {2, 3, 30000, 0, 0});
    b.record(0x0538, {-1});
    b.raw(0x0521, QByteArray::fromHex("e803") + "ab");
    b.raw(0x0A32, QByteArray::fromHex("00000000ff7f0000") + "ab");
    b.raw(0x0A32, QByteArray::fromHex("000000000200060000"));
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(r.problem, Problem::BadRecord);
    ASSERT_EQ(r.list.items.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Shape>(r.list.items[0].what));
}

TEST(WmfHostile, HugeNegativeOrTruncatedBitmapsAreSkipped) {
    const QByteArray px = QByteArray::fromHex("30201000");
    for (auto [w, h, data] : {std::tuple{100000, 1, px}, std::tuple{-5, 1, px}, std::tuple{1, -100000, px},
                              std::tuple{30000, 30000, px}, std::tuple{64, 64, px}, std::tuple{0, 0, px}}) {
        MetafileBuilder b = page();
        b.raw(0x0F43, stretchDib(0, 0, 10, 10, 1, 1, dib(w, h, 24, {}, data)));
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

TEST(WmfHostile, EmptyPlaceableBoxIsAnEmptyPicture) {
    MetafileBuilder b;
    b.eof();
    EXPECT_EQ(readMetafile(b.placeable(5, 5, 5, 100, 1440)).problem, Problem::EmptyPicture);
}

TEST(WmfHostile, NoPlaceableHeaderAndNoWindowExtentIsAnEmptyPicture) {
    MetafileBuilder b;
    b.record(0x0214, {0, 0}).record(0x0213, {10, 10}).eof();
    const ReadResult r = readMetafile(b.bare());
    EXPECT_EQ(r.problem, Problem::EmptyPicture);
    EXPECT_EQ(r.list.widthTwips, 0);
}

TEST(WmfHostile, DeepSaveDcNestingIsCappedAndReadingGoesOn) {
    MetafileBuilder b = page();
    for (int i = 0; i < 100000; ++i)
        b.record(0x001E, {});
    for (int i = 0; i < 100000; ++i)
        b.record(0x0127, {-1});
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_EQ(r.problem, Problem::SaveDepth);
    EXPECT_EQ(r.list.items.size(), 1u);
}

TEST(WmfHostile, ThousandsOfClipRecordsFoldIntoOneRectangle) {
    MetafileBuilder b = page();
    for (int i = 0; i < 50000; ++i)
        b.record(0x0416, {500, 1000 - i % 500, 0, 0});
    b.record(0x0214, {0, 0}).record(0x0213, {1, 1});
    const ReadResult r = readMetafile(finish(b));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.list.items[0].clip, (RectF{0, 0, 501 * 1.44, 720}));
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
