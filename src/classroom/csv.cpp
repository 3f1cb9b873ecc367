#include "classroom/csv.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Found {
    qint64 instant;
    QString file;
    ResultRecord record;
};

void appendRow(QByteArray &out, const QStringList &cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i) out += ',';
        out += csvCell(cells[i]);
    }
    out += "\r\n";
}

QStringList headerRow() {
    QStringList cells = {QStringLiteral("date"),  QStringLiteral("activity"), QStringLiteral("worksheet"),
                         QStringLiteral("pupil"), QStringLiteral("score"),    QStringLiteral("out_of")};
    for (int q = 1; q <= QuizQuestions; ++q)
        cells += u'q' + QString::number(q);
    for (int q = 1; q <= QuizQuestions; ++q)
        cells += u'q' + QString::number(q) + QStringLiteral("_right");
    return cells;
}

QStringList recordRow(const ResultRecord &record) {
    QStringList cells = {
        recordTime(record.when),       activityName(record.activity), record.worksheet, record.pupil,
        QString::number(record.score), QString::number(record.outOf)};
    for (int q = 0; q < QuizQuestions; ++q)
        cells += record.answers && record.answers->letters[q] ? QString(QChar(record.answers->letters[q]))
                                                              : QString();
    for (int q = 0; q < QuizQuestions; ++q)
        cells += !record.answers            ? QString()
                 : record.answers->right[q] ? QStringLiteral("1")
                                            : QStringLiteral("0");
    return cells;
}

bool passes(const ResultRecord &record, const ResultsFilter &filter) {
    if (!filter.worksheet.isEmpty() && record.worksheet.compare(filter.worksheet, Qt::CaseInsensitive) != 0)
        return false;
    return filter.since.isNull() || record.when.date() >= filter.since;
}

// The names of the record files; temporary files of writers still at work
// begin with "." and are not taken.
std::optional<QStringList> recordFiles(const QString &folder, QString &problem) {
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        problem = QCoreApplication::translate("ResultsExport", "cannot read the results folder %1: %2")
                      .arg(folder, why);
        return std::nullopt;
    }
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (entry->d_type != DT_DIR && !name.startsWith(u'.') && name.endsWith(QStringLiteral(".result")))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Pupils may put anything into a drop folder: only a plain file is read, and
// only as much of it as a record may hold, so that a pipe or a link planted
// there cannot stall the export or make it read another file of the teacher's.
std::optional<QByteArray> recordFileBytes(const QString &path, QString &why) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        why = systemError();
        return std::nullopt;
    }
    struct stat info;
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) != 0) {
        why = systemError();
    } else if (!S_ISREG(info.st_mode)) {
        why = QStringLiteral("not a plain file");
    } else {
        bytes.emplace(MaxRecordBytes + 1, Qt::Uninitialized);
        qsizetype size = 0;
        while (size < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + size, size_t(bytes->size() - size));
            if (n > 0) {
                size += n;
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                why = systemError();
                bytes.reset();
                break;
            }
        }
        if (bytes) bytes->truncate(size);
    }
    ::close(fd);
    return bytes;
}

} // namespace

QByteArray csvCell(const QString &text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const QString cell = !text.isEmpty() && formulaStarts.contains(text[0]) ? u'\'' + text : text;
    QByteArray bytes = cell.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n'))
        return bytes;
    return '"' + bytes.replace('"', "\"\"") + '"';
}

QByteArray resultsCsv(const QList<ResultRecord> &records) {
    QByteArray out = "\xEF\xBB\xBF";
    out.reserve(200 * (records.size() + 1));
    appendRow(out, headerRow());
    for (const ResultRecord &record : records)
        appendRow(out, recordRow(record));
    return out;
}

ResultsExport exportResults(const QString &folder, const ResultsFilter &filter) {
    ResultsExport result;
    QString problem;
    const auto names = recordFiles(folder, problem);
    if (!names) {
        result.problem = problem;
        return result;
    }
    std::vector<Found> found;
    found.reserve(size_t(names->size()));
    for (const QString &name : *names) {
        const QString path = folder + u'/' + name;
        QString why;
        std::optional<ResultRecord> record;
        if (const auto bytes = recordFileBytes(path, why)) record = readRecord(*bytes, &why);
        if (!record) {
            ++result.skipped;
            qCWarning(lcClassroom) << "Result" << path << "left out of the export:" << why;
        } else if (passes(*record, filter)) {
            found.push_back({record->when.toMSecsSinceEpoch(), name, *record});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.instant != b.instant ? a.instant < b.instant : a.file < b.file;
    });
    QList<ResultRecord> records;
    records.reserve(qsizetype(found.size()));
    for (Found &f : found)
        records.append(std::move(f.record));
    result.csv = resultsCsv(records);
    result.exported = int(records.size());
    return result;
}
