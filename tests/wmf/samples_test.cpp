// Pages LibreOffice and Inkscape wrote: the samples beside the working tree,
// each with the listing of its records and a reference drawing;
// copies of them and LibreOffice's Greek page are seeds of the fuzz corpus.

#include "support/greydifference.h"
#include "wmf/painter.h"
#include "wmf/reader.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace wmf;

namespace {

const QString kSamples = QStringLiteral(WMF_SAMPLES_DIR);

ReadResult readSeed(const char *name) {
    return readMetafileFile(QStringLiteral(WMF_SEEDS_DIR "/%1.wmf").arg(QLatin1String(name)));
}

struct Expected {
    QStringList texts;
    QSet<QString> fonts; // face/weight/italic/underline
    QStringList colours; // #RRGGBB last set before each text
    QStringList bitmaps; // WxH
};

QString fontKey(const QString &face, int weight, bool italic, bool underline) {
    return QStringLiteral("%1/%2/%3/%4").arg(face).arg(weight).arg(int(italic)).arg(int(underline));
}

// What the record listing beside each sample says it holds.
Expected expectedFor(const QString &name) {
    Expected e;
    QFile records(kSamples + QLatin1Char('/') + name + QStringLiteral(".records.txt"));
    if (!records.open(QIODevice::ReadOnly)) return e;
    static const QRegularExpression text(QStringLiteral(R"re(\b(?:EXT)?TEXTOUT\b.*?"(.*)"$)re"));
    static const QRegularExpression font(
        QStringLiteral(R"re(CREATEFONTINDIRECT.*weight=(\d+) italic=(\d) underline=(\d).*face="(.*)")re"));
    static const QRegularExpression colour(QStringLiteral(R"re(SETTEXTCOLOR.*color=(#[0-9A-F]{6}))re"));
    static const QRegularExpression dib(QStringLiteral(R"re(STRETCHDIB.*DIB (\d+x\d+))re"));
    QString current;
    for (const QString &line : QString::fromUtf8(records.readAll()).split(QLatin1Char('\n'))) {
        if (auto m = text.match(line); m.hasMatch()) {
            e.texts << m.captured(1);
            e.colours << current;
        }
        if (auto m = font.match(line); m.hasMatch())
            e.fonts << fontKey(m.captured(4), m.captured(1).toInt(), m.captured(2) == QLatin1String("1"),
                               m.captured(3) == QLatin1String("1"));
        if (auto m = colour.match(line); m.hasMatch()) current = m.captured(1);
        if (auto m = dib.match(line); m.hasMatch()) e.bitmaps << m.captured(1);
    }
    return e;
}

class WmfSamples : public testing::TestWithParam<const char *> {
  protected:
    void SetUp() override {
        if (!QDir(kSamples).exists())
            GTEST_SKIP() << "the sample metafiles are not at " << qPrintable(kSamples);
        base_ = kSamples + QLatin1Char('/') + QString::fromLatin1(GetParam());
    }
    QString base_;
};

} // namespace

