#include "quiz/questionset.h"
#include "shell/textfields.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The lines of a well-formed set whose texts name their place: "Q3", "Q3 B" and so on.
QStringList wellFormedLines() {
    QStringList lines{u"Sculptors"_qs, u" "_qs};
    for (int q = 1; q <= 10; ++q) {
        lines << u"Q%1"_qs.arg(q);
        for (const char *letter : {"A", "B", "C", "D"})
            lines << u"Q%1 %2"_qs.arg(q).arg(QLatin1String(letter));
        lines << QString::number((q - 1) % 4 + 1) << u" "_qs;
    }
    return lines;
}

QString fileText(const QStringList &lines) {
    return lines.join(u"\r\n"_qs) + u"\r\n"_qs;
}

bool load(const QString &text, SharedState &state) {
    FieldReader reader(text);
    return LoadQuestionSet(reader, state);
}

std::array<QuestionSetEntry, 10> sampleEntries() {
    std::array<QuestionSetEntry, 10> entries;
    for (int q = 0; q < 10; ++q)
        entries[q] = {
            u"Question %1"_qs.arg(q + 1), {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}, QString::number(q % 4 + 1)};
    return entries;
}

} // namespace

TEST(QuestionSetFile, AWellFormedFileFillsTitleQuestionsAnswersAndCorrectNumbers) {
    SharedState state;
    ASSERT_TRUE(load(fileText(wellFormedLines()), state));
    EXPECT_EQ(state.SetTitle, u"Sculptors"_qs);
    EXPECT_EQ(state.Question[1], u"Q1"_qs);
    EXPECT_EQ(state.AnswerA[4], u"Q4 A"_qs);
    EXPECT_EQ(state.AnswerD[10], u"Q10 D"_qs);
    EXPECT_EQ(state.CorrectAnswer[2], u"2"_qs);
    EXPECT_EQ(state.CorrectAnswer[5], u"1"_qs);
    EXPECT_EQ(state.Question[0], QString());
}

TEST(QuestionSetFile, TheCommaEscapeIsUndoneInTitleQuestionsAndAnswers) {
    QStringList lines = wellFormedLines();
    lines[0] = u"Rome& Athens"_qs;
    lines[2] = u"Bread & olives"_qs;
    lines[3] = u"&&"_qs;
    SharedState state;
    ASSERT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.SetTitle, u"Rome, Athens"_qs);
    EXPECT_EQ(state.Question[1], u"Bread , olives"_qs);
    EXPECT_EQ(state.AnswerA[1], u",,"_qs);
}

TEST(QuestionSetFile, TheCorrectAnswerIsStoredAsReadEvenWhenItIsNoDigit) {
    QStringList lines = wellFormedLines();
    lines[7] = u"seven&"_qs;
    lines[14] = u"9"_qs;
    SharedState state;
    ASSERT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.CorrectAnswer[1], u"seven&"_qs);
    EXPECT_EQ(state.CorrectAnswer[2], u"9"_qs);
}

TEST(QuestionSetFile, BlanksInFrontAreLostAndAnEmptyLineGivesAnEmptyAnswer) {
    QStringList lines = wellFormedLines();
    lines[2] = u"   Who carved Athena?"_qs;
    lines[4] = QString();
    lines[5] = u"    "_qs;
    SharedState state;
    ASSERT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.Question[1], u"Who carved Athena?"_qs);
    EXPECT_EQ(state.AnswerB[1], QString());
    EXPECT_EQ(state.AnswerC[1], QString());
    EXPECT_EQ(state.AnswerD[1], u"Q1 D"_qs);
}

TEST(QuestionSetFile, AFieldThatBeginsWithAQuoteRunsToTheClosingQuote) {
    QStringList lines = wellFormedLines();
    lines[2] = u"\"Gold, ivory\" and more"_qs;
    SharedState state;
    ASSERT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.Question[1], u"Gold, ivory"_qs);
    EXPECT_EQ(state.AnswerA[1], u"Q1 A"_qs);
}

TEST(QuestionSetFile, SeparatorLinesMayHoldAnyTextWithoutCommas) {
    QStringList lines = wellFormedLines();
    lines[1] = u"anything at all"_qs;
    lines[8] = u"-- next --"_qs;
    SharedState state;
    ASSERT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.Question[2], u"Q2"_qs);
    EXPECT_EQ(state.CorrectAnswer[10], u"2"_qs);
}

