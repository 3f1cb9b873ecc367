#include "quiz/certificate.h"
#include "support/recordingprinter.h"

#include <functional>
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

struct Step {
    QString text;
    double points;
    Rgb colour;
    double x;
    bool lineBreak = true;
};

// The certificate's text steps as the page is designed, for a given heading size.
QList<Step> designedSteps(const CertificateText &t, double headingPoints) {
    const QString once = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
    const QString band = once + once;
    const QString blank = QStringLiteral(" ");
    auto at = [](const QString &text, double points, Rgb colour, double x) {
        return Step{text, points, colour, x};
    };
    auto centred = [](const QString &text, double points, Rgb colour) {
        return Step{text, points, colour, (W - text.size() * RecordingPrinter::charWidth(points)) / 2};
    };
    const QString score = QStringLiteral("You have scored %1 out of %2.").arg(t.score).arg(t.maxScore);
    return {
        at(blank, 25, kBlue, W / 8),
        {band, 25, kBlue, 0, false},
        at(blank, 25, kBlue, band.size() * RecordingPrinter::charWidth(25)), // after the band, on its line
        at(blank, 25, kBlue, 0),
        at(blank, 25, kBlue, 0),
        centred(QStringLiteral("Lives of Hellas"), 36, kRed),
        at(blank, 36, kRed, 0),
        centred(t.quizHeading, headingPoints, kBlue),
        centred(QString(), headingPoints, kBlue),
        at(blank, 36, kBlue, 0),
        at(blank, 36, kBlue, 0),
        at(blank, 36, kBlue, 0),
        centred(QStringLiteral("Excellent Work"), 28, kNavy),
        at(blank, 28, kNavy, 0),
        centred(t.pupilName, 28, kNavy),
        centred(QString(), 28, kNavy),
        centred(score, 28, kNavy),
        at(blank, 28, kNavy, 0),
        at(blank, 36, kNavy, 0),
        at(blank, 36, kNavy, 0),
        at(blank, 25, kBlue, 0),
        {band, 25, kBlack, 0, false},
    };
}

} // namespace

TEST(CertificateLayout, PrintsTheTwentyTwoTextStepsWithTheirPositionsColoursAndSizes) {
    struct Case {
        const char *name;
        std::function<void(CertificateText &)> change;
        double headingPoints;
    };
    const Case cases[] = {
        {"full marks", [](CertificateText &) {}, 36},
        {"heading a quarter page wide", [](CertificateText &t) { t.headingWidthOnScreen = W / 4; }, 36},
        {"heading wider than a quarter page", [](CertificateText &t) { t.headingWidthOnScreen = W / 4 + 1; },
         28},
        {"empty name", [](CertificateText &t) { t.pupilName.clear(); }, 36},
        {"matching activity without heading",
         [](CertificateText &t) {
             t.quizHeading.clear();
             t.headingWidthOnScreen = 0;
             t.score = t.maxScore = 4;
         },
         36},
    };
    for (const Case &c : cases) {
        CertificateText text = fullMarks();
        c.change(text);
        const auto job = drawn(text);
        const QList<Step> steps = designedSteps(text, c.headingPoints);
        ASSERT_EQ(job->texts.size(), steps.size()) << c.name;
        double y = 0;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << c.name << ", step " << i + 1);
            const PrintedText &got = job->texts[i];
            EXPECT_EQ(got.text, steps[i].text);
            EXPECT_EQ(got.font, (PrintFont{QStringLiteral("Times New Roman"), steps[i].points}));
            EXPECT_EQ(got.colour, steps[i].colour);
            EXPECT_EQ(got.x, steps[i].x);
            // Each line break moves down one line of its own size.
            EXPECT_EQ(got.y, y);
            if (steps[i].lineBreak) y += RecordingPrinter::lineOf(steps[i].points);
        }
        EXPECT_EQ(job->pages, 1);
        EXPECT_EQ(job->lines.size(), 32);
    }
}

TEST(CertificateLayout, DrawsThirtyTwoBlackFrameLinesTwoPixelsWideAfterTheText) {
    const auto job = drawn(fullMarks());
    // Five frames of (a, b) margins, the first three with an inner frame; each rectangle
    // is drawn top, left, right, bottom.
    const double frames[][3] = {{45, 270, 1}, {90, 315, 1}, {135, 360, 1}, {180, 405, 0}, {225, 450, 0}};
    QList<QList<double>> expected;
    auto rectangle = [&expected](double l, double t, double r, double b) {
        expected << QList<double>{l, t, r, t} << QList<double>{l, t, l, b} << QList<double>{r, t, r, b}
                 << QList<double>{l, b, r, b};
    };
    for (const auto &[a, b, inner] : frames) {
        rectangle(a, b, W - a, H - b);
        if (inner) rectangle(a + 600, b + 7050, W - a - 600, H - b - 3750);
    }
    ASSERT_EQ(job->lines.size(), 32);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const PrintedLine &got = job->lines[i];
        EXPECT_EQ((QList<double>{got.x1, got.y1, got.x2, got.y2}), expected[i]) << "line " << i + 1;
        EXPECT_EQ(got.colour, kBlack) << "line " << i + 1;
        EXPECT_EQ(got.width, 2) << "line " << i + 1;
    }
    EXPECT_GT(job->log.indexOf(QStringLiteral("line")), job->log.lastIndexOf(QStringLiteral("text")));
}

TEST(CertificatePrint, EndsTheDocumentOrAbandonsItAndSaysWhatHappened) {
    struct Case {
        std::optional<int> failAfter; // 22 texts and 32 lines, then the end of the document
        bool noPrinter, outside;
        QStringList messages;
    };
    const Case cases[] = {{{}, false, false, {kCertificatePrinting}},
                          {{}, true, false, {kPrintProblem}},
                          {0, false, false, {kPrintProblem}},
                          {10, false, false, {kPrintProblem}},
                          {30, false, false, {kPrintProblem}},
                          {54, false, false, {kPrintProblem}},
                          // Goes back to the results screen, which reports it.
                          {5, false, true, {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.failAfter.value_or(-1) << c.noPrinter << c.outside);
        RecordingPrinters printers;
        printers.failAfter = c.failAfter;
        printers.noPrinter = c.noPrinter;
        printers.failOutsideThePrinter = c.outside;
        MessageLog messages;
        const bool printed = !c.failAfter && !c.noPrinter;
        if (c.outside)
            EXPECT_THROW(certificate::print(printers.factory(), messages, fullMarks()), std::bad_alloc);
        else
            EXPECT_EQ(certificate::print(printers.factory(), messages, fullMarks()), printed);
        EXPECT_EQ(messages.shown, c.messages);
        ASSERT_EQ(printers.jobs.size(), c.noPrinter ? 0 : 1);
        if (c.noPrinter) continue;
        EXPECT_EQ(printers.jobs[0]->ended, printed);
        EXPECT_EQ(printers.jobs[0]->abandoned, !printed);
    }
}
