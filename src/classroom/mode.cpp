#include "classroom/mode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool says(const QString &value, QStringView word) {
    return value.compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

ClassroomMode classroomMode(FolderState worksheetFolder, const SettingValues &mode) {
    if (worksheetFolder == FolderState::NotWritable) return ClassroomMode::Pupil;
    if (says(mode.system, u"pupil") || says(mode.user, u"pupil")) return ClassroomMode::Pupil;
    return ClassroomMode::Teacher;
}

FolderState folderState(const QString &folder) {
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return errno == ENOENT ? FolderState::Missing : FolderState::NotWritable;
    if (!S_ISDIR(info.st_mode)) return FolderState::NotWritable;
    return ::access(path.constData(), W_OK | X_OK) == 0 ? FolderState::Writable : FolderState::NotWritable;
}

SettingValues classroomSetting(const QString &key) {
    const QString file = QStringLiteral("/lives-of-hellas/lives-of-hellas.conf");
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    SettingValues values;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        QString &value = folder == userFolder ? values.user : values.system;
        if (!value.isEmpty() || !QFileInfo::exists(folder + file)) continue;
        const QSettings settings(folder + file, QSettings::IniFormat);
        const QVariant read = settings.value(key);
        // The settings format splits a value at its commas; a folder may hold one.
        value = (read.typeId() == QMetaType::QStringList ? read.toStringList().join(u',') : read.toString())
                    .trimmed();
    }
    return values;
}

bool askPupilNames(const SettingValues &pupilNames) {
    return says(pupilNames.user.isEmpty() ? pupilNames.system : pupilNames.user, u"ask");
}

QString resultsFolder(const QString &commandLine, const SettingValues &results,
                      const QString &worksheetFolder) {
    if (!commandLine.isEmpty()) return commandLine;
    if (!results.user.isEmpty()) return results.user;
    if (!results.system.isEmpty()) return results.system;
    return QDir::cleanPath(QDir(worksheetFolder.isEmpty() ? QStringLiteral(".") : worksheetFolder)
                               .absoluteFilePath(QStringLiteral("../results")));
}

Classroom classroomAtStart(const QString &worksheetFolder, const QString &resultsOption) {
    Classroom classroom;
    classroom.mode = classroomMode(folderState(worksheetFolder), classroomSetting(QStringLiteral("mode")));
    classroom.askPupilNames = askPupilNames(classroomSetting(QStringLiteral("pupil-names")));
    classroom.resultsFolder =
        resultsFolder(resultsOption, classroomSetting(QStringLiteral("results")), worksheetFolder);
    return classroom;
}
