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

// What the program could not read back unchanged is refused; the longest
// question and answer it can show are not.
TEST(QuestionSource, RefusesWhatTheProgramCouldNotReadBackUnchanged) {
    struct Case {
        const char *name;
        QString from, to;    // one replacement in the valid source; an empty `from` appends
        const char *problem; // a part of the message, "" for any, or null where there must be none
    };
    const Case cases[] = {
        // The program reads "&" back as a comma.
        {"ampersand", "Question 3", "Bread & olives", "line 15"},
        {"no right answer", "* Answer 1\n", "- Answer 1\n", ""},
        {"two right answers", "- Answer 2\n", "* Answer 2\n", "second right answer"},
        {"nine questions", "\n? Question 10\n- Answer 1\n* Answer 2\n- Answer 3\n- Answer 4\n", "", ""},
        {"eleven questions", "", "? Eleven\n* a\n- b\n- c\n- d\n", ""},
        {"three answers", "? Question 2\n- Answer 1\n", "? Question 2\n", ""},
        {"five answers", "", "- a fifth answer\n", ""},
        {"quotes the field reader would drop", "? Question 5", "? \"Quoted\" question", ""},
        {"empty answer", "- Answer 2\n", "-\n", ""},
        {"question over 60 characters", "? Question 4", "? " + QString(61, u'q'), "60"},
        {"answer over 30 characters", "- Answer 2\n", "- " + QString(31, u'a') + u'\n', "30"},
        {"question of 60 characters", "? Question 4", "? " + QString(60, u'q'), nullptr},
        {"answers of 30 characters", "- Answer 2\n", "- " + QString(30, u'a') + u'\n', nullptr},
    };
    for (const Case &c : cases) {
        QString source = validSource();
        if (c.from.isEmpty())
            source += c.to;
        else
            source.replace(c.from, c.to);
        const QString problem = problemOf(source);
        EXPECT_EQ(problem.isEmpty(), !c.problem) << c.name << ": " << qPrintable(problem);
        EXPECT_TRUE(!c.problem || problem.contains(QLatin1String(c.problem))) << c.name;
    }
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
