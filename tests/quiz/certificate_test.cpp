#include "quiz/certificate.h"
#include "quiz/worksheetprint.h"
#include "support/recordingprinter.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr double W = RecordingPrinter::Width;
constexpr double H = RecordingPrinter::Height;

CertificateText fullMarks() {
    CertificateText text;
    text.quizHeading = QStringLiteral("Gods and heroes");
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

} // namespace

// What a pupil reads, in order, each line but the "Well Done" bands centred,
// every line on the one page below the one before, then the frames; a heading
// wider on screen than a quarter of the page is printed at 28 points, not 36.
TEST(CertificateLayout, PrintsItsWordsInOrderCentredDownOnePageThenTheFramesAndAWideHeadingSmaller) {
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
        SCOPED_TRACE(c.name);
        CertificateText text = fullMarks();
        c.change(text);
        const auto job = drawn(text);
        const QString band = certificate::wellDoneBand();
        QStringList words;
        double y = 0;
        for (const PrintedText &got : job->texts) {
            SCOPED_TRACE(got.text.toStdString());
            EXPECT_EQ(got.font.name, u"Times New Roman"_qs);
            EXPECT_GE(got.y, y);
            EXPECT_LE(got.y + RecordingPrinter::lineOf(got.font.points), H);
            y = got.y;
            if (got.text.trimmed().isEmpty()) continue;
            words << got.text;
            if (got.text != band) {
                EXPECT_EQ(got.x, (W - got.text.size() * RecordingPrinter::charWidth(got.font.points)) / 2);
            }
            if (got.text == text.quizHeading) {
                EXPECT_EQ(got.font.points, c.headingPoints);
            }
        }
        QStringList expected = {band,
                                u"Lives of Hellas"_qs,
                                text.quizHeading,
                                u"Excellent Work"_qs,
                                text.pupilName,
                                certificate::scoreSentence(text.score, text.maxScore),
                                band};
        expected.removeAll(QString());
        EXPECT_EQ(words, expected);
        EXPECT_EQ(job->pages, 1);
        // Five frames, the first three with an inner one, each drawn edge by edge after the text.
        ASSERT_EQ(job->lines.size(), 32);
        for (const PrintedLine &got : job->lines) {
            EXPECT_TRUE(got.x1 == got.x2 || got.y1 == got.y2);
            EXPECT_TRUE(got.x1 > 0 && got.x2 < W && got.y1 > 0 && got.y2 < H);
            EXPECT_EQ(got.colour, (Rgb{0, 0, 0}));
            EXPECT_EQ(got.width, 2);
        }
        EXPECT_GT(job->log.indexOf(QStringLiteral("line")), job->log.lastIndexOf(QStringLiteral("text")));
    }
}

// Each routine ends a whole document or abandons it, and says which. A
// failure outside the printer escapes the certificate for the results screen
// to report; the worksheet, printed from within a quiz, reports it itself.
TEST(PrintRoutines, EndTheDocumentOrAbandonItOnAnyFailureAndSayWhatHappened) {
    enum Routine { Certificate, Worksheet };
    const auto print = [](Routine routine, const PrinterFactory &open, MessageLog &messages) {
        WorksheetText sheet;
        sheet.title = u"Phidias"_qs;
        return routine == Certificate ? certificate::print(open, messages, fullMarks())
                                      : worksheetprint::print(open, messages, sheet);
    };
    struct Case {
        Routine routine;
        std::optional<int> failAfter; // the certificate: 22 texts and 32 lines, then the end
        bool noPrinter, outside;
        QStringList messages;
    };
    const Case cases[] = {{Certificate, {}, false, false, {kCertificatePrinting}},
                          {Certificate, {}, true, false, {kPrintProblem}},
                          {Certificate, 0, false, false, {kPrintProblem}},
                          {Certificate, 10, false, false, {kPrintProblem}},
                          {Certificate, 30, false, false, {kPrintProblem}},
                          {Certificate, 54, false, false, {kPrintProblem}},
                          {Certificate, 5, false, true, {}},
                          {Worksheet, {}, false, false, {kWorksheetPrinting}},
                          {Worksheet, {}, true, false, {kPrintProblem}},
                          {Worksheet, 20, false, false, {kPrintProblem}},
                          {Worksheet, 20, false, true, {kPrintProblem}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.routine << c.failAfter.value_or(-1) << c.noPrinter << c.outside);
        RecordingPrinters printers;
        printers.failAfter = c.failAfter;
        printers.noPrinter = c.noPrinter;
        printers.failOutsideThePrinter = c.outside;
        MessageLog messages;
        const bool printed = !c.failAfter && !c.noPrinter;
        if (c.outside && c.routine == Certificate)
            EXPECT_THROW(print(c.routine, printers.factory(), messages), std::bad_alloc);
        else
            EXPECT_EQ(print(c.routine, printers.factory(), messages), printed);
        EXPECT_EQ(messages.shown, c.messages);
        ASSERT_EQ(printers.jobs.size(), c.noPrinter ? 0 : 1);
        if (c.noPrinter) continue;
        EXPECT_EQ(printers.jobs[0]->ended, printed);
        EXPECT_EQ(printers.jobs[0]->abandoned, !printed);
    }
}
