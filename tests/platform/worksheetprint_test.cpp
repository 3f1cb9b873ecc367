#include "print/recordingprinter.h"
#include "quiz/worksheetprint.h"
#include "shell/module1.h"

#include <gtest/gtest.h>

namespace {

constexpr double W = RecordingPrinter::Width;

WorksheetText tenQuestions() {
    WorksheetText text;
    text.heading = QStringLiteral("Lives of Hellas");
    text.title = QStringLiteral("Phidias");
    for (int q = 1; q <= 10; ++q) {
        text.question[q] = QStringLiteral("What is fact %1?").arg(q);
        text.answerA[q] = QStringLiteral("a%1").arg(q);
        text.answerB[q] = QStringLiteral("b%1").arg(q);
        text.answerC[q] = QStringLiteral("c%1").arg(q);
        text.answerD[q] = QStringLiteral("d%1").arg(q);
    }
    return text;
}

std::shared_ptr<PrintJob> drawn(const WorksheetText &text) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    worksheetprint::draw(out, text);
    return job;
}

double widthOf(const QString &text, double points) {
    return text.size() * RecordingPrinter::charWidth(points);
}
double line(double points) {
    return RecordingPrinter::lineOf(points);
}

// Texts before the first question.
constexpr int kHeadTexts = 7;

} // namespace

TEST(WorksheetLayout, TheHeaderLineHasTheProductFiftySevenBlanksAndThePublisher) {
    EXPECT_EQ(worksheetprint::headerLine(),
              QStringLiteral("Lives of Hellas                                                         "
                             "Larkspur Publishing Ltd"));
}

TEST(WorksheetLayout, PrintsTheHeaderLineThenTheHeadingAndTitleCentredAtThirtyTwoPoint) {
    const WorksheetText text = tenQuestions();
    const auto job = drawn(text);
    const auto &t = job->texts;
    ASSERT_GE(t.size(), kHeadTexts);
    const QString blank = QStringLiteral(" ");

    EXPECT_EQ(t[0].text, blank);
    EXPECT_EQ(t[0].x, W / 8);
    EXPECT_EQ(t[1].text, worksheetprint::headerLine());
    EXPECT_EQ(t[1].x, W / 16);
    EXPECT_EQ(t[1].y, line(16));
    EXPECT_EQ(t[2].text, blank); // ends the header line
    EXPECT_EQ(t[2].x, W / 16 + widthOf(worksheetprint::headerLine(), 16));
    EXPECT_EQ(t[2].y, line(16));
    EXPECT_EQ(t[3].y, 2 * line(16)); // the empty line
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t[i].font.points, 16);

    EXPECT_EQ(t[4].text, text.heading);
    EXPECT_EQ(t[4].x, (W - widthOf(text.heading, 32)) / 2);
    EXPECT_EQ(t[4].y, 3 * line(16));
    EXPECT_EQ(t[5].text, text.title);
    EXPECT_EQ(t[5].x, (W - widthOf(text.title, 32)) / 2);
    EXPECT_EQ(t[6].text, blank);
    for (int i = 4; i < 7; ++i)
        EXPECT_EQ(t[i].font.points, 32);
}

TEST(WorksheetLayout, EachQuestionTakesFourLinesWithItsAnswersInTwoColumns) {
    const WorksheetText text = tenQuestions();
    const auto job = drawn(text);
    ASSERT_EQ(job->texts.size(), kHeadTexts + 10 * 6);
    const double top = 3 * line(16) + 3 * line(32);
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        const auto *t = &job->texts[kHeadTexts + (q - 1) * 6];
        const double y = top + (q - 1) * 4 * line(12);
        EXPECT_EQ(t[0].text, QStringLiteral("Question ") + QString::number(q) + QStringLiteral("    ") +
                                 text.question[q]);
        EXPECT_EQ(t[0].x, W / 16);
        EXPECT_EQ(t[0].y, y);
        EXPECT_EQ(t[1].text, QStringLiteral("A. ") + text.answerA[q]);
        EXPECT_EQ(t[1].x, 2 * W / 6);
        EXPECT_EQ(t[2].text, QStringLiteral("B. ") + text.answerB[q]);
        EXPECT_EQ(t[2].x, 4 * W / 6);
        EXPECT_EQ(t[1].y, y + line(12));
        EXPECT_EQ(t[2].y, y + line(12));
        EXPECT_EQ(t[3].text, QStringLiteral("C. ") + text.answerC[q]);
        EXPECT_EQ(t[3].x, 2 * W / 6);
        EXPECT_EQ(t[4].text, QStringLiteral("D. ") + text.answerD[q]);
        EXPECT_EQ(t[4].x, 4 * W / 6);
        EXPECT_EQ(t[3].y, y + 2 * line(12));
        EXPECT_EQ(t[4].y, y + 2 * line(12));
        EXPECT_EQ(t[5].text, QStringLiteral(" "));
        EXPECT_EQ(t[5].y, y + 3 * line(12));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(t[i].font.points, 12);
    }
}

