#pragma once
// Runs the content tools as ./run and ./check do, into a folder of the test's own.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

struct ToolRun {
    int exitCode = -1;
    QByteArray errors;
};

inline ToolRun runTool(const QString &tool, const QString &folder) {
    QProcess process;
    process.start(tool, {folder});
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void putFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}
