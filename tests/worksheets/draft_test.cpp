#include "core/textfields.h"
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
        {"title naming no file",
         [](WorksheetDraft &d) {
             d = WorksheetDraft{};
             d.title = u"Athens/Sparta"_qs;
         },
         titleProblem(u"Athens/Sparta"_qs)},
        {"answer empty before missing tick",
         [](WorksheetDraft &d) {
             d.answers[6].clear();
             d.ticks[6] = false;
         },
         u"You have not completed Question 2"_qs},
        {"question empty", [](WorksheetDraft &d) { d.questions[9].clear(); },
         u"You have not completed Question 10"_qs},
        {"two ticks", [](WorksheetDraft &d) { d.ticks[12] = true; },
         u"You have ticked more than one correct answer for Question 4"_qs},
        {"no tick", [](WorksheetDraft &d) { d.ticks[4 * 6 + 2] = false; },
         u"You have not ticked the correct answer for Question 7"_qs},
        {"earlier question first",
         [](WorksheetDraft &d) {
             d.ticks[2] = false;
             d.questions[1].clear();
         },
         u"You have not ticked the correct answer for Question 1"_qs},
        {"blanks count as filled",
         [](WorksheetDraft &d) {
             d.questions[0] = u"   "_qs;
             d.answers[0] = u" "_qs;
         },
         QString()},
        // What the file cannot keep is named with its box, in the boxes' order.
        {"ampersand in a question",
         [](WorksheetDraft &d) {
             d.questions[2] = u"Bread & olives?"_qs;
             d.answers[1] = u"&"_qs;
         },
         u"Answer B of Question 1 cannot contain \"&\": please write \"and\" instead"_qs},
        {"ampersand before a missing tick",
         [](WorksheetDraft &d) {
             d.questions[4] = u"Salt & oil"_qs;
             d.ticks[18] = false;
         },
         u"Question 5 cannot contain \"&\": please write \"and\" instead"_qs},
        {"pasted line break", [](WorksheetDraft &d) { d.answers[4 * 7 + 3] = u"two\nlines"_qs; },
         u"Answer D of Question 8 holds a line break pasted from elsewhere: please replace it with a blank"_qs},
        {"ampersand in the title", [](WorksheetDraft &d) { d.title = u"Salt & oil"_qs; },
         u"Your worksheet title cannot contain \"&\": please write \"and\" instead"_qs},
        {"quotes, commas, blanks and tabs are kept",
         [](WorksheetDraft &d) {
             d.questions[0] = u"\"Know thyself\" was said by whom?"_qs;
             d.answers[0] = u"\"Know thyself"_qs;
             d.answers[1] = u"\t, \" "_qs;
         },
         QString()}};
    for (const Case &c : cases) {
        WorksheetDraft draft = completeDraft();
        c.change(draft);
        EXPECT_EQ(checkDraft(draft), c.message) << c.name;
    }
}

TEST(WizardEditing, ACorrectAnswerTicksItsBoxByTheQuizsRule) {
    for (const QString &bad : {u"0"_qs, u"5"_qs, u"x"_qs, u"+3"_qs, QString()})
        EXPECT_FALSE(draftFromQuestionSet(*loadedSet(bad))) << bad.toStdString();
    // "03" is answer C for the quiz's marking too.
    const auto draft = draftFromQuestionSet(*loadedSet(u"03"_qs));
    ASSERT_TRUE(draft);
    EXPECT_TRUE(draft->ticks[4 * 6 + 2]);
}

TEST(WizardSave, TheEditedWorksheetKeepsItsFileAndAnyOtherTitleNamesItsOwn) {
    // {typed, listed, opened as, file written, own}
    const std::tuple<const char *, const char *, const char *, const char *, bool> cases[] = {
        {"Athens", "", "", "Athens", false}, // a new worksheet
        {"Athens, Sparta", "Athens& Sparta", "Athens, Sparta", "Athens& Sparta", true},
        // The listed title typed again counts as the worksheet's own; in capitals it does not.
        {"athens, sparta", "athens& sparta", "Other", "athens& sparta", true},
        {"ATHENS& SPARTA", "Athens& Sparta", "Athens, Sparta", "ATHENS& SPARTA", false},
        {"Delphi", "Athens", "Athens", "Delphi", false}, // saved as another worksheet
    };
    for (const auto &[typed, listed, opened, file, own] : cases) {
        const SaveTarget target =
            saveTarget(QString::fromUtf8(typed), QString::fromUtf8(listed), QString::fromUtf8(opened));
        EXPECT_EQ(target.fileTitle, QString::fromUtf8(file)) << typed;
        EXPECT_EQ(target.ownWorksheet, own) << typed;
    }
}
