#pragma once
// The record a scored activity leaves: one small text file of its own in the
// results folder, so pupils on many machines never wait for one another and a
// folder pupils may write but not read serves as a drop box.

#include <QByteArray>
#include <QDateTime>
#include <QLoggingCategory>
#include <QString>
#include <array>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcClassroom)

enum class Activity { Quiz, Worksheet, Jigsaw, Matching };

// The names records and the export give the activities, the same in every
// language: "quiz" (the topic's quiz), "worksheet" (a worksheet taken as a
// quiz), "jigsaw", "matching".
QString activityName(Activity activity);
std::optional<Activity> activityNamed(QStringView name);

inline constexpr int QuizQuestions = 10;
// Far more than any record needs; a longer file is not read.
inline constexpr int MaxRecordBytes = 64 * 1024;

// What a pupil chose in a quiz: for each question the letter "A" to "D", or
// 0 when no answer was chosen, and whether it was right.
struct QuizAnswers {
    std::array<char, QuizQuestions> letters{};
    std::array<bool, QuizQuestions> right{};
    bool operator==(const QuizAnswers &) const = default;
};

struct ResultRecord {
    // When the score was given, to the second, with the offset of the pupil's clock.
    QDateTime when;
    Activity activity = Activity::Quiz;
    // The title of the worksheet or question set, as the pupil saw it.
    QString worksheet;
    QString pupil;
    int score = 0;
    int outOf = 0;
    // A quiz's answers; none for the jigsaw and the matching.
    std::optional<QuizAnswers> answers;
    // The same score at the same instant, whatever the clock's offset.
    bool operator==(const ResultRecord &) const = default;
};

// ISO 8601 to the second with the offset, "+00:00" for UTC included:
// "2026-12-07T09:32:15+01:00".
QString recordTime(const QDateTime &when);

// The record file: a first line naming the format and its version, then one
// "key=value" line each (UTF-8, CR LF, "\" escaping a backslash and line
// breaks in a value), ending with a line break.
QByteArray recordBytes(const ResultRecord &record);
// A record file read back, or nothing (and why) when it is not a whole,
// valid record of this version.
std::optional<ResultRecord> readRecord(const QByteArray &bytes, QString *problem = nullptr);

// A record file's name: the time in UTC (so names sort by time), the account
// with only letters, digits, ".", "-" and "_" left, and a random part no two
// writers share, ".result" at the end.
QString recordFileName(const QDateTime &when, const QString &account, quint64 random);

// This account's login name and full name (the first part of its passwd
// comment, "&" standing for the capitalised login).
struct Account {
    QString login;
    QString fullName;
};
Account thisAccount();
QString fullNameFromComment(const QByteArray &comment, const QString &login);

// The name a record is kept under: the one the pupil typed (for a
// certificate, or asked for on a shared account), else the account's full
// name, else its login.
QString pupilName(const QString &typed, const Account &account);

// Writes the record whole into a file of its own in the folder (made when
// missing), without waiting on any lock and without reading the folder. A
// failure is logged and its reason returned; the pupil's activity goes on.
std::optional<QString> writeRecord(const QString &folder, const ResultRecord &record);
