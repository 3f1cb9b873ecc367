#include "contenttools.h"
#include "support/greydifference.h"

#include "pagelayout.h"
#include "pagesout.h"
#include "pagetext.h"
#include "wmf/pagetext.h"
#include "wmf/painter.h"
#include "wmf/reader.h"
#include "wmf/writer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The right end of a text run as laid out: its advances are all written.
double runRight(const wmf::TextRun &run) {
    double right = run.at.x;
    for (double d : run.dx)
        right += d;
    return right;
}

std::vector<wmf::TextRun> textRuns(const wmf::DisplayList &list) {
    std::vector<wmf::TextRun> runs;
    for (const wmf::Item &item : list.items)
        if (const auto *run = std::get_if<wmf::TextRun>(&item.what)) runs.push_back(*run);
    return runs;
}

PageText parsed(const QString &source) {
    const auto result = parsePageText(source);
    if (const auto *problem = std::get_if<QString>(&result)) ADD_FAILURE() << qPrintable(*problem);
    return std::holds_alternative<PageText>(result) ? std::get<PageText>(result) : PageText{};
}

const QString kWords = QStringLiteral("Phidias made statues of the gods in gold and ivory. ");

QImage solidPicture(const QString &) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

// A page titled "Page" with the given body, laid out, or the layout's refusal.
std::variant<LaidOutPage, QString> layout(const QString &body, const PageStyle &style = paperStyle(),
                                          const PictureSource &pictures = solidPicture) {
    return layoutPage(parsed(QStringLiteral("= Page\n") + body), style, pictures);
}
wmf::DisplayList displayList(const std::variant<LaidOutPage, QString> &result) {
    if (const auto *problem = std::get_if<QString>(&result)) ADD_FAILURE() << qPrintable(*problem);
    return std::holds_alternative<LaidOutPage>(result)
               ? wmf::readMetafile(std::get<LaidOutPage>(result).metafile).list
               : wmf::DisplayList{};
}

class PageFiles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        const ToolRun run = runTool(QStringLiteral(HELLAS_PAGES_TOOL), folder_->path());
        ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    }
    static void TearDownTestSuite() { folder_.reset(); }
    static wmf::ReadResult page(const QString &sub, const QString &name) {
        return wmf::readMetafileFile(folder_->filePath(sub + u'/' + name + QStringLiteral(".wmf")));
    }
    static inline std::unique_ptr<QTemporaryDir> folder_;
};

// Every page, English and Greek, is a readable metafile of text that fits
// where it is shown, and no line runs past the page or into a picture.
TEST_F(PageFiles, EveryPageFitsWhereItIsShownAndNoLineRunsPastThePageOrIntoAPicture) {
    for (const QString &sub : {QStringLiteral("wmf"), QStringLiteral("wmf2"), QStringLiteral("el/wmf"),
                               QStringLiteral("el/wmf2")})
        for (const QString &name : requiredPages()) {
            SCOPED_TRACE(qPrintable(sub + u'/' + name));
            const wmf::ReadResult read = page(sub, name);
            ASSERT_TRUE(read.ok()) << wmf::problemName(read.problem);
            EXPECT_TRUE(read.list.placeable);
            const wmf::DisplayList &list = read.list;
            if (!sub.endsWith(QLatin1String("wmf2"))) {
                // The viewer shows the page from 120 twips across: the Print button
                // stands at 10680 and the row of buttons at 7920 down; the
                // acknowledgments' logo boxes stand at 8520.
                EXPECT_LE(list.widthTwips, (name == QLatin1String("acknowledgments") ? 8520 : 10680) - 120);
                EXPECT_LE(list.heightTwips, 7920);
            } else {
                // Printed 1000 twips from the left and top, inside the narrower A4
                // width (11906) and the shorter Letter height (15840), with room to spare.
                EXPECT_LE(1000 + list.widthTwips, 11906 - 720);
                EXPECT_LE(1000 + list.heightTwips, 15840 - 720);
            }
            EXPECT_GT(textRuns(list).size(), 10u);
            std::vector<wmf::RectF> pictures;
            for (const wmf::Item &item : list.items)
                if (const auto *picture = std::get_if<wmf::Picture>(&item.what))
                    pictures.push_back(picture->target);
            for (const wmf::TextRun &run : textRuns(list)) {
                EXPECT_LE(runRight(run), list.widthTwips) << qPrintable(run.text);
                for (const wmf::RectF &picture : pictures)
                    if (run.at.y > picture.top && run.at.y < picture.bottom) {
                        EXPECT_LT(runRight(run), picture.left) << qPrintable(run.text);
                    }
            }
        }
}

