#include "quiz/marking.h"

#include <gtest/gtest.h>

using namespace quizmarks;

namespace {

std::array<QString, 11> numberedQuestions() {
    std::array<QString, 11> questions;
    for (int i = 1; i <= 10; ++i)
        questions[i] = u"Question text %1"_qs.arg(i);
    return questions;
}

// Marks of questions 1 to 10, all right except the ones listed.
std::array<int, 11> allRightExcept(std::initializer_list<int> wrong) {
    std::array<int, 11> marks{};
    for (int i = 1; i <= 10; ++i)
        marks[i] = 1;
    for (int i : wrong)
        marks[i] = 0;
    return marks;
}

} // namespace

TEST(QuizMarking, TheOptionNamedByTheCorrectDigitEarnsTheMark) {
    EXPECT_EQ(mark(u"3"_qs, 3), 1);
    EXPECT_EQ(mark(u"3"_qs, 2), 0);
    EXPECT_EQ(mark(u" 4 "_qs, 4), 1);
    EXPECT_EQ(mark(u"1"_qs, 1), 1);
}

TEST(QuizMarking, NoAnswerChosenEarnsNothing) {
    for (const QString &digit : {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs})
        EXPECT_EQ(mark(digit, 5), 0);
}

TEST(QuizMarking, ACorrectAnswerFieldThatIsNoDigitFromOneToFourMarksTheQuestionWrong) {
    for (const QString &field : {u"0"_qs, u"5"_qs, u"-1"_qs, u""_qs, u"B"_qs, u"12"_qs, u"2.5"_qs, u"x"_qs}) {
        EXPECT_FALSE(correctOption(field)) << field.toStdString();
        for (int selected = 0; selected <= 5; ++selected)
            EXPECT_EQ(mark(field, selected), 0);
    }
    EXPECT_EQ(mark(u"5"_qs, 5), 0);
}

TEST(QuizScoring, NoAnswersScoreZeroAndFillRowsZeroToNineInQuestionOrder) {
    const QuizResult result = scoreQuiz({}, numberedQuestions());
    EXPECT_EQ(result.score, 0);
    ASSERT_EQ(result.wrongRows.size(), 10u);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(result.wrongRows[r].row, r);
        EXPECT_EQ(result.wrongRows[r].question, r + 1);
    }
    EXPECT_EQ(result.wrongRows[9].caption, u" 10. Question text 10"_qs);
}

TEST(QuizScoring, QuestionsTwoAndSevenWrongFillTheTopTwoRows) {
    const QuizResult result = scoreQuiz(allRightExcept({2, 7}), numberedQuestions());
    EXPECT_EQ(result.score, 8);
    ASSERT_EQ(result.wrongRows.size(), 2u);
    EXPECT_EQ(result.wrongRows[0].row, 0);
    EXPECT_EQ(result.wrongRows[0].caption, u" 2. Question text 2"_qs);
    EXPECT_EQ(result.wrongRows[1].row, 1);
    EXPECT_EQ(result.wrongRows[1].caption, u" 7. Question text 7"_qs);
}

TEST(QuizScoring, OnlyTheLastQuestionWrongGoesToTheTopRow) {
    const QuizResult result = scoreQuiz(allRightExcept({10}), numberedQuestions());
    EXPECT_EQ(result.score, 9);
    ASSERT_EQ(result.wrongRows.size(), 1u);
    EXPECT_EQ(result.wrongRows[0].row, 0);
    EXPECT_EQ(result.wrongRows[0].question, 10);
}

TEST(QuizScoring, FullMarksListNoRows) {
    const QuizResult result = scoreQuiz(allRightExcept({}), numberedQuestions());
    EXPECT_EQ(result.score, 10);
    EXPECT_TRUE(result.wrongRows.empty());
}

TEST(ScoreWording, TheThreeBandsOfAQuizOutOfTen) {
    EXPECT_EQ(scoreSentence(10, 10), u"Excellent work. You have scored 10 out of 10."_qs);
    EXPECT_EQ(scoreSentence(9, 10), u"Good work. You have scored 9 out of 10."_qs);
    EXPECT_EQ(scoreSentence(8, 10), u"Good work. You have scored 8 out of 10."_qs);
    EXPECT_EQ(scoreSentence(7, 10), u"You have scored 7 out of 10."_qs);
    EXPECT_EQ(scoreSentence(0, 10), u"You have scored 0 out of 10."_qs);
}

TEST(ScoreWording, TheBandsFollowTheMaximumOfTheMatchingActivity) {
    EXPECT_EQ(band(4, 4), Band::FullMarks);
    EXPECT_EQ(band(3, 4), Band::Good);
    EXPECT_EQ(band(2, 4), Band::Good);
    EXPECT_EQ(band(1, 4), Band::Low);
    EXPECT_EQ(scoreSentence(3, 4), u"Good work. You have scored 3 out of 4."_qs);
}

TEST(ScoreWording, AScoreAboveTheMaximumHasNoWording) {
    EXPECT_EQ(band(11, 10), Band::AboveMaximum);
    EXPECT_TRUE(scoreSentence(11, 10).isEmpty());
}

TEST(ScoreWording, NumbersTakeOneLeadingBlankAndNegativesTheirSign) {
    EXPECT_EQ(number(3), u" 3"_qs);
    EXPECT_EQ(number(0), u" 0"_qs);
    EXPECT_EQ(number(-2), u"-2"_qs);
}