// Text runs in order, their fonts and colours, and the pictures' pixel sizes
// are what the record listing beside the sample says.
TEST_P(WmfSamples, DisplayListHoldsTheRecordsTextsFontsColoursAndPictures) {
    const ReadResult r = readMetafileFile(base_ + QStringLiteral(".wmf"));
    const Expected e = expectedFor(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(r.ok()) << problemName(r.problem) << " at " << r.problemOffset;
    EXPECT_TRUE(r.list.placeable);
    QStringList texts, colours, bitmaps;
    for (const Item &item : r.list.items) {
        if (const auto *run = std::get_if<TextRun>(&item.what)) {
            texts << run->text;
            colours << QColor(run->colour.red, run->colour.green, run->colour.blue).name().toUpper();
            EXPECT_TRUE(e.fonts.contains(
                fontKey(run->font.face, run->font.weight, run->font.italic, run->font.underline)))
                << qPrintable(run->text);
            EXPECT_LT(run->font.height, 0) << "character heights, as the producers write them";
        } else if (const auto *pic = std::get_if<Picture>(&item.what)) {
            bitmaps << QStringLiteral("%1x%2").arg(pic->bitmap.width).arg(pic->bitmap.height);
            EXPECT_GE(pic->target.left, 0);
            EXPECT_LE(pic->target.right, r.list.widthTwips + 1);
            EXPECT_EQ(pic->sourceWidth, pic->bitmap.width);
            EXPECT_EQ(pic->bitmap.pixels.front() >> 24, 0xFFu);
        }
    }
    ASSERT_FALSE(e.texts.isEmpty());
    EXPECT_EQ(texts, e.texts);
    EXPECT_EQ(colours, e.colours);
    EXPECT_EQ(bitmaps, e.bitmaps);
}

// Drawn at the reference's size, a sample agrees with it block by block:
// layout and colours, not glyph shapes (the fonts are substitutes on both sides).
TEST_P(WmfSamples, LooksLikeTheReferenceInCoarseBlocks) {
    const QImage reference = QImage(base_ + QStringLiteral(".ref.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());
    const QImage ours =
        renderMetafile(base_ + QStringLiteral(".wmf"), {}, Qt::white).convertToFormat(QImage::Format_RGB32);
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

INSTANTIATE_TEST_SUITE_P(Producers, WmfSamples,
                         testing::Values("lo_reading_page", "lo_photo_page", "inkscape_photo_page",
                                         "lo_from_svg", "lo_from_fodg", "inkscape_from_svg"));

// Also where the samples are missing: the page's size, and its title's face,
// height, colour, advances and clip to the page.
TEST(WmfSampleDetails, ReadingPageTitleIsTwentySixPointTimesInDarkRedWithAdvancesClippedToThePage) {
    const ReadResult r = readSeed("lo_reading_page");
    EXPECT_NEAR(r.list.widthTwips / 1440, 8.33, 0.01);
    EXPECT_NEAR(r.list.heightTwips / 1440, 6.25, 0.01);
    const auto title = std::find_if(r.list.items.begin(), r.list.items.end(), [](const Item &item) {
        return std::holds_alternative<TextRun>(item.what);
    });
    ASSERT_NE(title, r.list.items.end());
    const TextRun &run = std::get<TextRun>(title->what);
    EXPECT_EQ(run.text, QStringLiteral("Lecture : Le moulin de la rivière"));
    EXPECT_EQ(run.font.face, QStringLiteral("Times New Roman"));
    EXPECT_NEAR(run.font.height, -520, 1);
    EXPECT_EQ(run.colour, (Rgb{0x8B, 0x1A, 0x1A}));
    EXPECT_EQ(run.vertical, VAlign::Baseline);
    EXPECT_EQ(run.dx.size(), std::size_t(run.text.size()));
    ASSERT_TRUE(title->clip);
    EXPECT_NEAR(title->clip->right, r.list.widthTwips, 0.5);
}

// LibreOffice's frame round a picture from an SVG reaches past the page:
// its shapes keep a clip that lies on the page.
TEST(WmfSampleDetails, FrameOutsideThePictureLiesOutsideItsClip) {
    int outside = 0;
    for (const Item &item : readSeed("lo_from_svg").list.items) {
        const auto *shape = std::get_if<Shape>(&item.what);
        if (!shape || !item.clip || std::none_of(shape->points.begin(), shape->points.end(), [](PointF p) {
                return p.x < 0 || p.y < 0;
            }))
            continue;
        ++outside;
        EXPECT_GE(item.clip->left, 0);
    }
    EXPECT_GT(outside, 0);
}

// A page LibreOffice 7.4.7 exported from an SVG of two Greek lines
// ("soffice --headless --convert-to wmf"): fonts with the Greek character
// set, 161, text in Windows-1253. It reads and draws in Greek letters, not as
// the Latin letters of the same bytes ("Ï Ðáñèåíþíáò").
TEST(WmfSampleDetails, AGreekPageFromLibreOfficeIsReadAndDrawnInGreek) {
    const ReadResult read = readSeed("lo_greek_charset");
    ASSERT_TRUE(read.ok()) << problemName(read.problem);
    QStringList texts;
    for (const Item &item : read.list.items)
        if (const auto *run = std::get_if<TextRun>(&item.what)) {
            texts << run->text;
            EXPECT_EQ(run->font.charset, 161);
        }
    EXPECT_EQ(texts, (QStringList{u"Ο Παρθενώνας"_qs, u"Ο Φειδίας έφτιαξε το άγαλμα."_qs}));

    // The title, bold 28 pixels on the baseline 39 pixels down from 9 across
    // (LibreOffice cut the page to the drawing), is dark red ink of about its
    // own width where it stands.
    const QImage image = renderDisplayList(read.list, {}, Qt::white);
    const QRect title = inkOf(image, QColor(128, 0, 0), 90);
    ASSERT_FALSE(title.isEmpty());
    EXPECT_NEAR(title.left(), 10, 3);
    EXPECT_NEAR(title.top(), 39 - 20, 3);   // the capitals' height above the baseline
    EXPECT_NEAR(title.bottom(), 39 + 5, 3); // the ρ's tail below it
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(28);
    font.setBold(true);
    EXPECT_NEAR(title.width(), QFontMetricsF(font).horizontalAdvance(texts.value(0)), 12);
    EXPECT_FALSE(inkOf(image.copy(0, 70, image.width(), 40), Qt::black).isEmpty()) << "the second line";
}