TEST(QuestionSetFile, ACommaInASeparatorShiftsEveryLaterFieldByOne) {
    QStringList lines = wellFormedLines();
    lines[8] = u"a,b"_qs; // the separator after question 1
    SharedState state;
    EXPECT_TRUE(load(fileText(lines), state));
    EXPECT_EQ(state.Question[1], u"Q1"_qs);
    EXPECT_EQ(state.Question[2], u"b"_qs);
    EXPECT_EQ(state.AnswerA[2], u"Q2"_qs);
    EXPECT_EQ(state.CorrectAnswer[2], u"Q2 D"_qs);
}

TEST(QuestionSetFile, AFileOf71LinesFailsOnItsLastFieldAfterStoringEveryQuestion) {
    QStringList lines = wellFormedLines();
    ASSERT_EQ(lines.size(), kQuestionSetFields);
    lines.removeLast();
    SharedState state;
    EXPECT_FALSE(load(fileText(lines), state));
    EXPECT_EQ(state.Question[10], u"Q10"_qs);
    EXPECT_EQ(state.AnswerD[10], u"Q10 D"_qs);
    EXPECT_EQ(state.CorrectAnswer[10], u"2"_qs);
}

TEST(QuestionSetFile, AShortFileKeepsTheNewEntriesAndLeavesTheLaterOnesOfTheOldSet) {
    SharedState state;
    ASSERT_TRUE(load(fileText(wellFormedLines()), state));
    QStringList shorter = wellFormedLines().mid(0, 12);
    shorter[0] = u"New title"_qs;
    shorter[9] = u"New Q2"_qs;
    EXPECT_FALSE(load(fileText(shorter), state));
    EXPECT_EQ(state.SetTitle, u"New title"_qs);
    EXPECT_EQ(state.Question[2], u"New Q2"_qs);
    EXPECT_EQ(state.AnswerA[2], u"Q2 A"_qs);
    EXPECT_EQ(state.AnswerB[2], u"Q2 B"_qs);
    EXPECT_EQ(state.Question[3], u"Q3"_qs);
}

TEST(QuestionSetFile, AnEmptyFileFailsAndChangesNothing) {
    SharedState state;
    state.SetTitle = u"Before"_qs;
    EXPECT_FALSE(load(QString(), state));
    EXPECT_EQ(state.SetTitle, u"Before"_qs);
}

TEST(QuestionSetFile, LinesAfterTheSeventySecondAreIgnored) {
    QStringList lines = wellFormedLines();
    lines << u"extra"_qs << u"more,fields"_qs;
    SharedState state;
    FieldReader reader(fileText(lines));
    ASSERT_TRUE(LoadQuestionSet(reader, state));
    EXPECT_EQ(reader.next(), u"extra"_qs);
}

TEST(QuestionSetFile, TheQuizStateIsLeftAlone) {
    SharedState state;
    state.CurrentQuestion = 4;
    state.QuestionScore[3] = 1;
    state.Score = 6;
    state.MaxScore = 10;
    state.QuizHeading = u"Heading"_qs;
    ASSERT_TRUE(load(fileText(wellFormedLines()), state));
    EXPECT_EQ(state.CurrentQuestion, 4);
    EXPECT_EQ(state.QuestionScore[3], 1);
    EXPECT_EQ(state.Score, 6);
    EXPECT_EQ(state.QuizHeading, u"Heading"_qs);
}

TEST(QuestionSetWriting, WritesSeventyTwoLinesEndedByCrLfInTheLayoutOrder) {
    const QByteArray bytes = questionSetBytes(u"Title"_qs, sampleEntries());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    ASSERT_EQ(lines.size(), kQuestionSetFields);
    for (const QByteArray &line : lines)
        EXPECT_TRUE(line.endsWith('\r'));
    EXPECT_EQ(lines[0], "Title\r");
    EXPECT_EQ(lines[1], " \r");
    EXPECT_EQ(lines[2], "Question 1\r");
    EXPECT_EQ(lines[6], "d\r");
    EXPECT_EQ(lines[7], "1\r");
    EXPECT_EQ(lines[8], " \r");
    EXPECT_EQ(lines[65], "Question 10\r");
    EXPECT_EQ(lines[70], "2\r");
    EXPECT_EQ(lines[71], " \r");
}

