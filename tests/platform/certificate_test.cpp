#include "print/recordingprinter.h"
#include "quiz/certificate.h"

#include <gtest/gtest.h>

namespace {

constexpr double W = RecordingPrinter::Width;
constexpr double H = RecordingPrinter::Height;
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlack{0, 0, 0};

CertificateText fullMarks() {
    CertificateText text;
    text.quizHeading = QStringLiteral("Lives of Hellas");
    text.pupilName = QStringLiteral("Ariadne Papadopoulou");
    text.score = 10;
    text.maxScore = 10;
    text.headingWidthOnScreen = 1200;
    return text;
}

std::shared_ptr<PrintJob> drawn(const CertificateText &text) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    certificate::draw(out, text);
    return job;
}

double widthOf(const QString &text, double points) {
    return text.size() * RecordingPrinter::charWidth(points);
}
double centred(const QString &text, double points) {
    return (W - widthOf(text, points)) / 2;
}

struct Step {
    QString text;
    double points;
    Rgb colour;
    bool lineBreak;
};

// The certificate's text steps as the page is designed, for a given heading size.
QList<Step> designedSteps(const CertificateText &t, double headingPoints) {
    const QString blank = QStringLiteral(" ");
    const QString band = certificate::wellDoneBand();
    return {
        {blank, 25, kBlue, true},
        {band, 25, kBlue, false},
        {blank, 25, kBlue, true},
        {blank, 25, kBlue, true},
        {blank, 25, kBlue, true},
        {QStringLiteral("Lives of Hellas"), 36, kRed, true},
        {blank, 36, kRed, true},
        {t.quizHeading, headingPoints, kBlue, true},
        {QString(), headingPoints, kBlue, true},
        {blank, 36, kBlue, true},
        {blank, 36, kBlue, true},
        {blank, 36, kBlue, true},
        {QStringLiteral("Excellent Work"), 28, kNavy, true},
        {blank, 28, kNavy, true},
        {t.pupilName, 28, kNavy, true},
        {QString(), 28, kNavy, true},
        {certificate::scoreSentence(t.score, t.maxScore), 28, kNavy, true},
        {blank, 28, kNavy, true},
        {blank, 36, kNavy, true},
        {blank, 36, kNavy, true},
        {blank, 25, kBlue, true},
        {band, 25, kBlack, false},
    };
}

void expectSteps(const PrintJob &job, const QList<Step> &steps) {
    ASSERT_EQ(job.texts.size(), steps.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        EXPECT_EQ(job.texts[i].text, steps[i].text);
        EXPECT_EQ(job.texts[i].font, (PrintFont{QStringLiteral("Times New Roman"), steps[i].points}));
        EXPECT_EQ(job.texts[i].colour, steps[i].colour);
    }
}

} // namespace

TEST(CertificateLayout, PrintsTheTwentyTwoTextStepsInOrderWithTheirColoursAndSizes) {
    const CertificateText text = fullMarks();
    expectSteps(*drawn(text), designedSteps(text, 36));
}

TEST(CertificateLayout, EachLineBreakMovesDownOneLineOfItsOwnSizeAndTheBandsKeepTheirLine) {
    const CertificateText text = fullMarks();
    const auto job = drawn(text);
    const QList<Step> steps = designedSteps(text, 36);
    double y = 0;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        EXPECT_EQ(job->texts[i].y, y);
        if (steps[i].lineBreak) y += RecordingPrinter::lineOf(steps[i].points);
    }
    EXPECT_EQ(job->pages, 1);
}

TEST(CertificateLayout, CentresItsTextsAndRunsBothBandsFromTheLeftEdge) {
    const CertificateText text = fullMarks();
    const auto job = drawn(text);
    const auto &t = job->texts;
    EXPECT_EQ(t[0].x, W / 8);
    EXPECT_EQ(t[1].x, 0);
    EXPECT_EQ(t[2].x, widthOf(certificate::wellDoneBand(), 25)); // on the band's line, after it
    EXPECT_EQ(t[3].x, 0);
    EXPECT_EQ(t[5].x, centred(QStringLiteral("Lives of Hellas"), 36));
    EXPECT_EQ(t[7].x, centred(text.quizHeading, 36));
    EXPECT_EQ(t[8].x, W / 2);
    EXPECT_EQ(t[12].x, centred(QStringLiteral("Excellent Work"), 28));
    EXPECT_EQ(t[14].x, centred(text.pupilName, 28));
    EXPECT_EQ(t[15].x, W / 2);
    EXPECT_EQ(t[16].x, centred(QStringLiteral("You have scored 10 out of 10."), 28));
    EXPECT_EQ(t[21].x, 0);
}

TEST(CertificateLayout, TheBandIsTheWellDoneLiteralWrittenTwice) {
    const QString once = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
    EXPECT_EQ(certificate::wellDoneBand(), once + once);
}

