#include "questionsource.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A valid source of ten questions, question q right on answer (q mod 4) + 1.
QString validSource() {
    QString text = QStringLiteral("title Greeks\n");
    for (int q = 0; q < 10; ++q) {
        text += QStringLiteral("\n? Question %1\n").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            text += QStringLiteral("%1 Answer %2\n").arg(QChar(a == q % 4 ? u'*' : u'-')).arg(a + 1);
    }
    return text;
}

QString problemOf(const QString &source) {
    const auto parsed = parseQuestionSource(source);
    const auto *problem = std::get_if<QString>(&parsed);
    return problem ? *problem : QString();
}

TEST(QuestionSource, ReadsTitleQuestionsAnswersAndTheMarkedRightAnswer) {
    const auto parsed = parseQuestionSource(validSource());
    ASSERT_TRUE(std::holds_alternative<SourceQuestionSet>(parsed)) << qPrintable(problemOf(validSource()));
    const auto &set = std::get<SourceQuestionSet>(parsed);
    EXPECT_EQ(set.title, QStringLiteral("Greeks"));
    EXPECT_EQ(set.questions[6].text, QStringLiteral("Question 7"));
    EXPECT_EQ(set.questions[6].answers[3], QStringLiteral("Answer 4"));
    EXPECT_EQ(set.questions[6].correct, 3);
}

TEST(QuestionSource, RefusesAnAmpersandBecauseTheProgramReadsItBackAsAComma) {
    QString source = validSource();
    source.replace(QStringLiteral("Question 3"), QStringLiteral("Bread & olives"));
    EXPECT_TRUE(problemOf(source).contains(QStringLiteral("line 15"))) << qPrintable(problemOf(source));
}

TEST(QuestionSource, RefusesAQuestionWithNoRightAnswerOrWithTwo) {
    QString none = validSource();
    none.replace(QStringLiteral("* Answer 1\n"), QStringLiteral("- Answer 1\n"));
    EXPECT_FALSE(problemOf(none).isEmpty());
    QString two = validSource();
    two.replace(QStringLiteral("- Answer 2\n"), QStringLiteral("* Answer 2\n"));
    EXPECT_TRUE(problemOf(two).contains(QStringLiteral("second right answer")));
}

TEST(QuestionSource, RefusesAnythingButTenQuestionsOfFourAnswers) {
    const QString source = validSource();
    EXPECT_FALSE(problemOf(source.left(source.lastIndexOf(QStringLiteral("\n?")))).isEmpty());
    EXPECT_FALSE(problemOf(source + QStringLiteral("? Eleven\n* a\n- b\n- c\n- d\n")).isEmpty());
    QString threeAnswers = validSource();
    threeAnswers.replace(QStringLiteral("? Question 2\n- Answer 1\n"), QStringLiteral("? Question 2\n"));
    EXPECT_FALSE(problemOf(threeAnswers).isEmpty());
    EXPECT_FALSE(problemOf(source + QStringLiteral("- a fifth answer\n")).isEmpty());
}

TEST(QuestionSource, RefusesATextTheFieldReaderWouldChange) {
    QString quoted = validSource();
    quoted.replace(QStringLiteral("? Question 5"), QStringLiteral("? \"Quoted\" question"));
    EXPECT_FALSE(problemOf(quoted).isEmpty());
    QString empty = validSource();
    empty.replace(QStringLiteral("- Answer 2\n"), QStringLiteral("-\n"));
    EXPECT_FALSE(problemOf(empty).isEmpty());
}

TEST(QuestionSource, RefusesTextsLongerThanTheQuizHasRoomFor) {
    QString longQuestion = validSource();
    longQuestion.replace(QStringLiteral("? Question 4"), QStringLiteral("? ") + QString(61, u'q'));
    EXPECT_TRUE(problemOf(longQuestion).contains(QStringLiteral("60")));
    QString longAnswer = validSource();
    longAnswer.replace(QStringLiteral("- Answer 2\n"), QStringLiteral("- ") + QString(31, u'a') + u'\n');
    EXPECT_TRUE(problemOf(longAnswer).contains(QStringLiteral("30")));
    QString fullLengths = validSource();
    fullLengths.replace(QStringLiteral("? Question 4"), QStringLiteral("? ") + QString(60, u'q'));
    fullLengths.replace(QStringLiteral("- Answer 2\n"), QStringLiteral("- ") + QString(30, u'a') + u'\n');
    EXPECT_TRUE(problemOf(fullLengths).isEmpty()) << qPrintable(problemOf(fullLengths));
}

TEST(QuestionSetFile, StoresCommasAsAmpersandsOneFieldPerLine) {
    QString source = validSource();
    source.replace(QStringLiteral("title Greeks"), QStringLiteral("title Rome, Athens"));
    source.replace(QStringLiteral("? Question 1\n"), QStringLiteral("? Who, when, where?\n"));
    const auto parsed = parseQuestionSource(source);
    ASSERT_TRUE(std::holds_alternative<SourceQuestionSet>(parsed));
    const QStringList lines =
        QString::fromUtf8(questionSetFile(std::get<SourceQuestionSet>(parsed))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 73);
    EXPECT_EQ(lines[0], QStringLiteral("Rome& Athens"));
    EXPECT_EQ(lines[2], QStringLiteral("Who& when& where?"));
    EXPECT_EQ(lines[7], QStringLiteral("1"));
    EXPECT_EQ(lines[71], QStringLiteral(" "));
}

} // namespace
