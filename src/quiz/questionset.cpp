#include "quiz/questionset.h"

#include "core/paths.h"
#include "core/textfields.h"
#include "quiz/log.h"

#include <QFile>

bool LoadQuestionSet(FieldReader &file, SharedState &state) {
    const auto title = file.nextText();
    if (!title) return false;
    state.SetTitle = unescapeCommas(*title);
    if (!file.next()) return false;

    const std::array<std::array<QString, 11> *, 5> texts = {&state.Question, &state.AnswerA, &state.AnswerB,
                                                            &state.AnswerC, &state.AnswerD};
    for (int q = 1; q <= kQuestionsPerSet; ++q) {
        for (auto *entries : texts) {
            const auto field = file.nextText();
            if (!field) return false;
            (*entries)[q] = unescapeCommas(*field);
        }
        const auto correct = file.next();
        if (!correct) return false;
        state.CorrectAnswer[q] = *correct;
        if (!file.next()) return false;
    }
    return true;
}

QString loadQuestionSetFile(const QString &programPath, SharedState &state) {
    QFile file(contentPath(programPath));
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("cannot be opened: ") + file.errorString();
    } else {
        FieldReader reader = FieldReader::fromDevice(file);
        file.close();
        if (!LoadQuestionSet(reader, state)) problem = QStringLiteral("ends before its last question");
    }
    if (!problem.isEmpty()) qCWarning(lcQuiz).noquote() << "question set" << file.fileName() << problem;
    return problem;
}

namespace {

// A line break inside a text would split it into two fields and shift every
// later field of the file, so it is written as a blank.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void appendLine(QString &file, const QString &line) {
    file += line;
    file += QStringLiteral("\r\n");
}

void appendText(QString &file, const QString &text) {
    appendLine(file, textLine(escapeCommas(oneLine(text))));
}

// The correct answer is written as read, without the escape; one read from a
// quoted field may hold a comma, which must not start another field.
void appendCorrect(QString &file, const QString &correct) {
    QString field = oneLine(correct);
    if (field.contains(u',')) {
        if (field.contains(u'"'))
            field.replace(u',', u' ');
        else
            field = u'"' + field + u'"';
    }
    appendLine(file, field);
}

} // namespace

QByteArray questionSetBytes(const QString &title,
                            const std::array<QuestionSetEntry, kQuestionsPerSet> &questions) {
    QString file;
    appendText(file, title);
    appendLine(file, QStringLiteral(" "));
    for (const QuestionSetEntry &entry : questions) {
        appendText(file, entry.question);
        for (const QString &answer : entry.answers)
            appendText(file, answer);
        appendCorrect(file, entry.correct);
        appendLine(file, QStringLiteral(" "));
    }
    return encodeText(file);
}

QByteArray questionSetBytes(const SharedState &state) {
    std::array<QuestionSetEntry, kQuestionsPerSet> questions;
    for (int q = 1; q <= kQuestionsPerSet; ++q) {
        questions[q - 1] = {state.Question[q],
                            {state.AnswerA[q], state.AnswerB[q], state.AnswerC[q], state.AnswerD[q]},
                            state.CorrectAnswer[q]};
    }
    return questionSetBytes(state.SetTitle, questions);
}
