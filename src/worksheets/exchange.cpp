#include "worksheets/exchange.h"

#include "quiz/marking.h"
#include "quiz/questionset.h"
#include "core/textfields.h"
#include "worksheets/exchangeformats.h"
#include "worksheets/store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <memory>

using exchange::Kind;
using exchange::RawFile;
using exchange::RawQuestion;

namespace {

// Every sentence the teacher reads, together, so that they can be translated.
// A sentence whose English varies with its number has one form for one and a
// plural form (%n) that is never used for one.
namespace say {

QString tooLarge() {
    return QCoreApplication::translate("Exchange", "This file is too large to be a question file: a question "
                                                   "file the wizard can read is at most %1 MB.")
        .arg(kImportByteLimit / (1024 * 1024));
}
QString cannotOpen(const QString &why) {
    return QCoreApplication::translate("Exchange", "This file could not be read (%1).").arg(why);
}
QString empty() {
    return QCoreApplication::translate("Exchange", "This file is empty.");
}
QString notText() {
    return QCoreApplication::translate("Exchange",
                                       "This file is not a text file, so it cannot hold questions "
                                       "to import.");
}
QString notRecognised() {
    return QCoreApplication::translate(
        "Exchange", "This file is not a question file that the wizard can read: it must be a "
                    "GIFT, Aiken or Moodle XML file, or a worksheet of this program.");
}
QString xmlCutShort() {
    return QCoreApplication::translate("Exchange",
                                       "This Moodle XML file ends too soon: it seems to have been cut "
                                       "short, so nothing could be read from it.");
}
QString xmlDamaged(qint64 line) {
    return QCoreApplication::translate("Exchange", "This Moodle XML file is damaged near line %1, so nothing "
                                                   "could be read from it.")
        .arg(line);
}
QString notQuiz() {
    return QCoreApplication::translate("Exchange",
                                       "This XML file is not a Moodle XML quiz: it does not begin "
                                       "with <quiz>.");
}
QString noQuestions() {
    return QCoreApplication::translate("Exchange", "This file holds no questions.");
}
QString noneUsable() {
    return QCoreApplication::translate("Exchange", "This file has no question that the wizard can hold.");
}
QString noMore() {
    return QCoreApplication::translate("Exchange",
                                       "This file has no more questions that the wizard can hold.");
}

QString tookOne() {
    return QCoreApplication::translate("Exchange",
                                       "Only one question could be taken from this file: it fills "
                                       "Question 1, and the boxes after it are left empty.");
}
QString tookSome(int taken) {
    return QCoreApplication::translate("Exchange",
                                       "Only %n questions could be taken from this file: they fill "
                                       "Questions 1 to %n, and the boxes after them are left empty.",
                                       nullptr, taken);
}
QString passedOverOne() {
    return QCoreApplication::translate("Exchange", "This question was passed over:");
}
QString passedOverSome() {
    return QCoreApplication::translate("Exchange", "These questions were passed over:");
}
QString remainsOne() {
    return QCoreApplication::translate("Exchange", "One more question can be taken from this file: import it "
                                                   "again to take it.");
}
QString remainFew(int remaining) {
    return QCoreApplication::translate("Exchange",
                                       "%n more questions can be taken from this file: import it "
                                       "again to take them.",
                                       nullptr, remaining);
}
QString remainMany(int remaining) {
    return QCoreApplication::translate("Exchange",
                                       "%n more questions can be taken from this file: import it "
                                       "again to take the next ten.",
                                       nullptr, remaining);
}
QString questionLine(int number, const QString &reason) {
    return QCoreApplication::translate("Exchange", "Question %1: %2").arg(QString::number(number), reason);
}
QString questionLineWithWords(int number, const QString &words, const QString &reason) {
    return QCoreApplication::translate("Exchange", "Question %1, “%2”: %3")
        .arg(QString::number(number), words, reason);
}
QString askCutTitle(const QString &title, const QString &cut) {
    return QCoreApplication::translate("Exchange",
                                       "The file names its questions “%1”, which is longer than the "
                                       "%2 characters a worksheet title can have. Do you want the "
                                       "title cut to “%3”?")
        .arg(title, QString::number(MaxTitleLength), cut);
}

QString kindReason(const RawQuestion &question) {
    switch (question.kind) {
    case Kind::MultipleChoice:
        return {};
    case Kind::TrueFalse:
        return QCoreApplication::translate("Exchange", "a true/false question");
    case Kind::ShortAnswer:
        return QCoreApplication::translate("Exchange", "a short-answer question");
    case Kind::Matching:
        return QCoreApplication::translate("Exchange", "a matching question");
    case Kind::Numerical:
        return QCoreApplication::translate("Exchange", "a numerical question");
    case Kind::Essay:
        return QCoreApplication::translate("Exchange", "an essay question");
    case Kind::Description:
        return QCoreApplication::translate("Exchange", "a text without answers");
    case Kind::Cloze:
        return QCoreApplication::translate("Exchange", "a question with answers inside its text (cloze)");
    case Kind::Other:
        return QCoreApplication::translate("Exchange", "a question of the kind “%1”").arg(question.typeName);
    case Kind::Unclosed:
        return QCoreApplication::translate("Exchange", "its answers are not closed with “}”");
    case Kind::TwoAnswerLists:
        return QCoreApplication::translate("Exchange", "two lists of answers (is the blank line before the "
                                                       "next question missing?)");
    case Kind::NoAnswerLine:
        return QCoreApplication::translate("Exchange", "no “ANSWER:” line after its answers");
    case Kind::AnswerNamesNone:
        return QCoreApplication::translate("Exchange", "its “ANSWER:” line names none of its answers");
    }
    return {};
}

QString answersReason(size_t count) {
    if (count == 0) return QCoreApplication::translate("Exchange", "no answers");
    if (count == 1) return QCoreApplication::translate("Exchange", "only one answer");
    const int answers = static_cast<int>(count);
    return QCoreApplication::translate("Exchange", "%n answers", nullptr, answers);
}

QString rightReason(int right) {
    if (right == 0) return QCoreApplication::translate("Exchange", "no answer marked right");
    if (right == 2) return QCoreApplication::translate("Exchange", "two answers marked right");
    if (right == 3) return QCoreApplication::translate("Exchange", "three answers marked right");
    return QCoreApplication::translate("Exchange", "all four answers marked right");
}

QString noText() {
    return QCoreApplication::translate("Exchange", "no question text");
}
QString emptyAnswer(QChar letter) {
    return QCoreApplication::translate("Exchange", "answer %1 is empty").arg(letter);
}
QString questionTooLong() {
    return QCoreApplication::translate("Exchange", "longer than %1 characters").arg(kQuestionBoxLength);
}
QString answerTooLong(QChar letter) {
    return QCoreApplication::translate("Exchange", "answer %1 is longer than %2 characters")
        .arg(QString(letter), QString::number(kAnswerBoxLength));
}
QString ampersand() {
    return QCoreApplication::translate("Exchange", "an “&”, which a worksheet cannot keep");
}

} // namespace say

// Why the wizard cannot hold a question; empty when it can.
QString refusal(const RawQuestion &question) {
    if (question.kind != Kind::MultipleChoice) return say::kindReason(question);
    if (question.answers.size() != kAnswersPerQuestion) return say::answersReason(question.answers.size());
    if (question.text.isEmpty()) return say::noText();
    int right = 0;
    for (int a = 0; a < kAnswersPerQuestion; ++a) {
        if (question.answers[a].isEmpty()) return say::emptyAnswer(QChar(u'A' + a));
        right += question.right[a] ? 1 : 0;
    }
    if (right != 1) return say::rightReason(right);
    if (question.text.size() > kQuestionBoxLength) return say::questionTooLong();
    for (int a = 0; a < kAnswersPerQuestion; ++a) {
        if (question.answers[a].size() > kAnswerBoxLength) return say::answerTooLong(QChar(u'A' + a));
    }
    // A worksheet file reads every "&" back as a comma.
    bool ampersand = question.text.contains(u'&');
    for (const QString &answer : question.answers)
        ampersand = ampersand || answer.contains(u'&');
    if (ampersand) return say::ampersand();
    return {};
}

// At most three words and thirty characters, "…" where the text goes on.
QString firstWords(const QString &questionText) {
    const QString text = questionText.simplified();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QString first = words.mid(0, 3).join(u' ');
    if (first.size() > 30) {
        first.truncate(first[29].isHighSurrogate() ? 29 : 30);
        first = first.trimmed();
    }
    return first.size() < text.size() ? first + u'…' : first;
}

// A text file holds no NUL byte and few control characters (a teacher may
// paste one into a box).
bool looksBinary(const QByteArray &bytes) {
    qsizetype controls = 0;
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b == 0) return true;
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != '\v') ++controls;
    }
    return controls > bytes.size() / 10;
}

