#include "worksheets/draft.h"
#include "worksheets/store.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

WorksheetDraft completeDraft() {
    WorksheetDraft draft;
    draft.title = QStringLiteral("Olympia");
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = QStringLiteral("Q%1").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[4 * q + a] = QStringLiteral("A%1").arg(a);
        draft.ticks[4 * q + 2] = true;
    }
    return draft;
}

std::unique_ptr<SharedState> loadedSet(const QString &correct7) {
    auto state = std::make_unique<SharedState>();
    state->SetTitle = QStringLiteral("Rome, Athens");
    for (int q = 1; q <= 10; ++q) {
        state->Question[q] = QStringLiteral("Q%1").arg(q);
        state->AnswerA[q] = QStringLiteral("a%1").arg(q);
        state->AnswerB[q] = QStringLiteral("b%1").arg(q);
        state->AnswerC[q] = QStringLiteral("c%1").arg(q);
        state->AnswerD[q] = QStringLiteral("d%1").arg(q);
        state->CorrectAnswer[q] = QString::number((q - 1) % 4 + 1);
    }
    state->CorrectAnswer[7] = correct7;
    return state;
}

} // namespace

TEST(WizardChecks, TheFirstProblemInTheBoxesOrderIsReported) {
    struct Case { const char *name; std::function<void(WorksheetDraft &)> change; QString message; };
    const Case cases[] = {
        {"complete", [](WorksheetDraft &) {}, QString()},
        {"empty wizard", [](WorksheetDraft &d) { d = WorksheetDraft{}; },
         u"You have not chosen a title for your worksheet"_qs},
        {"title naming no file", [](WorksheetDraft &d) { d = WorksheetDraft{}; d.title = u"Athens/Sparta"_qs; },
         titleProblem(u"Athens/Sparta"_qs)},
        {"answer empty before missing tick", [](WorksheetDraft &d) { d.answers[6].clear(); d.ticks[6] = false; },
         u"You have not completed Question 2"_qs},
        {"question empty", [](WorksheetDraft &d) { d.questions[9].clear(); },
         u"You have not completed Question 10"_qs},
        {"two ticks", [](WorksheetDraft &d) { d.ticks[12] = true; },
         u"You have ticked more than one correct answer for Question 4"_qs},
        {"no tick", [](WorksheetDraft &d) { d.ticks[4 * 6 + 2] = false; },
         u"You have not ticked the correct answer for Question 7"_qs},
        {"earlier question first", [](WorksheetDraft &d) { d.ticks[2] = false; d.questions[1].clear(); },
         u"You have not ticked the correct answer for Question 1"_qs},
        {"blanks count as filled", [](WorksheetDraft &d) { d.questions[0] = u"   "_qs; d.answers[0] = u" "_qs; },
         QString()}};
    EXPECT_FALSE(titleProblem(u"Athens/Sparta"_qs).isEmpty());
    for (const Case &c : cases) {
        WorksheetDraft draft = completeDraft();
        c.change(draft);
        EXPECT_EQ(checkDraft(draft), c.message) << c.name;
    }
}

TEST(WizardEditing, TheBoxesTakeTheLoadedSetAndTickTheCorrectAnswer) {
    const auto draft = draftFromQuestionSet(*loadedSet(u"3"_qs));
    ASSERT_TRUE(draft);
    EXPECT_EQ(draft->title, u"Rome, Athens"_qs);
    EXPECT_EQ(draft->questions[9], u"Q10"_qs);
    EXPECT_EQ(draft->answers[4 * 9 + 3], u"d10"_qs);
    EXPECT_EQ(draft->answers[4 * 2 + 1], u"b3"_qs);
    for (int i = 0; i < kWizardAnswers; ++i)
        EXPECT_EQ(draft->ticks[i], i % 4 == (i / 4) % 4) << i;
    EXPECT_TRUE(checkDraft(*draft).isEmpty());
}

TEST(WizardEditing, ACorrectAnswerThatCannotTickABoxFillsNothing) {
    for (const QString &bad : {u"0"_qs, u"5"_qs, u"x"_qs, QString()})
        EXPECT_FALSE(draftFromQuestionSet(*loadedSet(bad))) << bad.toStdString();
}
