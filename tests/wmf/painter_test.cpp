#include "core/paths.h"
#include "metafilebuilder.h"
#include "platform/pictures.h"
#include "stage/fonts.h"
#include "support/greydifference.h"
#include "wmf/painter.h"
#include "wmf/reader.h"
#include "wmf/writer.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <tuple>

using namespace wmf;
using namespace wmfbytes;

namespace {

// Fonts need the application object; one lives for the whole run.
struct GuiEnvironment : testing::Environment {
    void SetUp() override {
        static int argc = 1;
        static char name[] = "wmf_painter_test", *argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
        registerFonts();
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<QGuiApplication> app;
};
[[maybe_unused]] testing::Environment *const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

QImage render(const Writer &w) {
    return renderDisplayList(readMetafile(w.bytes()).list);
}

// The records, then EOF, as a picture of w x h logical units at 96 an inch: a pixel each.
DisplayList pixelPicture(const QByteArray &records, int w, int h) {
    return readMetafile(placeable(records, 0, 0, w, h, 96)).list;
}

} // namespace

TEST(WmfPainter, ShapesLandWhereTheirTwipsSayAtFifteenAPixelOrScaledOntoALargerRectangle) {
    Writer w(1500, 750);
    w.setNullPen();
    w.setBrush({255, 0, 0});
    w.rectangle(150, 150, 750, 450);
    const QImage own = render(w);
    ASSERT_EQ(own.size(), QSize(100, 50));
    EXPECT_EQ(inkOf(own, Qt::red), QRect(QPoint(10, 10), QPoint(49, 29)));
    EXPECT_EQ(own.pixelColor(70, 40).alpha(), 0);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.wmf"));
    ASSERT_FALSE(w.save(file).has_value());
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_TRUE(drawMetafile(painter, file, QRectF(50, 50, 200, 100)));
    // A missing file draws nothing.
    EXPECT_FALSE(drawMetafile(painter, QStringLiteral("/nonexistent/page.wmf"), QRectF(0, 0, 300, 200)));
    EXPECT_TRUE(renderMetafile(QStringLiteral("/nonexistent/page.wmf")).isNull());
    painter.end();
    EXPECT_EQ(inkOf(image, Qt::red), QRect(QPoint(70, 70), QPoint(149, 109)));
}

// A green rectangle without outline over the whole picture, clipped to its top-left quarter.
TEST(WmfPainter, NothingOutsideTheClipRectangleShows) {
    const QImage image = renderDisplayList(
        pixelPicture(rec(0x02FC, brush(0, 0, 128, 0)) + rec(0x012D, {0}) + rec(0x02FA, pen(5, 0, 0, 0, 0)) +
                         rec(0x012D, {1}) + rec(0x0416, {50, 50, 0, 0}) + rec(0x041B, {100, 100, 0, 0}),
                     100, 100));
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(inkOf(image, QColor(0, 128, 0)), QRect(0, 0, 50, 50));
}

TEST(WmfPainter, CentredTextIsCentredOnItsReferencePointInItsColour) {
    Writer w(3000, 1500);
    w.setFont({QStringLiteral("Arial"), 24, 700});
    w.setTextColour({200, 0, 0});
    w.setTextAlign(HAlign::Centre, VAlign::Baseline);
    w.textOut(1500, 750, QStringLiteral("Phidias"));
    const QRect ink = inkOf(render(w), QColor(200, 0, 0), 150);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.bottom(), 50, 2);                  // no descenders: the ink ends on the baseline
    EXPECT_NEAR(ink.height(), 24 * 96 / 72 * 0.72, 4); // a capital is about 0.72 em
}

namespace {

// A picture of 400 x 100 pixels, a logical unit to a pixel, holding one text
// record in the face at 60 pixels, black, on the baseline y = 70 from x = 10.
QImage textRecordPicture(const QByteArray &face, int weight, const QByteArray &text,
                         const std::vector<int> &dx) {
    const QByteArray records = rec(0x02FB, font(-60, weight, false, false, face)) + rec(0x012D, {0}) +
                               rec(0x0102, {1}) + rec(0x012E, {24}) // transparent, left on the baseline
                               + rec(0x0A32, extText(10, 70, text, dx));
    return renderDisplayList(pixelPicture(records, 400, 100), {}, Qt::white);
}

struct Piece {
    QFont font;
    int x;
    QString text;
};

// The same picture made by drawing each piece of text on its own at its x.
QImage piecesPicture(const std::vector<Piece> &pieces) {
    QImage image(400, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const Piece &piece : pieces) {
        painter.setFont(piece.font);
        painter.drawText(QPointF(piece.x, 70), piece.text);
    }
    return image;
}

// Each character's advance as the font sets the text, rounded to whole pixels.
std::vector<int> advancesOf(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<int> advances;
    for (int i = 0; i < text.size(); ++i)
        advances.push_back(int(std::lround(line.cursorToX(i + 1)) - std::lround(line.cursorToX(i))));
    return advances;
}

} // namespace