// The 72 lines of a question set: a title, a blank line, and per question
// five texts, the number of the right answer and a blank line.
bool looksLikeWorksheet(const QString &text) {
    FieldReader fields(text);
    for (int f = 0; f < kQuestionSetFields; ++f) {
        const auto field = fields.next();
        if (!field) return false;
        const bool blankLine = f == 1 || (f >= 8 && (f - 8) % 7 == 0);
        const bool rightAnswer = f >= 7 && (f - 7) % 7 == 0;
        if (blankLine && !field->isEmpty()) return false;
        if (rightAnswer && field->isEmpty()) return false;
    }
    return true;
}

RawFile readWorksheet(const QString &text, QString *title) {
    auto state = std::make_unique<SharedState>();
    FieldReader fields(text);
    LoadQuestionSet(fields, *state);
    *title = state->SetTitle;
    RawFile file;
    for (int q = 1; q <= kQuestionsPerSet; ++q) {
        RawQuestion question;
        question.text = state->Question[q];
        question.answers = {state->AnswerA[q], state->AnswerB[q], state->AnswerC[q], state->AnswerD[q]};
        question.right.assign(kAnswersPerQuestion, false);
        if (const auto correct = quizmarks::correctOption(state->CorrectAnswer[q]))
            question.right[*correct - 1] = true;
        file.questions.push_back(std::move(question));
    }
    return file;
}

