#include "classroom/csv.h"
#include "classroom/exportcommand.h"
#include "generated.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Rows = QList<QStringList>;

// RFC 4180 read strictly, after the byte order mark: every row ends in CR LF,
// a quote appears only around a whole cell or doubled inside one, and a bare
// CR or LF appears only inside quotes.
std::optional<Rows> strictCsv(const QByteArray &bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) return std::nullopt;
    Rows rows;
    QStringList row;
    QByteArray cell;
    for (qsizetype i = 3; i < bytes.size();) {
        if (bytes[i] == '"') {
            for (++i;; ++i) {
                if (i >= bytes.size()) return std::nullopt;
                if (bytes[i] == '"' && (i + 1 >= bytes.size() || bytes[i + 1] != '"')) break;
                if (bytes[i] == '"') ++i;
                cell += bytes[i];
            }
            ++i;
        } else {
            while (i < bytes.size() && !QByteArrayView(",\r\n\"").contains(bytes[i]))
                cell += bytes[i++];
        }
        row += QString::fromUtf8(cell);
        cell.clear();
        if (bytes.mid(i, 2) == "\r\n") {
            rows += row;
            row.clear();
            i += 2;
        } else if (i < bytes.size() && bytes[i] == ',') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return row.isEmpty() ? std::optional(rows) : std::nullopt;
}

QString neutralised(const QString &text) {
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text[0]) ? u'\'' + text : text;
}

QString writeIn(const QString &folder, const QString &name, const QByteArray &bytes) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
}

TEST(ResultsCsv, StrictReaderGetsBackEveryCellWithFormulasNeutralised) {
    std::mt19937 random(4180);
    QList<ResultRecord> records;
    for (int i = 0; i < 500; ++i)
        records += generatedRecord(random);
    const auto rows = strictCsv(resultsCsv(records));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), records.size() + 1);
    EXPECT_EQ(rows->first().join(u','),
              "date,activity,worksheet,pupil,score,out_of,q1,q2,q3,q4,q5,q6,q7,q8,q9,q10,"
              "q1_right,q2_right,q3_right,q4_right,q5_right,q6_right,q7_right,q8_right,q9_right,q10_right");
    for (qsizetype r = 0; r < records.size(); ++r) {
        const ResultRecord &record = records[r];
        const QStringList &cells = (*rows)[r + 1];
        ASSERT_EQ(cells.size(), 26);
        EXPECT_EQ(cells[0], recordTime(record.when));
        EXPECT_EQ(cells[1], activityName(record.activity));
        EXPECT_EQ(cells[2], neutralised(record.worksheet));
        EXPECT_EQ(cells[3], neutralised(record.pupil));
        EXPECT_EQ(cells[4].toInt(), record.score);
        EXPECT_EQ(cells[5].toInt(), record.outOf);
        for (int q = 0; q < QuizQuestions; ++q) {
            const bool answered = record.answers && record.answers->letters[q];
            EXPECT_EQ(cells[6 + q], answered ? QString(QChar(record.answers->letters[q])) : QString());
            EXPECT_EQ(cells[16 + q], !record.answers ? "" : record.answers->right[q] ? "1" : "0");
        }
    }
}

QStringList pupilsOf(const QByteArray &csv) {
    QStringList pupils;
    for (const QStringList &row : strictCsv(csv).value_or(Rows{}).mid(1))
        pupils += row.value(3);
    return pupils;
}

ResultRecord at(const char *when, const char *worksheet, const char *pupil) {
    return {QDateTime::fromString(QString::fromUtf8(when), Qt::ISODate), Activity::Worksheet,
            QString::fromUtf8(worksheet), QString::fromUtf8(pupil), 0, 0, {}};
}

TEST(ResultsExport, SkipsUnreadableRecordsAndFiltersInDateOrder) {
    QTemporaryDir dir, out;
    for (const ResultRecord &r : {at("2026-09-02T10:00:00+02:00", "Temples", "Nikos"),
                                  at("2026-09-01T00:30:00+02:00", "temples", "Eleni"),
                                  at("2026-08-31T23:00:00+00:00", "Temples", "Maria"),
                                  at("2026-09-01T09:00:00+00:00", "Statues", "Zoë")})
        ASSERT_FALSE(writeRecord(dir.path(), r));
    writeIn(dir.path(), QStringLiteral("garbage.result"), "not a record\r\n");
    writeIn(dir.path(), QStringLiteral("later.result"), recordBytes({}).replace("result 1", "result 2"));
    writeIn(dir.path(), QStringLiteral(".half-written.result-1234.tmp"), "lives-of");
    QDir(dir.path()).mkdir(QStringLiteral("folder.result"));
    // What a pupil could plant in a drop folder to stall or mislead the export.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.result"))).constData(), 0600), 0);
    QFile::link(QDir(dir.path()).entryList({QStringLiteral("2026*")}).value(0),
                dir.filePath(QStringLiteral("link.result")));

    const ResultsExport all = exportResults(dir.path(), {});
    EXPECT_EQ(all.skipped, 4);
    EXPECT_EQ(pupilsOf(all.csv).join(u' '), "Eleni Maria Zoë Nikos");
    const ResultsExport some = exportResults(dir.path(), {QStringLiteral("TEMPLES"), QDate(2026, 9, 1)});
    EXPECT_EQ(pupilsOf(some.csv).join(u' '), "Eleni Nikos");

    const QString csv = out.filePath(QStringLiteral("results.csv"));
    const CommandAnswer done = exportResultsCommand({csv, dir.path(), {}, QStringLiteral("2026-09-01")});
    EXPECT_EQ(done.exitCode, 0);
    EXPECT_TRUE(done.output.endsWith(u": 3.\n") && done.errors.endsWith(u": 4.\n"))
        << done.output.toStdString() << done.errors.toStdString();
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(pupilsOf(written.readAll()).size(), 3);
    EXPECT_EQ(exportResultsCommand({csv, dir.path(), {}, QStringLiteral("1 Sept")}).exitCode, 2);
    EXPECT_EQ(exportResultsCommand({csv, dir.filePath(QStringLiteral("none")), {}, {}}).exitCode, 1);
    EXPECT_EQ(exportResultsCommand({out.filePath(QStringLiteral("no/a.csv")), dir.path(), {}, {}}).exitCode,
              1);
}

TEST(ResultsExport, FortyProcessesWritingAtOnceLoseNothing) {
    constexpr int kWriters = 40;
    QTemporaryDir dir;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    QList<pid_t> writers;
    QStringList expected;
    for (int i = 0; i < kWriters; ++i) {
        expected += QStringLiteral("Pupil %1").arg(i);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Every writer waits for the pipe to close, so all forty begin together.
            ::close(start[1]);
            char byte;
            while (::read(start[0], &byte, 1) > 0) {
            }
            ::_exit(writeRecord(dir.path(), at("2026-12-07T09:32:15+02:00", "", qPrintable(expected.last())))
                        .has_value());
        }
        writers += pid;
    }
    ::close(start[0]);
    ::close(start[1]);
    int failed = 0;
    for (const pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kWriters);
    const ResultsExport results = exportResults(dir.path(), {});
    EXPECT_EQ(results.skipped, 0);
    QStringList pupils = pupilsOf(results.csv);
    pupils.sort();
    expected.sort();
    EXPECT_EQ(pupils, expected);
}

} // namespace
