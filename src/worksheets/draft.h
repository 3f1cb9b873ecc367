#pragma once
// A worksheet as the wizard holds it in its boxes, the wizard's checks, and the
// ways between the boxes and a question set.

#include "core/module1.h"
#include "quiz/questionset.h"

#include <QString>
#include <array>
#include <optional>

inline constexpr int kWizardAnswers = kQuestionsPerSet * kAnswersPerQuestion;

struct WorksheetDraft {
    QString title;
    // questions[q] is question q+1; answers[4q+a] and ticks[4q+a] are its answer a (0 = A to 3 = D).
    std::array<QString, kQuestionsPerSet> questions;
    std::array<QString, kWizardAnswers> answers;
    std::array<bool, kWizardAnswers> ticks{};
    friend bool operator==(const WorksheetDraft &, const WorksheetDraft &) = default;
};

// The wizard's checks in their order: the one message to show for the first
// thing missing, a title that cannot name a file, or a text the file cannot
// keep as typed (an "&", a pasted line break), or empty when the worksheet is
// complete. A text of blanks counts as filled; only an empty box is missing.
QString checkDraft(const WorksheetDraft &draft);

// The worksheet file of a complete draft; the ticked answer is the correct
// one. A draft that passes the checks reads back exactly as it is.
QByteArray worksheetBytes(const WorksheetDraft &draft);

// Which worksheet a save writes. The worksheet being edited (listed in the
// catalogue as `listedTitle`, opened with the title `openedAs`; both empty for
// a new one), saved under the title it was opened with or under its listed
// title as the catalogue stores it, replaces its own file; any other title
// names a file of its own, which may replace another worksheet (in any letter
// case) only when the teacher agrees.
struct SaveTarget {
    QString fileTitle;
    bool ownWorksheet = false;
};
SaveTarget saveTarget(const QString &title, const QString &listedTitle, const QString &openedAs);

// The wizard's boxes filled from the question set of the state, for editing;
// nothing when a correct answer names no answer (the quiz's own rule) and so
// cannot tick a box.
std::optional<WorksheetDraft> draftFromQuestionSet(const SharedState &state);