struct Reading {
    std::optional<ExchangeFormat> format;
    QString problem;
    RawFile file;
    QString setTitle;
};

// The file read as the format, or as the one its content shows when none is given.
Reading readFile(const QByteArray &bytes, std::optional<ExchangeFormat> format) {
    Reading reading;
    if (bytes.size() > kImportByteLimit) {
        reading.problem = say::tooLarge();
        return reading;
    }
    if (looksBinary(bytes)) {
        reading.problem = say::notText();
        return reading;
    }
    const QString decoded = decodeText(bytes);
    if (exchange::trimBlanks(decoded).isEmpty()) {
        reading.problem = say::empty();
        return reading;
    }
    if (!format) {
        const QStringView start = exchange::trimBlanks(decoded);
        RawFile xml;
        if (start.startsWith(u'<')) {
            xml = exchange::readMoodleXml(bytes);
            if (xml.problem == RawFile::Problem::None) {
                reading.format = ExchangeFormat::MoodleXml;
                reading.file = std::move(xml);
                return reading;
            }
        } else if (looksLikeWorksheet(decoded)) {
            format = ExchangeFormat::Worksheet;
        }
        if (!format) {
            RawFile gift = exchange::readGift(decoded);
            RawFile aiken = exchange::readAiken(decoded);
            // A file that begins as XML does is read as XML, to say what is
            // wrong with it, unless it is an Aiken file whose first question
            // begins so; any other markup may begin a GIFT or Aiken question.
            const bool declared =
                start.startsWith(u"<?xml") || start.startsWith(u"<quiz") || start.startsWith(u"<!");
            if (start.startsWith(u'<') && (aiken.evidence == 0 && (declared || gift.evidence == 0))) {
                format = ExchangeFormat::MoodleXml;
                reading.file = std::move(xml);
            } else if (gift.evidence == 0 && aiken.evidence == 0) {
                reading.problem = say::notRecognised();
                return reading;
            } else {
                // An "ANSWER:" line after answers is hardly ever GIFT, while
                // an Aiken text may well hold braces.
                const bool isAiken = aiken.evidence >= gift.evidence;
                reading.format = isAiken ? ExchangeFormat::Aiken : ExchangeFormat::Gift;
                reading.file = std::move(isAiken ? aiken : gift);
                return reading;
            }
        }
    }
    reading.format = format;
    switch (*format) {
    case ExchangeFormat::Gift:
        reading.file = exchange::readGift(decoded);
        break;
    case ExchangeFormat::Aiken:
        reading.file = exchange::readAiken(decoded);
        break;
    case ExchangeFormat::MoodleXml:
        if (reading.file.problem == RawFile::Problem::None) reading.file = exchange::readMoodleXml(bytes);
        break;
    case ExchangeFormat::Worksheet:
        reading.file = readWorksheet(decoded, &reading.setTitle);
        break;
    }
    switch (reading.file.problem) {
    case RawFile::Problem::None:
        break;
    case RawFile::Problem::CutShort:
        reading.problem = say::xmlCutShort();
        break;
    case RawFile::Problem::Damaged:
        reading.problem = say::xmlDamaged(reading.file.problemLine);
        break;
    case RawFile::Problem::NotQuiz:
        reading.problem = say::notQuiz();
        break;
    }
    return reading;
}

