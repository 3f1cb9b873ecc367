#include "core/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

Q_LOGGING_CATEGORY(lcFiles, "hellas.files")

namespace {

constexpr auto kPartial = ".partial-";
constexpr int kRandomLength = 6;
constexpr qint64 kLeftoverAgeSeconds = 60;

QString randomSuffix() {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < kRandomLength; ++i)
        suffix += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet) - 1)]);
    return suffix;
}

QString failure(const QString &path, const QString &what) {
    return path + QStringLiteral(": ") + what;
}

#ifdef Q_OS_UNIX
QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

int openExclusive(const QByteArray &name, mode_t mode) {
    int fd;
    do {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool writeAll(int fd, const QByteArray &bytes) {
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}
#endif

} // namespace

std::optional<QString> writeFileWhole(const QString &path, const QByteArray &bytes, NewFileReaders readers) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
#ifdef Q_OS_UNIX
    // A replaced file keeps its permissions; a new one gets the folder's
    // defaults (a shared folder's default ACL, the umask).
    mode_t mode = readers == NewFileReaders::Everyone ? 0666 : 0640;
    struct stat old {};
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    if (::stat(finalName.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
        // A rename could replace a file this account may not write (another
        // teacher's, in a folder without shared rights): it is refused
        // instead, as writing it in place would be.
        if (::faccessat(AT_FDCWD, finalName.constData(), W_OK, AT_EACCESS) != 0)
            return failure(path, systemError(errno));
    }

    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = QFile::encodeName(target.absoluteFilePath() + QLatin1String(kPartial) + randomSuffix());
        fd = openExclusive(tempName, mode);
        if (fd < 0 && errno != EEXIST) return failure(path, systemError(errno));
    }
    if (fd < 0) return failure(path, QStringLiteral("no temporary name is free"));
    if (mode != 0666 && mode != 0640) ::fchmod(fd, mode);

    const auto abandon = [&](const QString &step) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(tempName.constData());
        return failure(path, step + QStringLiteral(": ") + systemError(error));
    };
    if (!writeAll(fd, bytes)) return abandon(QStringLiteral("write"));
    if (::fdatasync(fd) != 0) return abandon(QStringLiteral("sync"));
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon(QStringLiteral("close"));
    if (::rename(tempName.constData(), finalName.constData()) != 0) return abandon(QStringLiteral("rename"));

    // The new name is durable once the folder is synced. The file has been
    // replaced by now, so a folder that cannot be synced (some network
    // folders refuse) is logged, not reported as a failed write.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        if (::fsync(dir) != 0) qCWarning(lcFiles) << folder << "could not be synced:" << systemError(errno);
        ::close(dir);
    }
    return std::nullopt;
#else
    Q_UNUSED(readers)
    // Unbuffered, so a full disc fails the write itself rather than
    // surfacing inside commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
#endif
}

bool isLeftoverTemporary(const QString &fileName, const QStringList &siblings) {
    static const QRegularExpression ours(QStringLiteral("^(.+)\\.partial-[A-Za-z0-9]{6}$"));
    static const QRegularExpression older(QStringLiteral("^(.+\\.txt)\\.[A-Za-z0-9]{6}$"));
    if (ours.match(fileName).hasMatch()) return true;
    // A name like "Athens.txt.backup" may be the teacher's own: it counts
    // only beside the file it would have replaced.
    const QRegularExpressionMatch match = older.match(fileName);
    return match.hasMatch() && siblings.contains(match.captured(1));
}

QStringList removeLeftoverTemporaries(const QString &folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    const QDateTime cutOff = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    QStringList removed;
    for (const QString &name : names) {
        if (!isLeftoverTemporary(name, names)) continue;
        if (QFileInfo(dir.filePath(name)).lastModified().toUTC() > cutOff) continue;
        if (QFile::remove(dir.filePath(name)))
            removed.append(name);
        else
            qCWarning(lcFiles) << "leftover" << dir.filePath(name) << "could not be removed";
    }
    return removed;
}
