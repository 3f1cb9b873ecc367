#include "quiz/marking.h"

#include <QList>
#include <gtest/gtest.h>

using namespace quizmarks;

TEST(QuizMarking, OnlyTheOptionNamedByADigitFromOneToFourEarnsTheMark) {
    struct Case {
        QString correct;
        int selected;
        int mark;
    };
    // A whole number however written counts: the wizard ticks C for "03" too.
    const Case cases[] = {{u"3"_qs, 3, 1},  {u"3"_qs, 2, 0},    {u" 4 "_qs, 4, 1}, {u"1"_qs, 1, 1},
                          {u"1"_qs, 5, 0},  {u"4"_qs, 5, 0},    {u"5"_qs, 5, 0},   {u"03"_qs, 3, 1},
                          {u"03"_qs, 1, 0}, {u" 0002"_qs, 2, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(mark(c.correct, c.selected), c.mark) << c.correct.toStdString() << " / " << c.selected;
    // A field that is no digit from 1 to 4 marks every choice wrong.
    for (const QString &field : {u"0"_qs, u"00"_qs, u"05"_qs, u"5"_qs, u"-1"_qs, u"+3"_qs, u""_qs, u"B"_qs,
                                 u"12"_qs, u"2.5"_qs, u"x"_qs, u"3 3"_qs}) {
        EXPECT_FALSE(correctOption(field)) << field.toStdString();
        for (int selected = 0; selected <= 5; ++selected)
            EXPECT_EQ(mark(field, selected), 0) << field.toStdString() << " / " << selected;
    }
}

TEST(QuizScoring, WrongQuestionsFillTheTopRowsInQuestionOrder) {
    std::array<QString, 11> questions;
    for (int i = 1; i <= 10; ++i)
        questions[i] = u"Question text %1"_qs.arg(i);
    const QList<QList<int>> wrongSets = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {2, 7}, {10}, {}};
    for (const QList<int> &wrong : wrongSets) {
        SCOPED_TRACE(testing::Message()
                     << wrong.size() << " wrong, first " << (wrong.isEmpty() ? 0 : wrong[0]));
        std::array<int, 11> marks{};
        for (int i = 1; i <= 10; ++i)
            marks[i] = wrong.contains(i) ? 0 : 1;
        const QuizResult result = scoreQuiz(marks, questions);
        EXPECT_EQ(result.score, 10 - wrong.size());
        ASSERT_EQ(result.wrongRows.size(), size_t(wrong.size()));
        for (int r = 0; r < wrong.size(); ++r) {
            EXPECT_EQ(result.wrongRows[r].row, r);
            EXPECT_EQ(result.wrongRows[r].question, wrong[r]);
            EXPECT_EQ(result.wrongRows[r].caption, u" %1. Question text %1"_qs.arg(wrong[r]));
        }
    }
}

TEST(ScoreWording, TheThreeBandsFollowTheMaximum) {
    struct Case {
        int score, maximum;
        QString sentence;
    };
    const Case cases[] = {
        // The quiz's bands out of ten are checked on the results screen.
        {8, 10, u"Good work. You have scored 8 out of 10."_qs},
        // The matching activity scores out of four.
        {4, 4, u"Excellent work. You have scored 4 out of 4."_qs},
        {2, 4, u"Good work. You have scored 2 out of 4."_qs},
        {1, 4, u"You have scored 1 out of 4."_qs},
        // Above the maximum there is no wording.
        {11, 10, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(scoreSentence(c.score, c.maximum), c.sentence) << c.score << " of " << c.maximum;
    EXPECT_EQ(band(11, 10), Band::AboveMaximum);
}

TEST(ScoreWording, NumbersTakeOneLeadingBlankAndNegativesTheirSign) {
    EXPECT_EQ(number(3), u" 3"_qs);
    EXPECT_EQ(number(0), u" 0"_qs);
    EXPECT_EQ(number(-2), u"-2"_qs);
}
