#pragma once
// The record a scored activity leaves, built from what the screens hold when
// the score is given; the screens only hand it on.

#include "classroom/mode.h"
#include "classroom/record.h"
#include "core/module1.h"

#include <array>

// The option chosen for each question of a quiz as the quiz screen numbers
// them: entries 1 to 10, 1 to 4 the answers A to D, anything else none.
using ChosenOptions = std::array<int, QuizQuestions + 1>;

// A quiz just scored: the score and maximum of the shared state, each
// question's letter and mark. A worksheet taken from the catalogue is kept
// under its catalogue title, the topic's quiz under its set's title.
ResultRecord quizRecord(const SharedState &state, const ChosenOptions &chosen, const QString &worksheetTitle,
                        const QDateTime &when);

// The jigsaw's or the matching's score, as the shared state holds it.
ResultRecord scoreRecord(Activity activity, const QString &title, const SharedState &state,
                         const QDateTime &when);

// The results screen asks the name for a certificate at full marks, and for
// every score where one account serves a whole class.
bool resultsAskName(bool fullMarks, const Classroom &classroom);

// Writes the record under the name typed, else the account's, into the
// classroom's results folder. A failure is logged and its reason returned;
// nothing is shown, so the pupil's activity goes on.
std::optional<QString> keepRecord(ResultRecord record, const QString &typedName, const Classroom &classroom);