// Every character of a record with advances stands where its advance puts it,
// in faces with "fi" and "fl" ligatures (Tahoma, and DejaVu Sans for Verdana)
// and one without: with the face's own widths the word looks as the face sets
// it with no ligature, so no ligature swallows a letter or moves the ones
// after it; with wider advances each character looks as if drawn alone at its
// place. A writer that formed a ligature in its own layout gives its first
// letter the ligature's width and the others none (LibreOffice's "fi": f the
// pair, i 0): those letters are drawn together, not one on another.
TEST(WmfPainter, TextWithAdvancesDrawsEachCharacterAtItsAdvanceAndAWritersLigatureTogether) {
    for (const auto &[face, weight] :
         {std::pair{"Tahoma", 400}, {"Tahoma", 700}, {"Verdana", 400}, {"Arial", 400}}) {
        QFont font(QString::fromLatin1(face));
        font.setPixelSize(60);
        font.setWeight(QFont::Weight(weight));
        QFont unjoined = font;
        unjoined.setKerning(false);
        unjoined.setStyleStrategy(QFont::PreferNoShaping);
        for (const char *word : {"finir", "baffle", "je finis"}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(weight) + " " + word);
            const QString text = QString::fromLatin1(word);
            const std::vector<int> own = advancesOf(text, unjoined);
            std::vector<int> wider;
            std::vector<Piece> alone;
            for (qsizetype i = 0, x = 10; i < text.size(); x += wider.back(), ++i) {
                wider.push_back(own[i] + 5);
                alone.push_back({unjoined, int(x), QString(text[i])});
            }
            EXPECT_LT(meanGreyDifference(textRecordPicture(face, weight, word, own),
                                         piecesPicture({{unjoined, 10, text}})),
                      0.05);
            EXPECT_LT(meanGreyDifference(textRecordPicture(face, weight, word, wider), piecesPicture(alone)),
                      0.05);
        }
        SCOPED_TRACE(std::string(face) + " " + std::to_string(weight) + " joined fi");
        const int pair = int(std::lround(QFontMetricsF(font).horizontalAdvance(QStringLiteral("fi"))));
        std::vector<int> dx = {pair, 0};
        for (int advance : advancesOf(QStringLiteral("nir"), unjoined))
            dx.push_back(advance);
        const QImage expected =
            piecesPicture({{font, 10, QStringLiteral("fi")}, {unjoined, 10 + pair, QStringLiteral("nir")}});
        EXPECT_LT(meanGreyDifference(textRecordPicture(face, weight, "finir", dx), expected), 0.05);
    }
}

