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

TEST(ScoreWording, TheThreeBandsFollowTheMaximum) {
    struct Case {
        int score, maximum;
        QString sentence;
    };
    // The bands out of ten, and 4 and 3 out of four, are checked on the results screen.
    const Case cases[] = {
        {2, 4, u"Good work. You have scored 2 out of 4."_qs},
        {1, 4, u"You have scored 1 out of 4."_qs},
        // Above the maximum there is no wording.
        {11, 10, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(scoreSentence(c.score, c.maximum), c.sentence) << c.score << " of " << c.maximum;
    EXPECT_EQ(band(11, 10), Band::AboveMaximum);
}
