#include "metafilebuilder.h"
#include "platform/pictures.h"
#include "shell/fonts.h"
#include "wmf/painter.h"
#include "wmf/reader.h"
#include "wmf/writer.h"

#include <QDir>
#include <QTextLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace wmf;

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

QImage render(const Writer &w, QSize size = {}) {
    return renderDisplayList(readMetafile(w.bytes()).list, size);
}

// The bounding box of the pixels of one colour, give or take anti-aliasing.
QRect inkOf(const QImage &image, QColor colour, int tolerance = 60) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                           std::abs(c.blue() - colour.blue()) <
                                       tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

const QString kSamples = QStringLiteral(WMF_SAMPLES_DIR);

} // namespace

TEST(WmfPainter, AtItsOwnSizeOfFifteenTwipsAPixelShapesLandWhereTheirTwipsSay) {
    Writer w(1500, 750);
    w.setNullPen();
    w.setBrush({255, 0, 0});
    w.rectangle(150, 150, 750, 450);
    EXPECT_EQ(pixelSize(readMetafile(w.bytes()).list), QSize(100, 50));
    const QImage image = render(w);
    ASSERT_EQ(image.size(), QSize(100, 50));
    EXPECT_EQ(inkOf(image, Qt::red), QRect(QPoint(10, 10), QPoint(49, 29)));
    EXPECT_EQ(image.pixelColor(70, 40).alpha(), 0);
}

TEST(WmfPainter, DrawingOntoALargerRectangleScalesThePictureAndAMissingFileDrawsNothing) {
    Writer w(1500, 750);
    w.setNullPen();
    w.setBrush({0, 0, 255});
    w.rectangle(150, 150, 750, 450);
    const QString file = QDir::temp().filePath(QStringLiteral("wmf_painter_scale.wmf"));
    ASSERT_FALSE(w.save(file).has_value());
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_TRUE(drawMetafile(painter, file, QRectF(50, 50, 200, 100)));
    // A missing file draws nothing.
    EXPECT_FALSE(drawMetafile(painter, QStringLiteral("/nonexistent/page.wmf"), QRectF(0, 0, 300, 200)));
    EXPECT_TRUE(renderMetafile(QStringLiteral("/nonexistent/page.wmf")).isNull());
    painter.end();
    QFile::remove(file);
    EXPECT_EQ(inkOf(image, Qt::blue), QRect(QPoint(70, 70), QPoint(149, 109)));
}

TEST(WmfPainter, NothingOutsideTheClipRectangleShows) {
    MetafileBuilder b;
    b.record(0x020B, {0, 0}).record(0x020C, {100, 100});
    b.raw(0x02FC, MetafileBuilder::brush(0, 0, 128, 0)).record(0x012D, {0});
    b.raw(0x02FA, MetafileBuilder::pen(5, 0, 0, 0, 0)).record(0x012D, {1}); // no outline
    b.record(0x0416, {50, 50, 0, 0});                                       // keep the top-left quarter
    b.record(0x041B, {100, 100, 0, 0});                                     // a rectangle over everything
    b.eof();
    const QImage image = renderDisplayList(readMetafile(b.placeable(0, 0, 100, 100, 96)).list);
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

TEST(WmfPainter, TextWithAdvancesPutsEachCharacterWhereTheAdvancesSay) {
    Writer w(3000, 1500);
    w.setFont({QStringLiteral("Arial"), 12});
    w.setTextColour({0, 0, 0});
    w.extTextOut(150, 750, QStringLiteral("III"), {600, 600, 600});
    const QRect ink = inkOf(render(w), Qt::black, 200);
    // Three bars 40 pixels apart: the ink spans the first to the third.
    EXPECT_NEAR(ink.width(), 80 + 3, 4);
}

namespace {

// A picture of 400 x 100 pixels, a logical unit to a pixel, holding one text
// record in the face at 60 pixels, black, on the baseline y = 70 from x = 10.
QImage textRecordPicture(const QByteArray &face, int weight, const QByteArray &text, const std::vector<int> &dx) {
    MetafileBuilder b;
    b.raw(0x02FB, MetafileBuilder::font(-60, weight, false, false, face)).record(0x012D, {0});
    b.record(0x0102, {1}).record(0x012E, {24}); // transparent, left on the baseline
    b.raw(0x0A32, MetafileBuilder::extText(10, 70, text, dx)).eof();
    return renderDisplayList(readMetafile(b.placeable(0, 0, 400, 100, 96)).list, {}, Qt::white);
}

// The same picture made by drawing each piece of text on its own at its x.
QImage piecesPicture(const QFont &font, const std::vector<std::pair<int, QString>> &pieces) {
    QImage image(400, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const auto &[x, text] : pieces)
        painter.drawText(QPointF(x, 70), text);
    return image;
}

double meanGreyDifference(const QImage &a, const QImage &b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return total / (a.width() * a.height());
}

// Faces with "fi" and "fl" ligatures (Tahoma, and DejaVu Sans for Verdana) and one without.
struct LigatureCase {
    const char *face;
    int weight;
};
constexpr LigatureCase kLigatureFaces[] = {{"Tahoma", 400}, {"Tahoma", 700}, {"Verdana", 400}, {"Arial", 400}};

QFont faceAt60(const LigatureCase &c) {
    QFont font(QString::fromLatin1(c.face));
    font.setPixelSize(60);
    font.setWeight(QFont::Weight(c.weight));
    return font;
}

} // namespace

// Every character of a record with advances stands where its advance puts it:
// with the face's own widths the word looks as the face sets it with no
// ligature, so no ligature swallows a letter or moves the ones after it; with
// wider advances each character looks as if drawn alone at its place.
TEST(WmfPainter, TextWithAdvancesDrawsEveryCharacterAtItsOwnAdvanceWhateverLigaturesTheFontHas) {
    for (const LigatureCase &c : kLigatureFaces)
        for (const char *word : {"finir", "baffle", "je finis"}) {
            SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.weight) + " " + word);
            QFont unjoined = faceAt60(c);
            unjoined.setKerning(false);
            unjoined.setStyleStrategy(QFont::PreferNoShaping);
            const QString text = QString::fromLatin1(word);
            QTextLayout layout(text, unjoined);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            std::vector<int> own, wider;
            std::vector<std::pair<int, QString>> alone;
            for (qsizetype i = 0, x = 10; i < text.size(); ++i) {
                own.push_back(int(std::lround(line.cursorToX(int(i) + 1)) - std::lround(line.cursorToX(int(i)))));
                wider.push_back(own.back() + 5);
                alone.emplace_back(int(x), QString(text[i]));
                x += wider.back();
            }
            EXPECT_LT(meanGreyDifference(textRecordPicture(c.face, c.weight, word, own),
                                         piecesPicture(unjoined, {{10, text}})),
                      0.05);
            EXPECT_LT(meanGreyDifference(textRecordPicture(c.face, c.weight, word, wider),
                                         piecesPicture(unjoined, alone)),
                      0.05);
        }
}

