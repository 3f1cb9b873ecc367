#include "wmf/reader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace wmf;

namespace {

const QString kSamples = QStringLiteral(WMF_SAMPLES_DIR);

struct Expected {
    QStringList texts;
    QSet<QString> fonts; // face/weight/italic/underline
    QStringList colours; // #RRGGBB last set before each text
    QStringList bitmaps; // WxH
    QString referenceText;
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
    QFile reference(kSamples + QLatin1Char('/') + name + QStringLiteral(".ref.txt"));
    if (reference.open(QIODevice::ReadOnly)) e.referenceText = QString::fromUtf8(reference.readAll());
    return e;
}

class WmfSampleDetails : public testing::Test {
  protected:
    void SetUp() override {
        if (!QDir(kSamples).exists())
            GTEST_SKIP() << "the sample metafiles are not at " << qPrintable(kSamples);
    }
};

class WmfSamples : public WmfSampleDetails, public testing::WithParamInterface<const char *> {};

QString hex(Rgb c) {
    return QStringLiteral("#%1")
        .arg((c.red << 16) | (c.green << 8) | c.blue, 6, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

// Text runs in order, their fonts and colours, and the pictures' pixel sizes
// are what the record listing beside the sample says.
TEST_P(WmfSamples, DisplayListHoldsTheRecordsTextsFontsColoursAndPictures) {
    const ReadResult r = readMetafileFile(kSamples + QLatin1Char('/') + GetParam() + QStringLiteral(".wmf"));
    const Expected e = expectedFor(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(r.ok()) << problemName(r.problem) << " at " << r.problemOffset;
    EXPECT_TRUE(r.list.placeable);
    QStringList texts, colours, bitmaps;
    for (const Item &item : r.list.items) {
        if (const auto *run = std::get_if<TextRun>(&item.what)) {
            texts << run->text;
            colours << hex(run->colour);
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
    const QString all = texts.join(QLatin1Char(' '));
    for (const QString &word :
         e.referenceText.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        EXPECT_TRUE(all.contains(word)) << qPrintable(word);
}

INSTANTIATE_TEST_SUITE_P(Producers, WmfSamples,
                         testing::Values("lo_reading_page", "lo_photo_page", "inkscape_photo_page",
                                         "lo_from_svg", "lo_from_fodg", "inkscape_from_svg"));

TEST_F(WmfSampleDetails, ReadingPageTitleIsTwentySixPointBoldTimesInDarkRed) {
    const ReadResult r = readMetafileFile(kSamples + QStringLiteral("/lo_reading_page.wmf"));
    EXPECT_NEAR(r.list.widthTwips / 1440, 8.33, 0.01);
    EXPECT_NEAR(r.list.heightTwips / 1440, 6.25, 0.01);
    for (const Item &item : r.list.items) {
        const auto *run = std::get_if<TextRun>(&item.what);
        if (!run) continue;
        EXPECT_EQ(run->text, QStringLiteral("Lecture : Le moulin de la rivière"));
        EXPECT_EQ(run->font.face, QStringLiteral("Times New Roman"));
        EXPECT_NEAR(run->font.height, -520, 1);
        EXPECT_EQ(run->colour, (Rgb{0x8B, 0x1A, 0x1A}));
        EXPECT_EQ(run->vertical, VAlign::Baseline);
        EXPECT_EQ(run->dx.size(), std::size_t(run->text.size()));
        ASSERT_TRUE(item.clip);
        EXPECT_NEAR(item.clip->right, r.list.widthTwips, 0.5);
        break;
    }
}

TEST_F(WmfSampleDetails, FrameOutsideThePictureLiesOutsideItsClip) {
    const ReadResult r = readMetafileFile(kSamples + QStringLiteral("/lo_from_svg.wmf"));
    int outside = 0;
    for (const Item &item : r.list.items) {
        const auto *shape = std::get_if<Shape>(&item.what);
        if (!shape || shape->points.empty() || !item.clip) continue;
        double left = 1e9, top = 1e9;
        for (const PointF &p : shape->points) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
        }
        if (left < 0 || top < 0) {
            ++outside;
            EXPECT_GE(item.clip->left, 0);
        }
    }
    EXPECT_GT(outside, 0);
}