TEST(WorksheetLayout, PrintsInTimesNewRomanInTheDefaultColourAndDrawsNoLines) {
    WorksheetText text = tenQuestions();
    const auto job = drawn(text);
    for (const PrintedText &t : job->texts) {
        EXPECT_EQ(t.font.name, QStringLiteral("Times New Roman"));
        EXPECT_EQ(t.colour, (Rgb{0, 0, 0}));
    }
    EXPECT_TRUE(job->lines.isEmpty());
}

TEST(WorksheetLayout, ALongAnswerIsNeitherWrappedNorClipped) {
    WorksheetText text = tenQuestions();
    text.answerA[3] = QString(200, u'x');
    const auto job = drawn(text);
    EXPECT_EQ(job->texts[kHeadTexts + 2 * 6 + 1].text, QStringLiteral("A. ") + text.answerA[3]);
    EXPECT_EQ(job->texts[kHeadTexts + 2 * 6 + 2].x, 4 * W / 6);
}

TEST(WorksheetLayout, IssuesNoPageBreakOfItsOwn) {
    const auto job = drawn(tenQuestions());
    EXPECT_EQ(job->pages, 1);
    EXPECT_FALSE(job->log.contains(QStringLiteral("end")));
}

TEST(WorksheetLayout, TakesTheQuestionsAndAnswersFromTheSharedSet) {
    SharedState set;
    set.Question[10] = QStringLiteral("Who carved Athena?");
    set.AnswerD[10] = QStringLiteral("Phidias");
    set.CorrectAnswer[10] = QStringLiteral("4");
    const WorksheetText text =
        worksheetprint::fromSet(set, QStringLiteral("Heading"), QStringLiteral("Title"));
    EXPECT_EQ(text.heading, QStringLiteral("Heading"));
    EXPECT_EQ(text.title, QStringLiteral("Title"));
    EXPECT_EQ(text.question[10], set.Question[10]);
    EXPECT_EQ(text.answerD[10], set.AnswerD[10]);
}

TEST(WorksheetPrint, EndsTheDocumentAndThenSaysTheWorksheetIsPrinting) {
    RecordingPrinters printers;
    MessageLog messages;
    EXPECT_TRUE(worksheetprint::print(printers.factory(), messages, tenQuestions()));
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_TRUE(printers.jobs[0]->ended);
    EXPECT_EQ(printers.jobs[0]->log.last(), QStringLiteral("end"));
    EXPECT_EQ(messages.shown, QStringList({kWorksheetPrinting}));
}

TEST(WorksheetPrint, WithoutAPrinterReportsTheProblem) {
    RecordingPrinters printers;
    printers.noPrinter = true;
    MessageLog messages;
    EXPECT_FALSE(worksheetprint::print(printers.factory(), messages, tenQuestions()));
    EXPECT_EQ(messages.shown, QStringList({kPrintProblem}));
}

TEST(WorksheetPrint, AnyFailureAbandonsTheJobAndReportsTheProblem) {
    for (bool outside : {false, true}) {
        SCOPED_TRACE(outside);
        RecordingPrinters printers;
        printers.failAfter = 20;
        printers.failOutsideThePrinter = outside;
        MessageLog messages;
        EXPECT_FALSE(worksheetprint::print(printers.factory(), messages, tenQuestions()));
        EXPECT_TRUE(printers.jobs[0]->abandoned);
        EXPECT_FALSE(printers.jobs[0]->ended);
        EXPECT_EQ(messages.shown, QStringList({kPrintProblem}));
    }
}
