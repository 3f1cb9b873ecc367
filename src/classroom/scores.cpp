#include "classroom/scores.h"

ResultRecord quizRecord(const SharedState &state, const ChosenOptions &chosen, const QString &worksheetTitle,
                        const QDateTime &when) {
    ResultRecord record;
    record.when = when;
    record.activity = worksheetTitle.isEmpty() ? Activity::Quiz : Activity::Worksheet;
    record.worksheet = worksheetTitle.isEmpty() ? state.SetTitle : worksheetTitle;
    record.score = state.Score;
    record.outOf = state.MaxScore;
    QuizAnswers answers;
    for (int q = 1; q <= QuizQuestions; ++q) {
        const int option = chosen[q];
        answers.letters[q - 1] = option >= 1 && option <= 4 ? char('A' + option - 1) : 0;
        answers.right[q - 1] = state.QuestionScore[q] == 1;
    }
    record.answers = answers;
    return record;
}

ResultRecord scoreRecord(Activity activity, const QString &title, const SharedState &state,
                         const QDateTime &when) {
    ResultRecord record;
    record.when = when;
    record.activity = activity;
    record.worksheet = title;
    record.score = state.Score;
    record.outOf = state.MaxScore;
    return record;
}

bool resultsAskName(bool fullMarks, const Classroom &classroom) {
    return fullMarks || classroom.askPupilNames;
}

std::optional<QString> keepRecord(ResultRecord record, const QString &typedName, const Classroom &classroom) {
    static const Account account = thisAccount();
    record.pupil = pupilName(typedName, account);
    return writeRecord(classroom.resultsFolder, record);
}
