#include "worksheets/draft.h"
#include "worksheets/store.h"

#include <QList>
#include <gtest/gtest.h>

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

} // namespace

TEST(WizardChecks, ACompleteWorksheetPasses) {
    EXPECT_TRUE(checkDraft(completeDraft()).isEmpty());
}

TEST(WizardChecks, AnEmptyWizardReportsOnlyTheMissingTitle) {
    EXPECT_EQ(checkDraft(WorksheetDraft{}), u"You have not chosen a title for your worksheet"_qs);
}

TEST(WizardChecks, AnEmptyAnswerIsReportedBeforeTheMissingTickOfTheSameQuestion) {
    WorksheetDraft draft = completeDraft();
    draft.answers[4 + 2].clear();
    draft.ticks[4 + 2] = false;
    EXPECT_EQ(checkDraft(draft), u"You have not completed Question 2"_qs);
}

TEST(WizardChecks, AnEmptyQuestionTextIsReported) {
    WorksheetDraft draft = completeDraft();
    draft.questions[9].clear();
    EXPECT_EQ(checkDraft(draft), u"You have not completed Question 10"_qs);
}

TEST(WizardChecks, TwoTicksInOneQuestionAreReportedWithItsNumber) {
    WorksheetDraft draft = completeDraft();
    draft.ticks[12] = true;
    EXPECT_EQ(checkDraft(draft), u"You have ticked more than one correct answer for Question 4"_qs);
}

TEST(WizardChecks, AQuestionWithoutATickIsReported) {
    WorksheetDraft draft = completeDraft();
    draft.ticks[4 * 6 + 2] = false;
    EXPECT_EQ(checkDraft(draft), u"You have not ticked the correct answer for Question 7"_qs);
}

TEST(WizardChecks, AnEarlierQuestionIsJudgedWhollyBeforeALaterOne) {
    WorksheetDraft draft = completeDraft();
    draft.ticks[2] = false;     // question 1: no tick
    draft.questions[1].clear(); // question 2: no text
    EXPECT_EQ(checkDraft(draft), u"You have not ticked the correct answer for Question 1"_qs);
}

TEST(WizardChecks, TextsOfBlanksCountAsFilled) {
    WorksheetDraft draft = completeDraft();
    draft.questions[0] = QStringLiteral("   ");
    draft.answers[0] = QStringLiteral(" ");
    EXPECT_TRUE(checkDraft(draft).isEmpty());
}

TEST(WizardEditing, TheBoxesTakeTheLoadedSetAndTickTheCorrectAnswer) {
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
    const auto draft = draftFromQuestionSet(*state);
    ASSERT_TRUE(draft);
    EXPECT_EQ(draft->title, u"Rome, Athens"_qs);
    EXPECT_EQ(draft->questions[9], u"Q10"_qs);
    EXPECT_EQ(draft->answers[4 * 9 + 3], u"d10"_qs);
    EXPECT_EQ(draft->answers[4 * 2 + 1], u"b3"_qs);
    for (int q = 0; q < 10; ++q) {
        for (int a = 0; a < 4; ++a)
            EXPECT_EQ(draft->ticks[4 * q + a], a == q % 4) << q << a;
    }
    EXPECT_TRUE(checkDraft(*draft).isEmpty());
}

TEST(WizardEditing, ACorrectAnswerThatCannotTickABoxFillsNothing) {
    for (const QString &bad : {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("x"), QString()}) {
        auto state = std::make_unique<SharedState>();
        for (int q = 1; q <= 10; ++q)
            state->CorrectAnswer[q] = QStringLiteral("1");
        state->CorrectAnswer[7] = bad;
        EXPECT_FALSE(draftFromQuestionSet(*state)) << bad.toStdString();
    }
}

TEST(WorksheetFile, TheTickedAnswerIsWrittenAsTheCorrectDigit) {
    WorksheetDraft draft = completeDraft();
    draft.ticks[2] = false;
    draft.ticks[3] = true;
    const QList<QByteArray> lines = worksheetBytes(draft).split('\n');
    EXPECT_EQ(lines[7], QByteArray("4\r"));
    EXPECT_EQ(lines[14], QByteArray("3\r"));
}

TEST(WizardChecks, ATitleThatCannotNameAFileIsReportedBeforeTheQuestions) {
    WorksheetDraft draft;
    draft.title = QStringLiteral("Athens/Sparta");
    EXPECT_EQ(checkDraft(draft), titleProblem(draft.title));
    EXPECT_FALSE(checkDraft(draft).isEmpty());
}
