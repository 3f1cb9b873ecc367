// Moodle's GIFT format. A question is a block of lines between blank lines:
// an optional "::name::", the text (with an optional [html], [moodle],
// [plain] or [markdown] mark of its format) and its answers in braces, "="
// before a right one and "~" before a wrong one, each optionally followed by
// "#feedback"; "####" begins the general feedback, "~%50%" weighs an answer.
// "$CATEGORY: path" sets the category of the questions after it; lines that
// begin with "//" are comments. A backslash keeps ~ = # { } : as typed,
// "\n" is a line break and "\\" a backslash.

#include "worksheets/exchangeformats.h"

#include <QStringList>

namespace exchange {

namespace {

enum class Format { Moodle, Html, Plain, Markdown };

// A block with its escapes resolved; `escaped` marks the characters that an
// escape wrote, which never have their special meaning.
struct Marked {
    QString text;
    std::vector<char> escaped;

    bool is(qsizetype i, char16_t c) const {
        return i >= 0 && i < text.size() && text[i] == c && !escaped[i];
    }
    qsizetype find(char16_t c, qsizetype from = 0) const {
        for (qsizetype i = from; i < text.size(); ++i) {
            if (is(i, c)) return i;
        }
        return -1;
    }
    Marked mid(qsizetype from, qsizetype length = -1) const {
        if (length < 0) length = text.size() - from;
        return {text.mid(from, length),
                std::vector<char>(escaped.begin() + from, escaped.begin() + from + length)};
    }
    Marked trimmed() const {
        const QStringView kept = trimBlanks(text);
        return mid(kept.isEmpty() ? 0 : kept.data() - text.data(), kept.size());
    }
    void append(const Marked &other) {
        text += other.text;
        escaped.insert(escaped.end(), other.escaped.begin(), other.escaped.end());
    }
};

Marked resolveEscapes(QStringView raw) {
    Marked marked;
    marked.text.reserve(raw.size());
    marked.escaped.reserve(raw.size());
    const auto add = [&marked](QChar c, bool escaped) {
        marked.text += c;
        marked.escaped.push_back(escaped);
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const QChar next = i + 1 < raw.size() ? raw[i + 1] : QChar();
        if (c != u'\\' || next.isNull()) {
            add(c, false);
        } else if (next == u'\\' || QStringView(u"~=#{}:").contains(next)) {
            add(next, true);
            ++i;
        } else if (next == u'n') {
            add(u'\n', true);
            ++i;
        } else {
            add(c, false);
        }
    }
    return marked;
}

// A [format] mark at the start of a text, taken off.
Format takeFormat(Marked &part, Format otherwise) {
    if (!part.is(0, u'[')) return otherwise;
    const qsizetype close = part.text.indexOf(u']');
    if (close < 0) return otherwise;
    const QStringView name = QStringView(part.text).mid(1, close - 1);
    Format format;
    if (name == u"html")
        format = Format::Html;
    else if (name == u"moodle")
        format = Format::Moodle;
    else if (name == u"plain")
        format = Format::Plain;
    else if (name == u"markdown")
        format = Format::Markdown;
    else
        return otherwise;
    part = part.mid(close + 1);
    return format;
}

QString boxText(const Marked &part, Format format) {
    return format == Format::Html ? htmlToText(part.text) : plainText(part.text);
}

// "%50%" or "%-33.3333%" at the start of an answer: taken off, the weight in percent returned.
std::optional<double> takeWeight(Marked &answer) {
    if (!answer.is(0, u'%')) return std::nullopt;
    qsizetype i = 1;
    while (answer.is(i, u'-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < answer.text.size() && answer.text[i].isDigit() && i - digitsFrom < 3)
        ++i;
    if (i == digitsFrom) return std::nullopt;
    if (answer.is(i, u'.')) ++i;
    while (i < answer.text.size() && answer.text[i].isDigit())
        ++i;
    if (!answer.is(i, u'%')) return std::nullopt;
    const double weight = QStringView(answer.text).mid(1, i - 1).toDouble();
    answer = answer.mid(i + 1);
    return weight;
}

// The position of the last "####" whose signs are not escaped.
qsizetype generalFeedbackAt(const Marked &answers) {
    for (qsizetype i = answers.text.size() - 4; i >= 0; --i) {
        if (answers.is(i, u'#') && answers.is(i + 1, u'#') && answers.is(i + 2, u'#') &&
            answers.is(i + 3, u'#'))
            return i;
    }
    return -1;
}

void readChoices(const Marked &answerPart, Format questionFormat, RawQuestion &question) {
    // Each "=" or "~" begins an answer; a text before the first one is an answer too.
    std::vector<Marked> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < answerPart.text.size(); ++i) {
        if (!answerPart.is(i, u'~') && !answerPart.is(i, u'=')) continue;
        pieces.push_back(answerPart.mid(start, i - start));
        // The "=" stays with its answer; the "~" goes.
        start = answerPart.is(i, u'=') ? i : i + 1;
    }
    pieces.push_back(answerPart.mid(start));
    if (pieces.front().trimmed().text.isEmpty()) pieces.erase(pieces.begin());
    for (const Marked &piece : pieces) {
        Marked answer = piece.trimmed();
        bool right = false;
        if (answer.is(0, u'=')) {
            right = true;
            answer = answer.mid(1);
            takeWeight(answer);
        } else if (const auto weight = takeWeight(answer)) {
            right = *weight == 100;
        }
        const qsizetype feedback = answer.find(u'#');
        if (feedback >= 0) answer = answer.mid(0, feedback);
        const Format format = takeFormat(answer, questionFormat);
        question.answers.push_back(boxText(answer, format));
        question.right.push_back(right);
    }
}

RawQuestion readQuestion(Marked block) {
    RawQuestion question;
    if (block.is(0, u':') && block.is(1, u':')) {
        for (qsizetype i = 2; i + 1 < block.text.size(); ++i) {
            if (block.is(i, u':') && block.is(i + 1, u':')) {
                block = block.mid(i + 2).trimmed();
                break;
            }
        }
    }
    const qsizetype open = block.find(u'{');
    const qsizetype close = open < 0 ? -1 : block.find(u'}', open + 1);
    Marked textPart = block;
    if (open < 0) {
        question.kind = Kind::Description;
    } else if (close < 0) {
        question.kind = Kind::Unclosed;
        textPart = block.mid(0, open);
    } else {
        textPart = block.mid(0, open);
        // Answers inside the sentence stand for its missing word.
        if (close + 1 < block.text.size()) {
            textPart.append(resolveEscapes(u"_____"));
            textPart.append(block.mid(close + 1));
        }
        if (block.find(u'{', close + 1) >= 0) question.kind = Kind::TwoAnswerLists;
    }
    const Format format = takeFormat(textPart, Format::Moodle);
    question.text = boxText(textPart, format);
    if (open < 0 || close < 0 || question.kind != Kind::MultipleChoice) return question;

    Marked answers = block.mid(open + 1, close - open - 1).trimmed();
    if (const qsizetype general = generalFeedbackAt(answers); general >= 0)
        answers = answers.mid(0, general).trimmed();
    const QString &plain = answers.text;
    if (plain.isEmpty()) {
        question.kind = Kind::Essay;
    } else if (answers.is(0, u'#')) {
        question.kind = Kind::Numerical;
    } else if (answers.find(u'~') >= 0) {
        readChoices(answers, format, question);
    } else if (answers.find(u'=') >= 0 && plain.contains(u"->")) {
        question.kind = Kind::Matching;
    } else {
        const qsizetype feedback = answers.find(u'#');
        const QStringView truth =
            trimBlanks(QStringView(plain).mid(0, feedback < 0 ? plain.size() : feedback));
        const bool trueFalse = truth == u"T" || truth == u"TRUE" || truth == u"F" || truth == u"FALSE";
        question.kind = trueFalse ? Kind::TrueFalse : Kind::ShortAnswer;
    }
    return question;
}

QString escaped(QStringView text) {
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == u'\\' || QStringView(u"~=#{}:").contains(c)) out += u'\\';
        out += c;
    }
    return out;
}

} // namespace

