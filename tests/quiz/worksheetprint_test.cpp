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

std::shared_ptr<PrintJob> drawn(const WorksheetText &text) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    worksheetprint::draw(out, text);
    return job;
}

} // namespace

// The header, the heading and title centred, then each question below the
// one before with its answers in two columns beneath it, A beside B and C
// beside D, all on one page; a long answer is neither wrapped nor clipped.
TEST(WorksheetLayout, PrintsTheHeaderTheTitleAndTenQuestionsWithTheirAnswersInTwoColumns) {
    WorksheetText text = tenQuestions();
    text.answerA[3] = QString(200, u'x');
    const auto job = drawn(text);
    QList<PrintedText> shown; // the lines that are not blank
    for (const PrintedText &got : job->texts) {
        EXPECT_EQ(got.font.name, u"Times New Roman"_qs);
        EXPECT_EQ(got.colour, (Rgb{0, 0, 0}));
        EXPECT_LE(got.y + RecordingPrinter::lineOf(got.font.points), RecordingPrinter::Height);
        if (!got.text.trimmed().isEmpty()) shown << got;
    }
    ASSERT_EQ(shown.size(), 3 + 5 * 10);
    EXPECT_EQ(shown[0].text, worksheetprint::headerLine());
    EXPECT_EQ(shown[1].text, text.heading);
    EXPECT_EQ(shown[2].text, text.title);
    for (int i : {1, 2})
        EXPECT_EQ(shown[i].x,
                  (W - shown[i].text.size() * RecordingPrinter::charWidth(shown[i].font.points)) / 2);
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        const PrintedText *line = &shown[3 + 5 * (q - 1)];
        EXPECT_EQ(line[0].text, QStringLiteral("Question %1    ").arg(q) + text.question[q]);
        const QString answers[] = {text.answerA[q], text.answerB[q], text.answerC[q], text.answerD[q]};
        for (int a = 0; a < 4; ++a)
            EXPECT_EQ(line[1 + a].text, QChar(u'A' + a) + u". "_qs + answers[a]);
        EXPECT_GT(line[0].y, line[-1].y);
        EXPECT_TRUE(line[1].y > line[0].y && line[1].y == line[2].y && line[3].y > line[1].y &&
                    line[3].y == line[4].y);
        EXPECT_TRUE(line[1].x > line[0].x && line[2].x > line[1].x && line[3].x == line[1].x &&
                    line[4].x == line[2].x);
    }
    EXPECT_TRUE(job->lines.isEmpty());
    // No page break and no end of its own.
    EXPECT_EQ(job->pages, 1);
    EXPECT_FALSE(job->log.contains(QStringLiteral("end")));
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
    const QList<PrintedText> worksheet = drawn(text)->texts;
    ASSERT_EQ(job.texts.size(), worksheet.size() + key.size());
    for (qsizetype i = 0; i < worksheet.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        EXPECT_EQ(job.texts[i].text, worksheet[i].text);
        EXPECT_EQ(QPointF(job.texts[i].x, job.texts[i].y), QPointF(worksheet[i].x, worksheet[i].y));
        EXPECT_EQ(job.texts[i].page, 1);
    }
    QStringList printedKey;
    for (qsizetype i = worksheet.size(); i < job.texts.size(); ++i) {
        EXPECT_EQ(job.texts[i].page, 2);
        printedKey.append(job.texts[i].text);
    }
    EXPECT_EQ(printedKey, key);
    EXPECT_EQ(job.texts[worksheet.size()].y, 0);
    EXPECT_TRUE(job.ended);

    MessageLog asked;
    EXPECT_FALSE(worksheetprint::wantsAnswerKey(ClassroomMode::Pupil, asked));
    EXPECT_TRUE(asked.shown.isEmpty());
    EXPECT_FALSE(worksheetprint::wantsAnswerKey(ClassroomMode::Teacher, asked)); // Cancel
    EXPECT_EQ(asked.shown, QStringList({kAskAnswerKey}));
}
