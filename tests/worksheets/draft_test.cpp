#include "core/textfields.h"
#include "worksheets/draft.h"
#include "worksheets/store.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

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

TEST(WizardEditing, ACorrectAnswerTicksItsBoxByTheQuizsRule) {
    for (const QString &bad : {u"0"_qs, u"5"_qs, u"x"_qs, u"+3"_qs, QString()})
        EXPECT_FALSE(draftFromQuestionSet(*loadedSet(bad))) << bad.toStdString();
    // "03" is answer C for the quiz's marking too.
    const auto draft = draftFromQuestionSet(*loadedSet(u"03"_qs));
    ASSERT_TRUE(draft);
    EXPECT_TRUE(draft->ticks[4 * 6 + 2]);
}

namespace {

// Characters a teacher may type into a box: commas, double quotes, blanks,
// tabs, a no-break space, accented and Greek letters, the euro, and "Ã©"
// (which passes for UTF-8 in Windows-1252).
const QString kTyped = u"aeiouAEIOU xyz 0123456789 .?!'\"\",,\t\u00A0\u00E9\u00E8\u00FC\u00DF\u0152"
                       u"\u20AC\u00C3\u00A9\u03B1\u03B2\u03B3\u03A6\u1F08\u03C9"_qs;

class DraftMaker {
  public:
    explicit DraftMaker(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    // Mostly short texts; every so often one at the box's limit. Some are
    // plain letters only, so that whole files fit Windows-1252.
    QString text(int limit, bool plain) {
        const int length = chance(10) ? limit : 1 + below(std::min(limit, 12));
        const int choices = plain ? 10 : kTyped.size();
        QString text;
        for (int i = 0; i < length; ++i)
            text += kTyped[below(choices)];
        // A quote or blanks at the start or the end, alone and together.
        for (QChar edge : {u'"', u' '}) {
            if (chance(20)) text[0] = edge;
            if (chance(20)) text[text.size() - 1] = edge;
        }
        return text;
    }
    WorksheetDraft draft() {
        const bool plain = chance(30);
        WorksheetDraft draft;
        draft.title = text(MaxTitleLength, plain).remove(u'"').remove(u'\t').remove(u'?').trimmed();
        for (int q = 0; q < kQuestionsPerSet; ++q) {
            draft.questions[q] = text(60, plain);
            for (int a = 0; a < kAnswersPerQuestion; ++a)
                draft.answers[4 * q + a] = text(30, plain);
            draft.ticks[4 * q + below(4)] = true;
        }
        // Now and then one thing that cannot be kept, or is missing.
        QString &box =
            chance(50) ? draft.answers[below(kWizardAnswers)] : draft.questions[below(kQuestionsPerSet)];
        switch (below(24)) {
        case 0:
            box.insert(below(box.size() + 1), u'&');
            break;
        case 1:
            box.insert(below(box.size() + 1), u'\n');
            break;
        case 2:
            box.clear();
            break;
        case 3:
            draft.ticks[below(kWizardAnswers)] = true;
            break;
        case 4:
            draft.title.insert(below(draft.title.size() + 1), u'&');
            break;
        default:
            break;
        }
        return draft;
    }

  private:
    std::mt19937 random_;
};

// What the wizard must refuse, judged on its own: a title that cannot name a
// file, an empty box, a box holding "&" or a line break, not one tick.
bool mustRefuse(const WorksheetDraft &draft) {
    if (draft.title.isEmpty() || !titleProblem(draft.title).isEmpty()) return true;
    const auto unfit = [](const QString &box) {
        return box.isEmpty() || box.contains(u'&') || box.contains(u'\n');
    };
    if (std::any_of(draft.questions.begin(), draft.questions.end(), unfit) ||
        std::any_of(draft.answers.begin(), draft.answers.end(), unfit))
        return true;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        if (std::count(draft.ticks.begin() + 4 * q, draft.ticks.begin() + 4 * q + 4, true) != 1) return true;
    }
    return false;
}

} // namespace

// Random worksheets as a teacher might type them: each is refused by the
// wizard's check, or saved and read back by the catalogue's edit path (the
// file's bytes read from a device, the loader, the wizard's boxes filled)
// with exactly the texts and tick that were typed.
TEST(WorksheetRoundTrip, EveryWorksheetTheCheckPassesReadsBackExactly) {
    DraftMaker make(4121);
    int saved = 0, refused = 0, windows1252 = 0;
    for (int round = 0; round < 15000; ++round) {
        const WorksheetDraft typed = make.draft();
        SCOPED_TRACE(testing::Message() << "worksheet " << round << " titled " << typed.title.toStdString());
        const QString problem = checkDraft(typed);
        ASSERT_EQ(problem.isEmpty(), !mustRefuse(typed)) << problem.toStdString();
        if (!problem.isEmpty()) {
            ++refused;
            continue;
        }
        ++saved;
        QByteArray bytes = worksheetBytes(typed);
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        FieldReader fields = FieldReader::fromDevice(file);
        auto state = std::make_unique<SharedState>();
        ASSERT_TRUE(LoadQuestionSet(fields, *state));
        const auto back = draftFromQuestionSet(*state);
        ASSERT_TRUE(back);
        ASSERT_EQ(back->title.toStdString(), typed.title.toStdString());
        for (int q = 0; q < kQuestionsPerSet; ++q)
            ASSERT_EQ(back->questions[q].toStdString(), typed.questions[q].toStdString())
                << "question " << q + 1;
        for (int i = 0; i < kWizardAnswers; ++i) {
            ASSERT_EQ(back->answers[i].toStdString(), typed.answers[i].toStdString()) << "answer " << i;
            ASSERT_EQ(back->ticks[i], typed.ticks[i]) << "tick " << i;
        }
        // Older copies read Windows-1252: a file is UTF-8 only where a character needs it.
        const QString text = decodeText(bytes);
        if (bytes.size() == text.size())
            ++windows1252;
        else
            ASSERT_TRUE(!fitsWindows1252(text) || text.contains(u"\u00C3"_qs)) << "UTF-8 without need";
    }
    EXPECT_GT(saved, 10000);
    EXPECT_GT(refused, 500);
    EXPECT_GT(windows1252, 2000);
    EXPECT_LT(windows1252, saved);
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