RawFile readGift(QStringView text) {
    RawFile file;
    QString category;
    QStringList block;
    const auto endBlock = [&] {
        const Marked marked = resolveEscapes(block.join(u'\n')).trimmed();
        block.clear();
        if (marked.text.isEmpty()) return;
        if (marked.text.startsWith(u"$CATEGORY:") && !marked.escaped[9]) {
            category = trimBlanks(QStringView(marked.text).mid(10)).toString();
            ++file.evidence;
            return;
        }
        RawQuestion question = readQuestion(marked);
        question.category = category;
        if (question.kind != Kind::Description) ++file.evidence;
        file.questions.push_back(std::move(question));
    };
    for (QStringView line : splitLines(text)) {
        const QStringView trimmed = trimBlanks(line);
        if (trimmed.isEmpty())
            endBlock();
        else if (!trimmed.startsWith(u"//"))
            block.append(trimmed.toString());
    }
    endBlock();
    return file;
}

QByteArray writeGift(const WorksheetDraft &draft) {
    QString out = u"$CATEGORY: "_qs + categoryPath(draft.title) + u"\n\n";
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        // A text that plain GIFT would not keep exactly (blanks that Moodle
        // trims, "<" that it may take for a tag) is written as HTML.
        bool html = !keptAsPlain(draft.questions[q]);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            html = html || !keptAsPlain(draft.answers[kAnswersPerQuestion * q + a]);
        const auto written = [html](const QString &text) { return escaped(html ? textAsHtml(text) : text); };
        // A text that begins like a format mark or a weight is given its format mark.
        const QString mark = html ? u"[html]"_qs : u"[moodle]"_qs;
        const QString &question = draft.questions[q];
        out += u"::Q" + QString::number(q + 1) + u":: ";
        if (html || question.startsWith(u'[')) out += mark;
        out += written(question) + u" {\n";
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            out += draft.ticks[i] ? u'=' : u'~';
            if (draft.answers[i].startsWith(u'[') || draft.answers[i].startsWith(u'%')) out += mark;
            out += written(draft.answers[i]) + u'\n';
        }
        out += u"}\n\n";
    }
    out.chop(1);
    return out.toUtf8();
}

} // namespace exchange
