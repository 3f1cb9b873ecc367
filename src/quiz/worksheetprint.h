#pragma once
// The paper worksheet of a question set: a header line, the heading and title,
// then the ten questions, each with its four answers in two columns.

#include "classroom/mode.h"
#include "core/translatedtext.h"
#include "platform/printsurface.h"

#include <QString>
#include <array>

class Messages;
struct SharedState;

struct WorksheetText {
    QString heading;
    QString title;
    // Entries 1 to 10 are used, as in the shared question set.
    std::array<QString, 11> question;
    std::array<QString, 11> answerA;
    std::array<QString, 11> answerB;
    std::array<QString, 11> answerC;
    std::array<QString, 11> answerD;
    // The number of each question's correct answer as read, "1" to "4".
    std::array<QString, 11> correctAnswer;
};

inline constexpr TranslatedText kWorksheetPrinting{
    "worksheetprint", QT_TRANSLATE_NOOP("worksheetprint", "Your worksheet is now printing.")};
inline constexpr TranslatedText kAskAnswerKey{
    "worksheetprint", QT_TRANSLATE_NOOP("worksheetprint", "Print an answer key after the worksheet?")};

namespace worksheetprint {

// The questions and answers of the shared set under the given heading and title.
WorksheetText fromSet(const SharedState &set, const QString &heading, const QString &title);

// The product name and the publisher at the two ends of the header line.
QString headerLine();

void draw(PrintSurface &out, const WorksheetText &text);
// A page of its own headed with the title and "Answers": "1. B  Athens" for
// each question, the letter and text of its correct answer.
void drawAnswerKey(PrintSurface &out, const WorksheetText &text);

// Whether the answer key follows the worksheet: a teacher is asked, a pupil
// never offered it.
bool wantsAnswerKey(ClassroomMode mode, Messages &messages);

// Prints the worksheet, and the answer key after it when asked, and says so;
// a printer failure is reported with the problem message instead and
// nothing is printed.
bool print(const PrinterFactory &open, Messages &messages, const WorksheetText &text, bool withAnswerKey = false);

} // namespace worksheetprint