TEST(QuestionSetWriting, CommasAreWrittenAsAmpersandsButTheCorrectNumberIsNot) {
    auto entries = sampleEntries();
    entries[0].question = u"Gold, ivory, wood"_qs;
    entries[0].answers[1] = u"a,b"_qs;
    const QByteArray bytes = questionSetBytes(u"Rome, Athens"_qs, entries);
    EXPECT_TRUE(bytes.startsWith("Rome& Athens\r\n \r\nGold& ivory& wood\r\na\r\na&b\r\n"));
}

TEST(QuestionSetWriting, TextIsWrittenAsUtf8) {
    const QByteArray bytes = questionSetBytes(u"Φειδίας"_qs, sampleEntries());
    EXPECT_TRUE(bytes.startsWith(u"Φειδίας\r\n"_qs.toUtf8()));
}

TEST(QuestionSetWriting, ALineBreakInsideATextCannotShiftTheLayout) {
    auto entries = sampleEntries();
    entries[2].question = u"two\r\nlines\nand\rmore"_qs;
    const QByteArray bytes = questionSetBytes(u"T"_qs, entries);
    EXPECT_EQ(bytes.count('\n'), kQuestionSetFields);
    SharedState state;
    ASSERT_TRUE(load(decodeText(bytes), state));
    EXPECT_EQ(state.Question[3], u"two lines and more"_qs);
    EXPECT_EQ(state.Question[4], u"Question 4"_qs);
}

TEST(QuestionSetRoundTrip, TextComesBackExceptThatAmpersandsBecomeCommas) {
    auto entries = sampleEntries();
    entries[0].question = u"Bread & olives, figs"_qs;
    entries[4].answers[3] = u"Ἀθῆναι, the city of Athena"_qs;
    entries[9].answers[0] = u"café"_qs;
    SharedState state;
    ASSERT_TRUE(load(decodeText(questionSetBytes(u"Gods, heroes"_qs, entries)), state));
    EXPECT_EQ(state.SetTitle, u"Gods, heroes"_qs);
    EXPECT_EQ(state.Question[1], u"Bread , olives, figs"_qs);
    EXPECT_EQ(state.AnswerD[5], u"Ἀθῆναι, the city of Athena"_qs);
    EXPECT_EQ(state.AnswerA[10], u"café"_qs);
    for (int q = 1; q <= 10; ++q)
        EXPECT_EQ(state.CorrectAnswer[q], QString::number((q - 1) % 4 + 1));
}

TEST(QuestionSetRoundTrip, TheSharedSetWrittenAndReadBackIsUnchanged) {
    SharedState original;
    ASSERT_TRUE(load(fileText(wellFormedLines()), original));
    SharedState copy;
    ASSERT_TRUE(load(decodeText(questionSetBytes(original)), copy));
    EXPECT_EQ(copy.SetTitle, original.SetTitle);
    EXPECT_EQ(copy.Question, original.Question);
    EXPECT_EQ(copy.AnswerA, original.AnswerA);
    EXPECT_EQ(copy.AnswerD, original.AnswerD);
    EXPECT_EQ(copy.CorrectAnswer, original.CorrectAnswer);
}

TEST(QuestionSetRoundTrip, AWindows1252FileIsReadWithItsAccents) {
    QStringList lines = wellFormedLines();
    lines[0] = u"Caf\u00e9 \u20ac"_qs;
    QByteArray bytes = fileText(lines).toLatin1();
    bytes.replace("\xe9 ?", "\xe9 \x80");
    SharedState state;
    ASSERT_TRUE(load(decodeText(bytes), state));
    EXPECT_EQ(state.SetTitle, u"Caf\u00e9 \u20ac"_qs);
}

TEST(QuestionSetFileOnDisc, AMissingFileFailsAndAPresentOneIsReadAndClosed) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SharedState state;
    EXPECT_FALSE(loadQuestionSetFile(u"multiple\\phidias.txt"_qs, state));
    QDir().mkpath(u"multiple"_qs);
    {
        QFile file(u"multiple/phidias.txt"_qs);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(questionSetBytes(u"Disc"_qs, sampleEntries()));
    }
    EXPECT_TRUE(loadQuestionSetFile(u"multiple\\phidias.txt"_qs, state));
    EXPECT_EQ(state.SetTitle, u"Disc"_qs);
    // Closed again: it can be removed at once.
    EXPECT_TRUE(QFile::remove(u"multiple/phidias.txt"_qs));
    QDir::setCurrent(previous);
}