// The Greek pages hold their Greek words as written: each reads back with
// its source's title and paragraphs, and no letter was lost to a code page.
TEST_F(PageFiles, EveryGreekPageReadsBackWithTheWordsOfItsSource) {
    for (const QString &name : requiredPages()) {
        SCOPED_TRACE(qPrintable(name));
        QFile file(QStringLiteral(HELLAS_CONTENT_SOURCES "/el/pages/") + name + QStringLiteral(".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const PageText source = parsed(QString::fromUtf8(file.readAll()));
        for (const QString &sub : {QStringLiteral("el/wmf"), QStringLiteral("el/wmf2")}) {
            const QString words = wmf::pageText(page(sub, name).list).simplified();
            EXPECT_TRUE(words.startsWith(source.title)) << qPrintable(words.left(80));
            EXPECT_FALSE(words.contains(u'?')) << "a character was written as \"?\"";
            for (const PageBlock &block : source.blocks)
                if (block.kind != PageBlock::Kind::Picture) {
                    EXPECT_TRUE(words.contains(block.text.simplified())) << qPrintable(block.text);
                }
        }
    }
}

TEST(PageText, JoinsTheLinesOfAParagraphAndKeepsLinesOfTheirOwn) {
    const PageText page =
        parsed(QStringLiteral("= Title\n# a note\nOne\ntwo.\n\n* An item\n  going on.\n| Alone\n| "
                              "Next\n[picture zeus]\n== Heading\n"));
    EXPECT_EQ(page.title, QStringLiteral("Title"));
    ASSERT_EQ(page.blocks.size(), 6);
    EXPECT_EQ(page.blocks[0].text, QStringLiteral("One two."));
    EXPECT_EQ(page.blocks[1].kind, PageBlock::Kind::Item);
    EXPECT_EQ(page.blocks[1].text, QStringLiteral("An item going on."));
    EXPECT_EQ(page.blocks[2].kind, PageBlock::Kind::Line);
    EXPECT_EQ(page.blocks[3].text, QStringLiteral("Next"));
    EXPECT_EQ(page.blocks[4].kind, PageBlock::Kind::Picture);
    EXPECT_EQ(page.blocks[4].text, QStringLiteral("zeus"));
    EXPECT_EQ(page.blocks[5].kind, PageBlock::Kind::Heading);
}

// No title first, a picture it does not know, text no one code page of a
// metafile holds, text that cannot fit at the smallest size: each is refused.
TEST(PageLayout, RefusesAPageItCannotMake) {
    for (const char *source : {"Words first.\n= Title\n", "= One\n= Two\n", "# only a note\n"})
        EXPECT_TRUE(std::holds_alternative<QString>(parsePageText(QString::fromUtf8(source)))) << source;
    EXPECT_TRUE(std::holds_alternative<QString>(layout(QStringLiteral("[picture nothing]\n"), paperStyle(),
                                                       [](const QString &) { return QImage(); })));
    EXPECT_TRUE(std::holds_alternative<QString>(layout(u"The name Φειδίας (Фидий).\n"_qs)));
    const auto tooLong = layout(kWords.repeated(200), screenStyle(kScreenPageWidth));
    ASSERT_TRUE(std::holds_alternative<QString>(tooLong));
    EXPECT_TRUE(std::get<QString>(tooLong).contains(QStringLiteral("does not fit")));
}

// Greek is written in its own code page and read back as the same words, a
// vowel typed with a separate accent as the accented vowel.
TEST(PageLayout, AGreekPageReadsBackInTheSameGreekWords) {
    const auto page = layoutPage(parsed(u"= Ο Παρθενώνας\n== Ο Φειδι\u0301ας\nΈφτιαξε το άγαλμα.\n"_qs),
                                 screenStyle(kScreenPageWidth), solidPicture);
    EXPECT_EQ(wmf::pageText(displayList(page)), u"Ο Παρθενώνας\nΟ Φειδίας\nΈφτιαξε το άγαλμα.\n"_qs);
}

TEST(PageLayout, SetsALongerTextSmallerSoThePageStillFits) {
    const PageStyle style = screenStyle(kScreenPageWidth);
    const auto shortPage = layout(kWords, style), longPage = layout(kWords.repeated(40), style);
    ASSERT_TRUE(std::holds_alternative<LaidOutPage>(shortPage));
    ASSERT_TRUE(std::holds_alternative<LaidOutPage>(longPage));
    EXPECT_EQ(std::get<LaidOutPage>(shortPage).bodyPoints, style.largestBody);
    EXPECT_LT(std::get<LaidOutPage>(longPage).bodyPoints, std::get<LaidOutPage>(shortPage).bodyPoints);
}

TEST(PageLayout, NeverBreaksALineInsideAButtonsCaption) {
    const auto runs =
        textRuns(displayList(layout(QStringLiteral("Click \"Next Question >>\" to go on. ").repeated(30))));
    ASSERT_GT(runs.size(), 3u);
    for (const wmf::TextRun &run : runs)
        EXPECT_EQ(run.text.count(u'"') % 2, 0) << qPrintable(run.text);
}

TEST(PageLayout, TextBesideAPictureWrapsLeftOfItAndUsesTheFullWidthBelowIt) {
    const wmf::DisplayList list = displayList(
        layout(QStringLiteral("[picture any]\n") + kWords.repeated(12), screenStyle(kScreenPageWidth)));
    wmf::RectF picture;
    for (const wmf::Item &item : list.items)
        if (const auto *p = std::get_if<wmf::Picture>(&item.what)) picture = p->target;
    ASSERT_GT(picture.right, picture.left);
    bool wideBelow = false;
    for (const wmf::TextRun &run : textRuns(list)) {
        if (run.at.y > picture.top + 300 && run.at.y < picture.bottom) {
            EXPECT_LT(runRight(run), picture.left);
        }
        if (run.at.y > picture.bottom + 600) wideBelow = wideBelow || runRight(run) > picture.left;
    }
    EXPECT_TRUE(wideBelow);
}

} // namespace

namespace {

// The word as the page shows it: its text record drawn by the metafile painter, black on white.
QImage drawnRecord(const wmf::WriterFont &font, const QString &word, const std::vector<int> &dx) {
    wmf::Writer page(6000, 1200);
    page.setFont(font);
    page.extTextOut(150, 900, word, dx);
    return wmf::renderDisplayList(wmf::readMetafile(page.bytes()).list, {}, Qt::white);
}

// The word as the font itself sets it, kerning and all, at the same place and size.
QImage setByTheFont(const wmf::WriterFont &font, const QString &word) {
    QImage image(400, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QFont qfont(font.face);
    qfont.setPixelSize(int(std::lround(font.points * 96 / 72)));
    qfont.setWeight(QFont::Weight(font.weight));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 60), word);
    return image;
}

} // namespace