// A writer that formed a ligature in its own layout gives its first letter the
// ligature's width and the others none (LibreOffice's "fi": f the pair, i 0):
// the letters are drawn together as the font sets them, not one on another.
TEST(WmfPainter, LettersAWriterJoinedInALigatureAreDrawnTogetherNotOnTheNextLetter) {
    for (const LigatureCase &c : kLigatureFaces) {
        SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.weight));
        const QFont font = faceAt60(c);
        QFont unjoined = font;
        unjoined.setKerning(false);
        unjoined.setStyleStrategy(QFont::PreferNoShaping);
        const int pair = int(std::lround(QFontMetricsF(font).horizontalAdvance(QStringLiteral("fi"))));
        QTextLayout rest(QStringLiteral("nir"), unjoined);
        rest.beginLayout();
        const QTextLine line = rest.createLine();
        rest.endLayout();
        std::vector<int> dx = {pair, 0};
        for (int i = 0; i < 3; ++i)
            dx.push_back(int(std::lround(line.cursorToX(i + 1)) - std::lround(line.cursorToX(i))));

        QImage expected = piecesPicture(unjoined, {{10 + pair, QStringLiteral("nir")}});
        QPainter ligature(&expected);
        ligature.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        ligature.setFont(font);
        ligature.setPen(Qt::black);
        ligature.drawText(QPointF(10, 70), QStringLiteral("fi"));
        ligature.end();
        EXPECT_LT(meanGreyDifference(textRecordPicture(c.face, c.weight, "finir", dx), expected), 0.05);
    }
}

TEST(WmfPainter, EscapementTurnsTheTextAnticlockwise) {
    MetafileBuilder b;
    b.record(0x020B, {0, 0}).record(0x020C, {200, 200});
    b.raw(0x02FB, MetafileBuilder::font(-20, 400, false, false, "Arial", false, 900));
    b.record(0x012D, {0}).record(0x0102, {1});
    b.raw(0x0521, MetafileBuilder::text("HHHHHHHH") + MetafileBuilder::words({150, 100})).eof();
    const QImage image = renderDisplayList(readMetafile(b.placeable(0, 0, 200, 200, 96)).list);
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
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(80, 20), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(20, 80), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(80, 80), QColor(255, 255, 0));
}

TEST(WmfPainter, ContentPicturesLoadMetafilesOfAnyLetterCaseAtTheirOwnSize) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkdir(QStringLiteral("wmf"));
    Writer w(10485, 7800);
    ASSERT_FALSE(w.save(QStringLiteral("wmf/guide1.WMF")).has_value());
    const QImage image = loadPicture(QStringLiteral("wmf\\guide1.WMF"));
    QDir::setCurrent(previous);
    EXPECT_EQ(image.size(), QSize(699, 520));
}

// The samples drawn at the references' size agree with them block by block:
// layout and colours, not glyph shapes (the fonts are substitutes on both sides).
class WmfSampleRendering : public testing::TestWithParam<const char *> {};

TEST_P(WmfSampleRendering, LooksLikeTheReferenceInCoarseBlocks) {
    if (!QDir(kSamples).exists()) GTEST_SKIP() << "the sample metafiles are not at " << qPrintable(kSamples);
    const QString base = kSamples + QLatin1Char('/') + QString::fromLatin1(GetParam());
    const QImage reference = QImage(base + QStringLiteral(".ref.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());
    const QImage ours =
        renderMetafile(base + QStringLiteral(".wmf"), {}, Qt::white).convertToFormat(QImage::Format_RGB32);
    ASSERT_LE(std::abs(ours.width() - reference.width()), 1);
    ASSERT_LE(std::abs(ours.height() - reference.height()), 1);
    constexpr int kBlocks = 16;
    const QSize small(kBlocks, kBlocks);
    const QImage a = ours.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = reference.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int y = 0; y < kBlocks; ++y)
        for (int x = 0; x < kBlocks; ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int d = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                    std::abs(p.blue() - q.blue())});
            total += d;
            // A missing picture, box or line of text differs by far more than a
            // substituted face's wider glyphs do.
            EXPECT_LT(d, 64) << "block " << x << "," << y;
        }
    EXPECT_LT(total / (kBlocks * kBlocks), 4.0);
}

INSTANTIATE_TEST_SUITE_P(Producers, WmfSampleRendering,
                         testing::Values("lo_reading_page", "lo_photo_page", "inkscape_photo_page",
                                         "lo_from_svg", "lo_from_fodg", "inkscape_from_svg"));