ImportResult choose(Reading reading, const QString &fileBaseName, int skipUsable) {
    ImportResult result;
    result.format = reading.format;
    result.problem = reading.problem;
    if (!result.problem.isEmpty()) return result;
    const std::vector<RawQuestion> &questions = reading.file.questions;
    if (questions.empty()) {
        result.problem = say::noQuestions();
        return result;
    }
    std::vector<QString> refusals;
    refusals.reserve(questions.size());
    for (const RawQuestion &question : questions)
        refusals.push_back(refusal(question));

    size_t i = 0;
    for (int skipped = 0; i < questions.size() && skipped < skipUsable; ++i) {
        if (refusals[i].isEmpty()) ++skipped;
    }
    QString category;
    for (; i < questions.size() && result.taken < kQuestionsPerSet; ++i) {
        const RawQuestion &question = questions[i];
        if (!refusals[i].isEmpty()) {
            result.passedOver.push_back({int(i) + 1, firstWords(question.text), refusals[i]});
            continue;
        }
        const int q = result.taken++;
        if (q == 0) category = question.category;
        result.draft.questions[q] = question.text;
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            result.draft.answers[kAnswersPerQuestion * q + a] = question.answers[a];
            result.draft.ticks[kAnswersPerQuestion * q + a] = question.right[a];
        }
    }
    for (; i < questions.size(); ++i)
        result.remaining += refusals[i].isEmpty() ? 1 : 0;
    result.nextSkip = result.remaining > 0 ? skipUsable + result.taken : 0;
    if (result.taken == 0) {
        result.problem = skipUsable > 0 ? say::noMore() : say::noneUsable();
        return result;
    }
    result.draft.title = exchange::categoryName(category);
    if (result.draft.title.isEmpty()) result.draft.title = reading.setTitle;
    if (result.draft.title.isEmpty()) result.draft.title = fileBaseName;
    return result;
}

} // namespace

