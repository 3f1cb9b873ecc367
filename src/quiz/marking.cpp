#include "quiz/marking.h"

namespace quizmarks {

std::optional<int> correctOption(const QString &correctAnswer) {
    const QString digits = correctAnswer.trimmed();
    if (digits.isEmpty()) return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    // A whole number, however many zeros lead it: "03" is answer C.
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == u'0') ++first;
    if (first != digits.size() - 1 || digits[first] < u'1' || digits[first] > u'4') return std::nullopt;
    return digits[first].unicode() - u'0';
}

int mark(const QString &correctAnswer, int selected) {
    const auto correct = correctOption(correctAnswer);
    return correct && *correct == selected ? 1 : 0;
}

QString number(int value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QuizResult scoreQuiz(const std::array<int, 11> &questionScore, const std::array<QString, 11> &question) {
    QuizResult result;
    for (int i = 1; i <= 10; ++i) {
        result.score += questionScore[i];
        if (questionScore[i] == 0) {
            const int row = static_cast<int>(result.wrongRows.size());
            result.wrongRows.push_back({row, i, number(i) + u". " + question[i]});
        }
    }
    return result;
}

Band band(int score, int maxScore) {
    if (score == maxScore) return Band::FullMarks;
    if (score == maxScore - 1 || score == maxScore - 2) return Band::Good;
    if (score < maxScore - 2) return Band::Low;
    return Band::AboveMaximum;
}

QString scoreSentence(int score, int maxScore) {
    QString opening;
    switch (band(score, maxScore)) {
    case Band::FullMarks:
        opening = QStringLiteral("Excellent work. You have scored");
        break;
    case Band::Good:
        opening = QStringLiteral("Good work. You have scored");
        break;
    case Band::Low:
        opening = QStringLiteral("You have scored");
        break;
    case Band::AboveMaximum:
        return {};
    }
    return opening + number(score) + u" out of" + number(maxScore) + u'.';
}

} // namespace quizmarks
