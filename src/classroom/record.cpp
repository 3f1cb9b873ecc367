#include "classroom/record.h"

#include "core/wholefile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

Q_LOGGING_CATEGORY(lcClassroom, "hellas.classroom")

namespace {

constexpr QByteArrayView kFormatLine = "lives-of-hellas result 1";
constexpr QByteArrayView kFormatName = "lives-of-hellas result ";
constexpr int kMaxScore = 1000000;
constexpr std::array<QStringView, 4> kActivityNames = {u"quiz", u"worksheet", u"jigsaw", u"matching"};

QByteArray escaped(const QString &value) {
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QByteArrayView value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        const char next = ++i < value.size() ? value[i] : 0;
        if (next == '\\')
            out += '\\';
        else if (next == 'n')
            out += '\n';
        else if (next == 'r')
            out += '\r';
        else
            return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(out);
    if (utf8.hasError()) return std::nullopt;
    return text;
}

std::optional<int> count(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > kMaxScore || text != QString::number(value)) return std::nullopt;
    return value;
}

std::optional<QDateTime> parsedTime(const QString &text) {
    static const QRegularExpression form(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    QDateTime when = QDateTime::fromString(text, Qt::ISODate);
    if (!when.isValid()) return std::nullopt;
    return when;
}

std::optional<QuizAnswers> parsedAnswers(const QString &letters, const QString &right) {
    if (letters.size() != QuizQuestions || right.size() != QuizQuestions) return std::nullopt;
    QuizAnswers answers;
    for (int q = 0; q < QuizQuestions; ++q) {
        const char letter = letters[q].toLatin1();
        const char mark = right[q].toLatin1();
        if (!QByteArrayView("ABCD-").contains(letter) || (mark != '0' && mark != '1')) return std::nullopt;
        answers.letters[q] = letter == '-' ? 0 : letter;
        answers.right[q] = mark == '1';
    }
    return answers;
}

std::optional<ResultRecord> refuse(QString *problem, const QString &why) {
    if (problem) *problem = why;
    return std::nullopt;
}

QString safeAccount(const QString &account) {
    QString safe;
    for (const QChar c : account.left(32)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u'-' || c == u'_' || (c == u'.' && !safe.isEmpty());
        safe += plain ? c : u'_';
    }
    return safe.isEmpty() ? QStringLiteral("unknown") : safe;
}

} // namespace

QString activityName(Activity activity) {
    return kActivityNames[size_t(activity)].toString();
}

std::optional<Activity> activityNamed(QStringView name) {
    for (size_t i = 0; i < kActivityNames.size(); ++i)
        if (kActivityNames[i] == name) return Activity(i);
    return std::nullopt;
}

