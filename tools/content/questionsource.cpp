#include "questionsource.h"

#include "core/textfields.h"

#include <QStringList>

namespace {

QString atLine(int line, const QString &problem) {
    return QStringLiteral("line %1: %2").arg(line).arg(problem);
}

// The file keeps one field per line, so a text must not hold what would end
// or change a field when read back.
std::optional<QString> unsafeText(const QString &text) {
    if (text.contains(u'&')) return QStringLiteral("\"&\" would be read back as a comma");
    if (text.contains(u'\r') || text.contains(u'\n')) return QStringLiteral("a text must stay on one line");
    if (text.startsWith(u'"')) return QStringLiteral("a text must not start with a double quote");
    if (text.trimmed().isEmpty()) return QStringLiteral("a text must not be empty");
    return std::nullopt;
}

} // namespace

// The quiz screen is laid out for texts as long as the wizard's boxes take:
// a longer question or answer would not fit its label or option button.
constexpr qsizetype kTitleLimit = 25;
constexpr qsizetype kQuestionLimit = 60;
constexpr qsizetype kAnswerLimit = 30;

std::variant<SourceQuestionSet, QString> parseQuestionSource(const QString &source) {
    SourceQuestionSet set;
    bool haveTitle = false;
    int questionCount = 0;
    int answerCount = 0;

    const QStringList lines = source.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) continue;

        QString text;
        const QChar mark = trimmed[0];
        if (trimmed.startsWith(QStringLiteral("title "))) {
            if (haveTitle) return atLine(lineNumber, QStringLiteral("a second title"));
            text = trimmed.mid(6).trimmed();
        } else if (mark == u'?' || mark == u'*' || mark == u'-') {
            text = trimmed.mid(1).trimmed();
        } else {
            return atLine(lineNumber,
                          QStringLiteral("a line must start with \"title\", \"?\", \"*\", \"-\" or \"#\""));
        }
        if (const auto problem = unsafeText(text)) return atLine(lineNumber, *problem);
        const qsizetype limit = mark == u'?'                     ? kQuestionLimit
                                : (mark == u'*' || mark == u'-') ? kAnswerLimit
                                                                 : kTitleLimit;
        if (text.size() > limit)
            return atLine(lineNumber,
                          QStringLiteral("longer than %1 characters, the room the quiz has").arg(limit));

        if (!haveTitle) {
            if (!trimmed.startsWith(QStringLiteral("title ")))
                return atLine(lineNumber, QStringLiteral("the title comes first"));
            set.title = text;
            haveTitle = true;
            continue;
        }
        if (mark == u'?') {
            if (questionCount > 0 && answerCount != 4)
                return atLine(lineNumber,
                              QStringLiteral("the question before has %1 answers, not 4").arg(answerCount));
            if (questionCount == 10) return atLine(lineNumber, QStringLiteral("more than ten questions"));
            set.questions[questionCount++].text = text;
            answerCount = 0;
            continue;
        }
        if (questionCount == 0)
            return atLine(lineNumber, QStringLiteral("an answer before the first question"));
        if (answerCount == 4) return atLine(lineNumber, QStringLiteral("a fifth answer"));
        SourceQuestion &question = set.questions[questionCount - 1];
        question.answers[answerCount++] = text;
        if (mark == u'*') {
            if (question.correct != 0) return atLine(lineNumber, QStringLiteral("a second right answer"));
            question.correct = answerCount;
        }
    }

    if (!haveTitle) return QStringLiteral("no title");
    if (questionCount != 10) return QStringLiteral("%1 questions, not 10").arg(questionCount);
    if (answerCount != 4) return QStringLiteral("the last question has %1 answers, not 4").arg(answerCount);
    for (int q = 0; q < 10; ++q)
        if (set.questions[q].correct == 0)
            return QStringLiteral("question %1 has no right answer").arg(q + 1);
    return set;
}

QByteArray questionSetFile(const SourceQuestionSet &set) {
    QString text;
    const auto line = [&text](const QString &field) { text += field + QStringLiteral("\r\n"); };
    line(escapeCommas(set.title));
    line(QStringLiteral(" "));
    for (const SourceQuestion &question : set.questions) {
        line(escapeCommas(question.text));
        for (const QString &answer : question.answers)
            line(escapeCommas(answer));
        line(QString::number(question.correct));
        line(QStringLiteral(" "));
    }
    return encodeText(text);
}
