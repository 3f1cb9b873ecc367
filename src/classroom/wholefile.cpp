#include "classroom/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemReason(const QString &what) {
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

std::optional<QString> saveWhole(const QString &path, const QByteArray &bytes) {
    const QFileInfo target(path);
    // The system generator, not a seeded one: processes forked from one parent
    // would otherwise draw the same temporary names.
    const QString temporary = target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'-' +
                              QString::number(QRandomGenerator::system()->generate64(), 16) +
                              QStringLiteral(".tmp");
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0640);
    if (fd < 0) return systemReason(QStringLiteral("cannot make a file in ") + target.absolutePath());

    std::optional<QString> problem;
    for (qsizetype written = 0; written < bytes.size() && !problem;) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n == 0)
            problem = QStringLiteral("cannot write ") + temporary + QStringLiteral(": nothing was written");
        else if (errno != EINTR)
            problem = systemReason(QStringLiteral("cannot write ") + temporary);
    }
    if (!problem && ::fdatasync(fd) != 0) problem = systemReason(QStringLiteral("cannot sync ") + temporary);
    if (::close(fd) != 0 && !problem) problem = systemReason(QStringLiteral("cannot close ") + temporary);
    if (!problem && ::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0)
        problem = systemReason(QStringLiteral("cannot rename ") + temporary + QStringLiteral(" to ") + path);
    if (problem) ::unlink(temporaryName.constData());
    return problem;
}
