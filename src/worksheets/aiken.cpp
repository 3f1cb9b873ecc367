// The Aiken format: a question on one line, then its answers one a line,
// each a capital letter, ")" or "." and a blank before its text, then
// "ANSWER: B" naming the right one. Every text is kept exactly as it stands
// on its line (the format has no escapes, and nothing else would keep a
// blank at either end); only the one blank after the letter is the format's.

#include "worksheets/exchangeformats.h"

#include <algorithm>

namespace exchange {

namespace {

struct Choice {
    QChar letter;
    QStringView text;
};

bool isBlankLine(QStringView line) {
    return trimBlanks(line).isEmpty();
}

QStringView skipIndent(QStringView line) {
    qsizetype i = 0;
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t'))
        ++i;
    return line.mid(i);
}

// "A) text" or "B. text": the letter and the text after the one blank.
std::optional<Choice> choiceLine(QStringView line) {
    const QStringView rest = skipIndent(line);
    if (rest.size() < 2 || rest[0] < u'A' || rest[0] > u'Z' || (rest[1] != u')' && rest[1] != u'.'))
        return std::nullopt;
    if (rest.size() == 2) return Choice{rest[0], QStringView()};
    if (rest[2] != u' ' && rest[2] != u'\t') return std::nullopt;
    return Choice{rest[0], rest.mid(3)};
}

// "ANSWER: B" (or "ANSWER: B, D"): the letters it names, perhaps none. A
// line that begins "Answer:" in other letter case is one only when a letter
// of its own follows, so that a question may begin so.
std::optional<std::vector<QChar>> answerLine(QStringView line) {
    const QStringView rest = skipIndent(line);
    if (!rest.startsWith(u"ANSWER:", Qt::CaseInsensitive)) return std::nullopt;
    const auto blankAt = [rest](qsizetype i) {
        return i < rest.size() && (rest[i] == u' ' || rest[i] == u'\t');
    };
    std::vector<QChar> letters;
    qsizetype i = 7;
    for (;;) {
        while (blankAt(i))
            ++i;
        if (i >= rest.size() || !rest[i].isLetter() || rest[i].unicode() > 0x7F) break;
        const qsizetype after = i + 1;
        if (after < rest.size() && !blankAt(after) && !QStringView(u",.)").contains(rest[after])) break;
        letters.push_back(rest[i].toUpper());
        i = after;
        while (blankAt(i))
            ++i;
        if (i >= rest.size() || rest[i] != u',') break;
        ++i;
    }
    if (letters.empty() && !rest.startsWith(u"ANSWER:")) return std::nullopt;
    return letters;
}

class Reader {
  public:
    explicit Reader(QStringView text) : lines_(splitLines(text)) {}

    RawFile read() {
        for (line_ = 0; line_ < lines_.size(); ++line_) {
            const QStringView line = lines_[line_];
            switch (state_) {
            case State::Idle:
                // A line of blanks is a question's text only when answers follow it.
                if (line.isEmpty() || (isBlankLine(line) && !nextIsChoice())) continue;
                start(line);
                break;
            case State::Text:
                if (const auto choice = choiceLine(line)) {
                    addChoice(*choice);
                } else if (const auto letters = answerLine(line)) {
                    finish(*letters);
                } else if (isBlankLine(line)) {
                    if (!nextIsChoice()) finish({}, Kind::MultipleChoice);
                } else {
                    question_.text += u' ' + line.toString();
                }
                break;
            case State::Choices:
                if (const auto choice = choiceLine(line)) {
                    addChoice(*choice);
                } else if (const auto letters = answerLine(line)) {
                    finish(*letters);
                } else if (isBlankLine(line)) {
                    if (!nextIsChoice() && !nextIsAnswer()) finish({}, Kind::NoAnswerLine);
                } else {
                    finish({}, Kind::NoAnswerLine);
                    start(line);
                }
                break;
            }
        }
        if (state_ == State::Text) finish({}, Kind::MultipleChoice);
        if (state_ == State::Choices) finish({}, Kind::NoAnswerLine);
        return std::move(file_);
    }

  private:
    enum class State { Idle, Text, Choices };

    // The next line that is not blank.
    QStringView nextLine() const {
        for (size_t i = line_ + 1; i < lines_.size(); ++i) {
            if (!isBlankLine(lines_[i])) return lines_[i];
        }
        return {};
    }
    bool nextIsChoice() const {
        const QStringView next = line_ + 1 < lines_.size() ? lines_[line_ + 1] : QStringView();
        return choiceLine(isBlankLine(next) ? nextLine() : next).has_value();
    }
    bool nextIsAnswer() const { return answerLine(nextLine()).has_value(); }

    void start(QStringView line) {
        question_ = RawQuestion{};
        question_.text = line.toString();
        letters_.clear();
        state_ = State::Text;
    }
    void addChoice(const Choice &choice) {
        question_.answers.push_back(choice.text.toString());
        question_.right.push_back(false);
        letters_.push_back(choice.letter);
        state_ = State::Choices;
    }
    void finish(const std::vector<QChar> &named, std::optional<Kind> without = std::nullopt) {
        if (without) {
            question_.kind = *without;
        } else {
            ++file_.evidence;
            for (QChar letter : named) {
                const auto at = std::find(letters_.begin(), letters_.end(), letter);
                if (at == letters_.end()) {
                    question_.kind = Kind::AnswerNamesNone;
                    break;
                }
                question_.right[at - letters_.begin()] = true;
            }
            if (named.empty()) question_.kind = Kind::AnswerNamesNone;
            // Without answers, that is what the teacher is told.
            if (question_.answers.empty()) question_.kind = Kind::MultipleChoice;
        }
        file_.questions.push_back(std::move(question_));
        question_ = RawQuestion{};
        state_ = State::Idle;
    }

    std::vector<QStringView> lines_;
    size_t line_ = 0;
    State state_ = State::Idle;
    RawQuestion question_;
    std::vector<QChar> letters_;
    RawFile file_;
};

} // namespace

RawFile readAiken(QStringView text) {
    return Reader(text).read();
}

QByteArray writeAiken(const WorksheetDraft &draft) {
    // A file begins with its first question; a byte order mark there would be
    // read as the file's own, so such a question gets one of the file's before it.
    QString out = draft.questions[0].startsWith(QChar(0xFEFF)) ? QString(QChar(0xFEFF)) : QString();
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        if (q > 0) out += u'\n';
        out += draft.questions[q] + u'\n';
        QChar right;
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            const QChar letter(u'A' + a);
            out += letter + u") "_qs + draft.answers[i] + u'\n';
            if (draft.ticks[i]) right = letter;
        }
        out += u"ANSWER: "_qs + right + u'\n';
    }
    return out.toUtf8();
}

} // namespace exchange
