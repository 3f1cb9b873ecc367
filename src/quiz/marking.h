#pragma once
// Marking a quiz and wording a score: the rules the quiz and results screens show.

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace quizmarks {

// The option that the correct-answer field of a question names: 1 to 4 for a
// whole number from 1 to 4 written in digits ("3", "03", blanks around allowed),
// nothing for anything else. The quiz marks and the wizard ticks by this one rule.
std::optional<int> correctOption(const QString &correctAnswer);

// The mark earned by leaving a question forward with `selected` chosen
// (1 to 4 an answer, anything else none): 1 when it is the option the
// correct-answer field names, otherwise 0. A field naming no answer marks
// the question wrong whatever was chosen.
int mark(const QString &correctAnswer, int selected);

// The letter of answer 1 to 4 as the pupil reads it: A to D in English.
QString answerLetter(int option);

// A number as it stands in a caption: one leading blank before a positive
// number or zero, the minus sign in its place before a negative one.
QString number(int value);

// One row of the wrong-answers list: row 0 at the top.
struct WrongRow {
    int row = 0;
    int question = 0;
    QString caption;
};

struct QuizResult {
    int score = 0;
    std::vector<WrongRow> wrongRows;
};

// Adds up the marks of questions 1 to 10 and lists each question marked 0, in
// question order, as " 3. " followed by its text.
QuizResult scoreQuiz(const std::array<int, 11> &questionScore, const std::array<QString, 11> &question);

// How close a score came to the maximum.
enum class Band { FullMarks, Good, Low, AboveMaximum };
Band band(int score, int maxScore);

// The score sentence of a band: "Excellent work. You have scored 10 out of 10."
// and so on; empty above the maximum, where no wording applies.
QString scoreSentence(int score, int maxScore);

} // namespace quizmarks
