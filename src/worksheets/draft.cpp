#include "worksheets/draft.h"

#include "quiz/marking.h"
#include "worksheets/store.h"

#include <QCoreApplication>

namespace {

// What a question set file cannot keep of a box's text, as the teacher is
// told it; empty when it keeps all of it. The box is question `question`
// (from 1), or its answer `letter` (A to D) when one is given.
QString textProblem(const QString &text, int question, const QString &letter = {}) {
    // Every "&" is read back as a comma, the format's stand-in for one, and
    // older copies read it so too: no other form of it would come back.
    if (text.contains(u'&')) {
        if (letter.isEmpty())
            return QCoreApplication::translate(
                       "WorksheetDraft", "Question %1 cannot contain \"&\": please write \"and\" instead")
                .arg(question);
        return QCoreApplication::translate(
                   "WorksheetDraft",
                   "Answer %1 of Question %2 cannot contain \"&\": please write \"and\" instead")
            .arg(letter)
            .arg(question);
    }
    // A box shows a pasted line break as a blank, but the file cannot keep it.
    if (text.contains(u'\n') || text.contains(u'\r')) {
        if (letter.isEmpty())
            return QCoreApplication::translate("WorksheetDraft",
                                               "Question %1 holds a line break pasted from elsewhere: "
                                               "please replace it with a blank")
                .arg(question);
        return QCoreApplication::translate(
                   "WorksheetDraft", "Answer %1 of Question %2 holds a line break pasted from elsewhere: "
                                     "please replace it with a blank")
            .arg(letter)
            .arg(question);
    }
    return {};
}

QString notCompleted(int question) {
    return QCoreApplication::translate("WorksheetDraft", "You have not completed Question %1").arg(question);
}

} // namespace

QString checkDraft(const WorksheetDraft &draft) {
    if (draft.title.isEmpty())
        return QCoreApplication::translate("WorksheetDraft",
                                           "You have not chosen a title for your worksheet");
    // The title names the file, so it is judged before anything else.
    if (QString problem = titleProblem(draft.title); !problem.isEmpty()) return problem;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        const int n = q + 1;
        if (draft.questions[q].isEmpty()) return notCompleted(n);
        if (QString problem = textProblem(draft.questions[q], n); !problem.isEmpty()) return problem;
        int ticks = 0;
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            if (draft.answers[i].isEmpty()) return notCompleted(n);
            if (QString problem = textProblem(draft.answers[i], n, quizmarks::answerLetter(a + 1));
                !problem.isEmpty())
                return problem;
            if (draft.ticks[i]) ++ticks;
        }
        if (ticks == 0)
            return QCoreApplication::translate("WorksheetDraft",
                                               "You have not ticked the correct answer for Question %1")
                .arg(n);
        if (ticks > 1)
            return QCoreApplication::translate("WorksheetDraft",
                                               "You have ticked more than one correct answer for Question %1")
                .arg(n);
    }
    return {};
}

QByteArray worksheetBytes(const WorksheetDraft &draft) {
    std::array<QuestionSetEntry, kQuestionsPerSet> questions;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        QuestionSetEntry &entry = questions[q];
        entry.question = draft.questions[q];
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            entry.answers[a] = draft.answers[i];
            if (draft.ticks[i]) entry.correct += QString::number(a + 1);
        }
    }
    return questionSetBytes(draft.title, questions);
}

std::optional<WorksheetDraft> draftFromQuestionSet(const SharedState &state) {
    WorksheetDraft draft;
    draft.title = state.SetTitle;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        const auto correct = quizmarks::correctOption(state.CorrectAnswer[q + 1]);
        if (!correct) return std::nullopt;
        draft.questions[q] = state.Question[q + 1];
        const int first = kAnswersPerQuestion * q;
        draft.answers[first] = state.AnswerA[q + 1];
        draft.answers[first + 1] = state.AnswerB[q + 1];
        draft.answers[first + 2] = state.AnswerC[q + 1];
        draft.answers[first + 3] = state.AnswerD[q + 1];
        draft.ticks[first + *correct - 1] = true;
    }
    return draft;
}

SaveTarget saveTarget(const QString &title, const QString &listedTitle, const QString &openedAs) {
    const bool own =
        !listedTitle.isEmpty() && (title == openedAs || storedTitle(title) == storedTitle(listedTitle));
    return {own ? listedTitle : title, own};
}
