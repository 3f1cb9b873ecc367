#pragma once
// The question set file: a title and ten questions of four answers, 72 lines
// with CR LF ends, commas stored as "&". One reader and one writer for the
// topic's own set and the teacher's worksheets.

#include "core/module1.h"

#include <QByteArray>
#include <QString>
#include <array>

class FieldReader;

inline constexpr int kQuestionsPerSet = 10;
inline constexpr int kAnswersPerQuestion = 4;
inline constexpr int kQuestionSetFields = 72;

// Reads the 72 fields of a question set from a reader over a file that the
// caller opened and closes, into SetTitle, Question, AnswerA to AnswerD and
// CorrectAnswer of the state. Text fields are read as the writer writes them
// (FieldReader::nextText) and lose the comma escape; the correct answer is
// stored exactly as read. Nothing after the 72nd field is read.
// Returns false when the text ends before the 72nd field: the entries read
// up to then hold their new values and the later ones keep the old set's.
bool LoadQuestionSet(FieldReader &file, SharedState &state);

// Opens the question set file at a program path ("multiple\phidias.txt"),
// reads it with LoadQuestionSet and closes it. Empty when the set was read;
// otherwise why not (the file cannot be opened, or is short), also logged.
[[nodiscard]] QString loadQuestionSetFile(const QString &programPath, SharedState &state);

// One question as the writer takes it: answers A to D in order, and the
// number of the correct answer as the text to store ("1" to "4").
struct QuestionSetEntry {
    QString question;
    std::array<QString, kAnswersPerQuestion> answers;
    QString correct;
};

// The whole file: title, " ", then per question its text, the four answers,
// the correct-answer digit and " "; every line ends in CR LF and every comma in
// the title, questions and answers is written as "&". Each text is written so
// that it reads back exactly (textLine), save that an "&" comes back as a comma
// and a line break, written as a blank so the layout always holds, as a blank.
// Windows-1252 where every character fits, for older copies, else UTF-8.
QByteArray questionSetBytes(const QString &title,
                            const std::array<QuestionSetEntry, kQuestionsPerSet> &questions);
// The question set held in the state (entries 1 to 10), written the same way.
QByteArray questionSetBytes(const SharedState &state);
