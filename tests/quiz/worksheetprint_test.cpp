#include "quiz/worksheetprint.h"
#include "support/recordingprinter.h"

#include <QPointF>
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

double line(double points) {
    return RecordingPrinter::lineOf(points);
}

struct Step {
    QString text;
    double x, y, points;
};

// The worksheet's text steps as the page is designed.
QList<Step> designedSteps(const WorksheetText &t) {
    const QString header =
        QStringLiteral("Lives of Hellas") + QString(57, u' ') + QStringLiteral("Larkspur Publishing Ltd");
    const QString blank = QStringLiteral(" ");
    auto centred = [](const QString &text) {
        return (W - text.size() * RecordingPrinter::charWidth(32)) / 2;
    };
    const double top = 3 * line(16);
    QList<Step> steps = {
        {blank, W / 8, 0, 16},
        {header, W / 16, line(16), 16},
        // ends the header line
        {blank, W / 16 + header.size() * RecordingPrinter::charWidth(16), line(16), 16},
        {blank, 0, 2 * line(16), 16},
        {t.heading, centred(t.heading), top, 32},
        {t.title, centred(t.title), top + line(32), 32},
        {blank, 0, top + 2 * line(32), 32},
    };
    for (int q = 1; q <= 10; ++q) {
        // Four lines a question, with its answers in two columns.
        const double y = top + 3 * line(32) + (q - 1) * 4 * line(12);
        steps << Step{QStringLiteral("Question %1    ").arg(q) + t.question[q], W / 16, y, 12}
              << Step{QStringLiteral("A. ") + t.answerA[q], 2 * W / 6, y + line(12), 12}
              << Step{QStringLiteral("B. ") + t.answerB[q], 4 * W / 6, y + line(12), 12}
              << Step{QStringLiteral("C. ") + t.answerC[q], 2 * W / 6, y + 2 * line(12), 12}
              << Step{QStringLiteral("D. ") + t.answerD[q], 4 * W / 6, y + 2 * line(12), 12}
              << Step{blank, 0, y + 3 * line(12), 12};
    }
    return steps;
}

} // namespace

TEST(WorksheetLayout, PrintsTheHeaderTheTitleAndTenQuestionsAsDesigned) {
    WorksheetText text = tenQuestions();
    text.answerA[3] = QString(200, u'x'); // neither wrapped nor clipped
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    worksheetprint::draw(out, text);
    const QList<Step> steps = designedSteps(text);
    ASSERT_EQ(job->texts.size(), steps.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        const PrintedText &got = job->texts[i];
        EXPECT_EQ(got.text, steps[i].text);
        EXPECT_EQ(got.x, steps[i].x);
        EXPECT_EQ(got.y, steps[i].y);
        EXPECT_EQ(got.font, (PrintFont{QStringLiteral("Times New Roman"), steps[i].points}));
        EXPECT_EQ(got.colour, (Rgb{0, 0, 0}));
    }
    EXPECT_TRUE(job->lines.isEmpty());
    // No page break and no end of its own.
    EXPECT_EQ(job->pages, 1);
    EXPECT_FALSE(job->log.contains(QStringLiteral("end")));
}

TEST(WorksheetPrint, EndsTheDocumentOrAbandonsItOnAnyFailureAndSaysWhatHappened) {
    struct Case {
        std::optional<int> failAfter;
        bool outside, noPrinter;
        QString message;
    };
    const Case cases[] = {{{}, false, false, kWorksheetPrinting},
                          {{}, false, true, kPrintProblem},
                          {20, false, false, kPrintProblem},
                          {20, true, false, kPrintProblem}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.failAfter.value_or(-1) << c.outside << c.noPrinter);
        RecordingPrinters printers;
        printers.failAfter = c.failAfter;
        printers.failOutsideThePrinter = c.outside;
        printers.noPrinter = c.noPrinter;
        MessageLog messages;
        const bool printed = !c.failAfter && !c.noPrinter;
        EXPECT_EQ(worksheetprint::print(printers.factory(), messages, tenQuestions()), printed);
        EXPECT_EQ(messages.shown, QStringList({c.message}));
        ASSERT_EQ(printers.jobs.size(), c.noPrinter ? 0 : 1);
        if (c.noPrinter) continue;
        EXPECT_EQ(printers.jobs[0]->ended, printed);
        EXPECT_EQ(printers.jobs[0]->abandoned, !printed);
        EXPECT_EQ(printers.jobs[0]->log.last() == QStringLiteral("end"), printed);
    }
}

TEST(WorksheetAnswerKey, FollowsTheUnchangedWorksheetOnAPageOfItsOwnAndOnlyATeacherIsAsked) {
    WorksheetText text = tenQuestions();
    QStringList key = {text.title, QStringLiteral("Answers"), QStringLiteral(" ")};
    for (int q = 1; q <= 9; ++q) {
        const int a = (q - 1) % 4;
        text.correctAnswer[q] = QString::number(a + 1);
        const QString answer = QChar(u'a' + a) + QString::number(q);
        key.append(QStringLiteral("%1. %2  %3").arg(q).arg(QChar(u'A' + a)).arg(answer));
    }
    text.correctAnswer[10] = QStringLiteral("7"); // names no answer: nothing to mark right
    key.append(QStringLiteral("10."));
    RecordingPrinters printers;
    MessageLog messages;
    ASSERT_TRUE(worksheetprint::print(printers.factory(), messages, text, true));
    const PrintJob &job = *printers.jobs[0];
    const QList<Step> steps = designedSteps(text);
    ASSERT_EQ(job.texts.size(), steps.size() + key.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        EXPECT_EQ(job.texts[i].text, steps[i].text);
        EXPECT_EQ(QPointF(job.texts[i].x, job.texts[i].y), QPointF(steps[i].x, steps[i].y));
        EXPECT_EQ(job.texts[i].page, 1);
    }
    QStringList printedKey;
    for (qsizetype i = steps.size(); i < job.texts.size(); ++i) {
        EXPECT_EQ(job.texts[i].page, 2);
        printedKey.append(job.texts[i].text);
    }
    EXPECT_EQ(printedKey, key);
    EXPECT_EQ(job.texts[steps.size()].y, 0);
    EXPECT_TRUE(job.ended);

    MessageLog asked;
    EXPECT_FALSE(worksheetprint::wantsAnswerKey(ClassroomMode::Pupil, asked));
    EXPECT_TRUE(asked.shown.isEmpty());
    EXPECT_FALSE(worksheetprint::wantsAnswerKey(ClassroomMode::Teacher, asked)); // Cancel
    EXPECT_EQ(asked.shown, QStringList({kAskAnswerKey}));
}