namespace {

constexpr QRgb kPage = 0xFFC8C8C8; // light grey
constexpr QRgb kBands[] = {0xFFFF0000, 0xFF00A000, 0xFF0000FF, 0xFFFFC000};
const QPolygonF kTriangle({QPointF(60, 15), QPointF(105, 85), QPointF(15, 85)});

// Brush in slot 1 (the null pen holds slot 0).
QByteArray selectBrush(QRgb colour) {
    return rec(0x01F0, {1}) + rec(0x02FC, brush(0, qRed(colour), qGreen(colour), qBlue(colour))) +
           rec(0x012D, {1});
}

// Four vertical bands over (10,10)-(110,90), as polygons.
QByteArray bands() {
    QByteArray records;
    for (int i = 0; i < 4; ++i) {
        const int left = 10 + 25 * i, right = left + 25;
        records += selectBrush(kBands[i]) + rec(0x0324, {4, left, 10, right, 10, right, 90, left, 90});
    }
    return records;
}

// The null pen in slot 0 and the page's grey brush in slot 1.
const QByteArray kNullPenGreyBrush = rec(0x02FA, pen(5, 0, 0, 0, 0)) + rec(0x012D, {0}) +
                                     rec(0x02FC, brush(0, qRed(kPage), qGreen(kPage), qBlue(kPage))) +
                                     rec(0x012D, {1});

// A grey page of 120 x 100 pixels (a logical unit to a pixel), and on it a
// four-band gradient in a triangle as LibreOffice writes one: the bands XORed
// in, the triangle filled black, the bands XORed again.
DisplayList gradientInATriangle(bool page = true) {
    return pixelPicture(kNullPenGreyBrush + (page ? rec(0x041B, {100, 120, 0, 0}) : QByteArray()) +
                            rec(0x001E, {}) + rec(0x0104, {7}) + bands() + rec(0x0104, {13}) +
                            selectBrush(0xFF000000) + rec(0x0324, {3, 60, 15, 105, 85, 15, 85}) +
                            rec(0x0104, {7}) + bands() + rec(0x0127, {-1}),
                        120, 100);
}

// A green rectangle without outline mixed with what lies under it by the
// raster operation, in twips at 15 a pixel.
Item mixedBox(Rop2 rop, double left, double top, double right, double bottom) {
    return {Shape{.kind = Shape::Kind::Rectangle,
                  .box = {left * 15, top * 15, right * 15, bottom * 15},
                  .pen = {PenStyle::Null},
                  .brush = {Brush::Style::Solid, {0, 255, 0}},
                  .rop = rop},
            {}};
}

// Whether the point lies within 1.5 picture pixels of the triangle's edge:
// some corner of the 3 x 3 square round it lies on the edge's other side.
bool nearTheEdge(QPointF p) {
    const bool in = kTriangle.containsPoint(p, Qt::OddEvenFill);
    for (const QPointF corner :
         {QPointF(-1.5, -1.5), QPointF(1.5, -1.5), QPointF(-1.5, 1.5), QPointF(1.5, 1.5)})
        if (kTriangle.containsPoint(p + corner, Qt::OddEvenFill) != in) return true;
    return false;
}

// How screens (images) and paper (drawn as images at the device's
// resolution, here 3 pixels to a picture pixel and off the pixel grid) draw.
struct MixingCase {
    const char *name;
    Mixing mixing;
    double scale;
    QPointF offset;
};
constexpr MixingCase kMixingCases[] = {{"screen", Mixing::AsDeviceCan, 1, {0, 0}},
                                       {"paper", Mixing::AsImages, 3, {0.4, 0.7}}};

QImage drawnWith(const DisplayList &list, const MixingCase &c) {
    QImage image(QSize(120, 100) * c.scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(c.offset);
    painter.scale(c.scale, c.scale);
    paintDisplayList(painter, list, QRectF(0, 0, 120, 100), c.mixing);
    return image;
}

} // namespace

// Inside the triangle each band shows in its colour; outside it the two XOR
// passes cancel and the page shows as it was, on screen and on paper alike;
// also with forty small squares below that NOT inverts whatever their brush,
// each after a text record (more runs than paper draws as images one by
// one), and then a box over everything that NOP leaves undrawn.
TEST(WmfPainter, AGradientXoredIntoAShapeShowsInsideTheShapeNotInvertsAndNopDrawsNothing) {
    DisplayList many = gradientInATriangle();
    for (int i = 0; i < 40; ++i) {
        many.items.push_back({TextRun{}, {}});
        many.items.push_back(mixedBox(Rop2::Not, 1 + 3 * i, 92, 3 + 3 * i, 98));
    }
    many.items.push_back(mixedBox(Rop2::Nop, 0, 0, 120, 100));
    for (const auto &[list, c] : {std::pair{gradientInATriangle(), kMixingCases[0]},
                                  std::pair{gradientInATriangle(), kMixingCases[1]},
                                  std::pair{many, kMixingCases[0]}, std::pair{many, kMixingCases[1]}}) {
        SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(list.items.size()) + " items");
        const QImage image = drawnWith(list, c);
        int inside = 0, outside = 0, wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                // The picture pixel under this device pixel's centre.
                const QPointF at = (QPointF(x + 0.5, y + 0.5) - c.offset) / c.scale;
                if (nearTheEdge(at) || at.x() < 1 || at.y() < 1 || at.x() > 119 || at.y() > 90) continue;
                const bool in = kTriangle.containsPoint(at, Qt::OddEvenFill);
                const double band = (at.x() - 10) / 25;
                if (in && std::abs(band - std::round(band)) * 25 < 1.5) continue; // a band's edge
                const QRgb expected = in ? kBands[std::clamp(int(band), 0, 3)] : kPage;
                (in ? inside : outside)++;
                if (image.pixel(x, y) != expected && ++wrong <= 5)
                    ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << image.pixel(x, y)
                                  << " instead of " << expected;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(inside, 1000 * c.scale * c.scale);
        EXPECT_GT(outside, 3000 * c.scale * c.scale);
        if (list.items.size() > 50)
            for (int i = 0; i < 40; ++i) {
                const QPointF centre = QPointF(2 + 3 * i, 95) * c.scale + c.offset;
                EXPECT_EQ(image.pixel(centre.toPoint()), 0xFF373737u) << "square " << i;
            }
    }
}

