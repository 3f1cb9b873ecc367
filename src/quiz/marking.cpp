#include "quiz/marking.h"

#include <QCoreApplication>

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

QString answerLetter(int option) {
    static constexpr const char *kLetters[4] = {
        QT_TRANSLATE_NOOP("quizmarks", "A"), QT_TRANSLATE_NOOP("quizmarks", "B"),
        QT_TRANSLATE_NOOP("quizmarks", "C"), QT_TRANSLATE_NOOP("quizmarks", "D")};
    Q_ASSERT(option >= 1 && option <= 4);
    return QCoreApplication::translate("quizmarks", kLetters[option - 1]);
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
            //: A row of the wrong answers: the question's number after a blank, then its text.
            const QString caption =
                QCoreApplication::translate("quizmarks", " %1. %2").arg(QString::number(i), question[i]);
            result.wrongRows.push_back({row, i, caption});
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
    const char *sentence = nullptr;
    switch (band(score, maxScore)) {
    case Band::FullMarks:
        sentence = QT_TRANSLATE_NOOP("quizmarks", "Excellent work. You have scored %1 out of %2.");
        break;
    case Band::Good:
        sentence = QT_TRANSLATE_NOOP("quizmarks", "Good work. You have scored %1 out of %2.");
        break;
    case Band::Low:
        sentence = QT_TRANSLATE_NOOP("quizmarks", "You have scored %1 out of %2.");
        break;
    case Band::AboveMaximum:
        return {};
    }
    return QCoreApplication::translate("quizmarks", sentence).arg(score).arg(maxScore);
}

} // namespace quizmarks