QString recordTime(const QDateTime &when) {
    const int minutes = when.offsetFromUtc() / 60;
    const QDateTime shown = when.toOffsetFromUtc(minutes * 60);
    const int size = std::abs(minutes);
    return shown.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + (minutes < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2").arg(size / 60, 2, 10, QChar(u'0')).arg(size % 60, 2, 10, QChar(u'0'));
}

QByteArray recordBytes(const ResultRecord &record) {
    QByteArray out = kFormatLine.toByteArray() + "\r\n";
    const auto line = [&out](QByteArrayView key, const QString &value) {
        out += key.toByteArray() + '=' + escaped(value) + "\r\n";
    };
    line("date", recordTime(record.when));
    line("activity", activityName(record.activity));
    line("worksheet", record.worksheet);
    line("pupil", record.pupil);
    line("score", QString::number(record.score));
    line("out_of", QString::number(record.outOf));
    if (record.answers) {
        QString letters, right;
        for (int q = 0; q < QuizQuestions; ++q) {
            letters += record.answers->letters[q] ? QChar(record.answers->letters[q]) : u'-';
            right += record.answers->right[q] ? u'1' : u'0';
        }
        line("answers", letters);
        line("right", right);
    }
    return out;
}

std::optional<ResultRecord> readRecord(const QByteArray &bytes, QString *problem) {
    if (bytes.size() > MaxRecordBytes) return refuse(problem, QStringLiteral("too long for a record"));
    if (!bytes.endsWith('\n')) return refuse(problem, QStringLiteral("cut short"));
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    if (lines.first() != kFormatLine)
        return refuse(problem, lines.first().startsWith(kFormatName)
                                   ? QStringLiteral("written in a later version of the record format")
                                   : QStringLiteral("not a result record"));
    static const std::array<QByteArrayView, 8> keys = {"date",  "activity", "worksheet", "pupil",
                                                       "score", "out_of",   "answers",   "right"};
    std::array<std::optional<QString>, keys.size()> values;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf('=');
        if (equals < 0) return refuse(problem, QStringLiteral("line %1 is not key=value").arg(i + 1));
        const auto key = std::find(keys.begin(), keys.end(), lines[i].first(equals));
        if (key == keys.end()) continue; // a later version may add keys this one need not read
        auto &value = values[size_t(key - keys.begin())];
        if (value) return refuse(problem, QStringLiteral("line %1 repeats its key").arg(i + 1));
        value = unescaped(lines[i].sliced(equals + 1));
        if (!value) return refuse(problem, QStringLiteral("line %1 is not valid text").arg(i + 1));
    }
    for (size_t k = 0; k < 6; ++k)
        if (!values[k]) return refuse(problem, QStringLiteral("no %1").arg(QLatin1StringView(keys[k])));

    ResultRecord record;
    const auto when = parsedTime(*values[0]);
    const auto activity = activityNamed(*values[1]);
    const auto score = count(*values[4]);
    const auto outOf = count(*values[5]);
    if (!when) return refuse(problem, QStringLiteral("the date is not ISO 8601 with an offset"));
    if (!activity) return refuse(problem, QStringLiteral("unknown activity"));
    if (!score || !outOf || *score > *outOf) return refuse(problem, QStringLiteral("the score is not valid"));
    if (values[6].has_value() != values[7].has_value())
        return refuse(problem, QStringLiteral("answers without their marks"));
    if (values[6]) {
        record.answers = parsedAnswers(*values[6], *values[7]);
        if (!record.answers) return refuse(problem, QStringLiteral("the answers are not valid"));
    }
    record.when = *when;
    record.activity = *activity;
    record.worksheet = *values[2];
    record.pupil = *values[3];
    record.score = *score;
    record.outOf = *outOf;
    return record;
}

QString recordFileName(const QDateTime &when, const QString &account, quint64 random) {
    return when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")) + u'-' + safeAccount(account) +
           u'-' + QStringLiteral("%1").arg(random, 16, 16, QChar(u'0')) + QStringLiteral(".result");
}

QString fullNameFromComment(const QByteArray &comment, const QString &login) {
    const qsizetype comma = comment.indexOf(',');
    QString name = QString::fromUtf8(comma < 0 ? comment : comment.first(comma)).trimmed();
    if (!login.isEmpty()) name.replace(u'&', login.first(1).toUpper() + login.sliced(1));
    return name;
}

Account thisAccount() {
    Account account;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(size > 0 ? size : 16384));
    passwd entry;
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        account.login = QString::fromUtf8(found->pw_name);
        account.fullName = fullNameFromComment(found->pw_gecos ? found->pw_gecos : "", account.login);
    } else {
        account.login = qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USER"));
    }
    return account;
}

QString pupilName(const QString &typed, const Account &account) {
    if (!typed.trimmed().isEmpty()) return typed.trimmed();
    return account.fullName.isEmpty() ? account.login : account.fullName;
}

std::optional<QString> writeRecord(const QString &folder, const ResultRecord &record) {
    static const QString login = thisAccount().login;
    const QByteArray bytes = recordBytes(record);
    QString invalid;
    std::optional<QString> problem;
    // A record the export could not read back is not worth a file.
    if (!readRecord(bytes, &invalid))
        problem = QStringLiteral("the record is not valid: ") + invalid;
    else if (!QDir().mkpath(folder))
        problem = QStringLiteral("cannot make the results folder ") + folder;
    else
        problem = writeFileWhole(
            QDir(folder).filePath(recordFileName(record.when, login, QRandomGenerator::system()->generate64())),
            bytes, NewFileReaders::OwnerAndGroup);
    if (problem) qCWarning(lcClassroom) << "A result was not kept:" << *problem;
    return problem;
}