// Drawn into a transparent image, the gradient's XOR passes leave the outside
// transparent and the inside opaque; NOT over nothing is opaque white, never a
// colour without opacity.
TEST(WmfPainter, OnATransparentImageMixedShapesLeaveOpaqueColoursOrNothing) {
    DisplayList list = gradientInATriangle(false);
    list.items.push_back(mixedBox(Rop2::Not, 0, 95, 120, 100));
    const QImage image = renderDisplayList(list);
    EXPECT_EQ(image.pixel(5, 5), 0u);
    EXPECT_EQ(image.pixel(20, 20), 0u);
    EXPECT_EQ(image.pixel(60, 70), kBands[2]);
    EXPECT_EQ(image.pixel(5, 97), 0xFFFFFFFFu);
}

// Paper draws every seed of the reader's fuzz corpus, hostile ones included,
// as the screen does: the parts mixed by raster operations as images, the
// rest as it is.
TEST(WmfPainter, PaperDrawsEveryFuzzSeedAsTheScreenDoes) {
    const QStringList seeds = QDir(QStringLiteral(WMF_SEEDS_DIR)).entryList({QStringLiteral("*.wmf")});
    ASSERT_GT(seeds.size(), 20);
    for (const QString &seed : seeds) {
        SCOPED_TRACE(qPrintable(seed));
        const DisplayList list = readMetafileFile(QStringLiteral(WMF_SEEDS_DIR "/") + seed).list;
        QImage screen(160, 120, QImage::Format_ARGB32_Premultiplied), paper = screen;
        for (auto &[image, mixing] :
             {std::pair{&screen, Mixing::ByDevice}, std::pair{&paper, Mixing::AsImages}}) {
            image->fill(Qt::white);
            QPainter painter(image);
            paintDisplayList(painter, list, QRectF(0, 0, 160, 120), mixing);
        }
        EXPECT_LT(meanGreyDifference(screen, paper), 1.0);
    }
}

// A printer, like a PDF, cannot mix colours: a page with XOR reaches it with
// an image for that part, a page without any as shapes only.
TEST(WmfPainter, OnADeviceWithoutRasterOperationsTheMixedPartIsAnImage) {
    const auto pdf = [](const DisplayList &list) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        QPainter painter(&writer);
        paintDisplayList(painter, list, QRectF(0, 0, 1200, 1000));
        painter.end();
        return bytes;
    };
    EXPECT_TRUE(pdf(gradientInATriangle()).contains("/Subtype /Image"));
    DisplayList plain = gradientInATriangle();
    for (Item &item : plain.items)
        if (auto *shape = std::get_if<Shape>(&item.what)) shape->rop = Rop2::CopyPen;
    EXPECT_FALSE(pdf(plain).contains("/Subtype /Image"));
}

TEST(WmfPainter, EscapementTurnsTheTextAnticlockwise) {
    const QImage image = renderDisplayList(
        pixelPicture(rec(0x02FB, font(-20, 400, false, false, "Arial", false, 900)) + rec(0x012D, {0}) +
                         rec(0x0102, {1}) + rec(0x0521, text("HHHHHHHH") + words({150, 100})),
                     200, 200));
    const QRect ink = inkOf(image, Qt::black, 200);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 3 * ink.width());
    EXPECT_LT(ink.bottom(), 152); // it runs upwards from its reference point
}

TEST(WmfPainter, PicturesAreStretchedOntoTheirRectangle) {
    Writer w(1500, 1500);
    const QByteArray rgb = QByteArray::fromHex("ff0000 00ff00"
                                               "0000ff ffff00");
    ASSERT_TRUE(w.picture(0, 0, 1500, 1500, rgb, 2, 2));
    const QImage image = render(w);
    for (const auto &[x, y, colour] :
         {std::tuple{20, 20, Qt::red}, {80, 20, Qt::green}, {20, 80, Qt::blue}, {80, 80, Qt::yellow}})
        EXPECT_EQ(image.pixelColor(x, y), QColor(colour)) << x << "," << y;
}

TEST(WmfPainter, ContentPicturesLoadMetafilesOfAnyLetterCaseAtTheirOwnSize) {
    QTemporaryDir dir;
    setProgramFolders(ProgramFolders::inOneFolder(dir.path()));
    QDir(dir.path()).mkdir(QStringLiteral("wmf"));
    Writer w(10485, 7800);
    ASSERT_FALSE(w.save(dir.filePath(QStringLiteral("wmf/guide1.WMF"))).has_value());
    const QImage image = loadPicture(QStringLiteral("wmf\\guide1.WMF"));
    EXPECT_EQ(image.size(), QSize(699, 520));
}