// A capital that kerns with the next letter leaves no gap after it: the page's
// advances draw the word as the font sets it whole, while the widths of its
// prefixes measured one by one (the control) visibly do not.
TEST(PageLayout, WordsWithKerningCapitalsAreDrawnAsTheFontSetsThemWhole) {
    for (const wmf::WriterFont &font : {wmf::WriterFont{QStringLiteral("Times New Roman"), 36, 700},
                                        wmf::WriterFont{QStringLiteral("Times New Roman"), 36, 400},
                                        wmf::WriterFont{QStringLiteral("Arial"), 36, 700}})
        for (const QString &word : {QStringLiteral("Worksheets"), QStringLiteral("Your"),
                                    QStringLiteral("Wonders"), QStringLiteral("AVATAR")}) {
            SCOPED_TRACE(qPrintable(font.face + u' ' + QString::number(font.weight) + u' ' + word));
            const std::vector<int> dx = characterAdvances(font, word);
            ASSERT_EQ(dx.size(), std::size_t(word.size()));
            // The control: each advance from the width of the word up to the
            // character, so a pair's kerning lands after the pair, not between.
            QFont measure(font.face == QLatin1String("Arial") ? QStringLiteral("Liberation Sans")
                                                              : QStringLiteral("Liberation Serif"));
            measure.setPixelSize(int(std::lround(font.points * 20)));
            measure.setWeight(QFont::Weight(font.weight));
            measure.setHintingPreference(QFont::PreferNoHinting);
            std::vector<int> prefixes;
            for (qsizetype i = 1, previous = 0; i <= word.size(); ++i) {
                const int end = int(std::lround(QFontMetricsF(measure).horizontalAdvance(word.left(i))));
                prefixes.push_back(end - int(previous));
                previous = end;
            }

            const QImage expected = setByTheFont(font, word);
            const double kerned = meanGreyDifference(drawnRecord(font, word, dx), expected);
            const double unkerned = meanGreyDifference(drawnRecord(font, word, prefixes), expected);
            // Grey levels over the whole image: the control is off by 0.9 to 13.
            EXPECT_LT(kerned, 0.3);
            EXPECT_GT(unkerned, 0.6);
        }
}