QString formatName(ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gift:
        return QStringLiteral("GIFT");
    case ExchangeFormat::Aiken:
        return QStringLiteral("Aiken");
    case ExchangeFormat::MoodleXml:
        return QStringLiteral("Moodle XML");
    case ExchangeFormat::Worksheet:
        return QCoreApplication::translate("Exchange", "worksheet");
    }
    return {};
}

std::optional<ExchangeFormat> formatFromName(const QString &name) {
    const QString lower = name.toLower();
    if (lower == u"gift") return ExchangeFormat::Gift;
    if (lower == u"aiken") return ExchangeFormat::Aiken;
    if (lower == u"xml" || lower == u"moodlexml") return ExchangeFormat::MoodleXml;
    if (lower == u"worksheet") return ExchangeFormat::Worksheet;
    return std::nullopt;
}

QString fileSuffix(ExchangeFormat format) {
    return format == ExchangeFormat::MoodleXml ? QStringLiteral("xml") : QStringLiteral("txt");
}

std::optional<ExchangeFormat> recogniseFormat(const QByteArray &bytes) {
    const Reading reading = readFile(bytes, std::nullopt);
    if (!reading.format) return std::nullopt;
    return reading.format;
}

QString PassedOver::line() const {
    return firstWords.isEmpty() ? say::questionLine(number, reason)
                                : say::questionLineWithWords(number, firstWords, reason);
}

QString ImportResult::message() const {
    QStringList parts;
    if (!problem.isEmpty())
        parts.append(problem);
    else if (taken < kQuestionsPerSet)
        parts.append(taken == 1 ? say::tookOne() : say::tookSome(taken));
    if (!passedOver.empty()) {
        QString list = passedOver.size() == 1 ? say::passedOverOne() : say::passedOverSome();
        for (const PassedOver &question : passedOver)
            list += u'\n' + question.line();
        parts.append(list);
    }
    if (remaining == 1)
        parts.append(say::remainsOne());
    else if (remaining > kQuestionsPerSet)
        parts.append(say::remainMany(remaining));
    else if (remaining > 1)
        parts.append(say::remainFew(remaining));
    return parts.join(u"\n\n");
}

ImportResult importQuestions(const QByteArray &bytes, const QString &fileBaseName, int skipUsable) {
    return choose(readFile(bytes, std::nullopt), fileBaseName, skipUsable);
}

ImportResult importQuestionsAs(ExchangeFormat format, const QByteArray &bytes, const QString &fileBaseName,
                               int skipUsable) {
    return choose(readFile(bytes, format), fileBaseName, skipUsable);
}

ImportResult importFile(const QString &path, int skipUsable) {
    QFile file(path);
    ImportResult result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = say::cannotOpen(file.errorString());
        return result;
    }
    // Never more than one byte past the limit is read, whatever the file claims to be.
    if (file.size() > kImportByteLimit) {
        result.problem = say::tooLarge();
        return result;
    }
    const QByteArray bytes = file.read(kImportByteLimit + 1);
    return importQuestions(bytes, QFileInfo(path).completeBaseName(), skipUsable);
}

QString cutTitle(const QString &title) {
    QString cut = title.left(MaxTitleLength);
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    while (cut.endsWith(u' '))
        cut.chop(1);
    return cut;
}

QString cutTitleQuestion(const QString &title) {
    return say::askCutTitle(title, cutTitle(title));
}

QByteArray exportWorksheet(const WorksheetDraft &draft, ExchangeFormat format) {
    if (!checkDraft(draft).isEmpty()) return {};
    switch (format) {
    case ExchangeFormat::Gift:
        return exchange::writeGift(draft);
    case ExchangeFormat::Aiken:
        return exchange::writeAiken(draft);
    case ExchangeFormat::MoodleXml:
        return exchange::writeMoodleXml(draft);
    case ExchangeFormat::Worksheet:
        return worksheetBytes(draft);
    }
    return {};
}