TEST(CertificateLayout, AHeadingWiderOnScreenThanAQuarterPageIsPrintedAtTwentyEightPoint) {
    CertificateText text = fullMarks();
    text.headingWidthOnScreen = W / 4;
    expectSteps(*drawn(text), designedSteps(text, 36));
    text.headingWidthOnScreen = W / 4 + 1;
    const auto job = drawn(text);
    expectSteps(*job, designedSteps(text, 28));
    EXPECT_EQ(job->texts[7].x, centred(text.quizHeading, 28));
}

TEST(CertificateLayout, DrawsThirtyTwoBlackFrameLinesTwoPixelsWideAfterTheText) {
    const auto job = drawn(fullMarks());
    struct Margins {
        double a, b;
        bool inner;
    };
    const Margins frames[] = {
        {45, 270, true}, {90, 315, true}, {135, 360, true}, {180, 405, false}, {225, 450, false}};
    QList<PrintedLine> expected;
    auto rectangle = [&expected](double l, double t, double r, double b) {
        expected.append({l, t, r, t, kBlack, 2});
        expected.append({l, t, l, b, kBlack, 2});
        expected.append({r, t, r, b, kBlack, 2});
        expected.append({l, b, r, b, kBlack, 2});
    };
    for (const Margins &m : frames) {
        rectangle(m.a, m.b, W - m.a, H - m.b);
        if (m.inner) rectangle(m.a + 600, m.b + 7050, W - m.a - 600, H - m.b - 3750);
    }
    ASSERT_EQ(job->lines.size(), 32);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i + 1);
        const PrintedLine &got = job->lines[i];
        EXPECT_EQ(got.x1, expected[i].x1);
        EXPECT_EQ(got.y1, expected[i].y1);
        EXPECT_EQ(got.x2, expected[i].x2);
        EXPECT_EQ(got.y2, expected[i].y2);
        EXPECT_EQ(got.colour, kBlack);
        EXPECT_EQ(got.width, 2);
    }
    EXPECT_GT(job->log.indexOf(QStringLiteral("line")), job->log.lastIndexOf(QStringLiteral("text")));
}

TEST(CertificateLayout, AnEmptyNameGivesAnEmptyCentredLineAndTheRestAsUsual) {
    CertificateText text = fullMarks();
    text.pupilName.clear();
    const auto job = drawn(text);
    expectSteps(*job, designedSteps(text, 36));
    EXPECT_EQ(job->texts[14].text, QString());
    EXPECT_EQ(job->texts[14].x, W / 2);
    EXPECT_EQ(job->lines.size(), 32);
}

TEST(CertificateLayout, AnEmptyHeadingFromTheMatchingActivityLeavesItsLineEmpty) {
    CertificateText text = fullMarks();
    text.quizHeading.clear();
    text.headingWidthOnScreen = 0;
    text.score = 4;
    text.maxScore = 4;
    const auto job = drawn(text);
    EXPECT_EQ(job->texts[7].text, QString());
    EXPECT_EQ(job->texts[16].text, QStringLiteral("You have scored 4 out of 4."));
}

TEST(CertificatePrint, EndsTheDocumentAndThenSaysTheCertificateIsPrinting) {
    RecordingPrinters printers;
    MessageLog messages;
    EXPECT_TRUE(certificate::print(printers.factory(), messages, fullMarks()));
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_TRUE(printers.jobs[0]->ended);
    EXPECT_FALSE(printers.jobs[0]->abandoned);
    EXPECT_EQ(messages.shown, QStringList({kCertificatePrinting}));
}

TEST(CertificatePrint, WithoutAPrinterReportsTheProblemAndNotSuccess) {
    RecordingPrinters printers;
    printers.noPrinter = true;
    MessageLog messages;
    EXPECT_FALSE(certificate::print(printers.factory(), messages, fullMarks()));
    EXPECT_EQ(messages.shown, QStringList({kPrintProblem}));
}

TEST(CertificatePrint, APrinterFailingAnywhereAbandonsTheJobAndReportsTheProblem) {
    // 22 texts and 32 lines, then the end of the document.
    for (int failAt : {0, 10, 30, 54}) {
        SCOPED_TRACE(failAt);
        RecordingPrinters printers;
        printers.failAfter = failAt;
        MessageLog messages;
        EXPECT_FALSE(certificate::print(printers.factory(), messages, fullMarks()));
        ASSERT_EQ(printers.jobs.size(), 1);
        EXPECT_TRUE(printers.jobs[0]->abandoned);
        EXPECT_FALSE(printers.jobs[0]->ended);
        EXPECT_EQ(messages.shown, QStringList({kPrintProblem}));
    }
}

TEST(CertificatePrint, AFailureOutsideThePrinterAbandonsTheJobAndGoesBackToTheResultsScreen) {
    RecordingPrinters printers;
    printers.failAfter = 5;
    printers.failOutsideThePrinter = true;
    MessageLog messages;
    EXPECT_THROW(certificate::print(printers.factory(), messages, fullMarks()), std::bad_alloc);
    EXPECT_TRUE(printers.jobs[0]->abandoned);
    EXPECT_TRUE(messages.shown.isEmpty());
}
