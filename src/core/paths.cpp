#include "core/paths.h"

#include "core/language.h"
#include "core/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString &kWorksheetFolder = programfile::WorksheetFolder;
const QString &kQuestionSet = programfile::TopicQuestionSet;
const QString kDataFolder = QStringLiteral("lives-of-hellas");

// Content made on Windows is named without regard to letter case ("images\homersm.jpg"
// and "Images\homersm.jpg" are one file there): where the exact name is not found,
// each part of the path is matched ignoring case.
QString matchIgnoringCase(const QString &path) {
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QDir dir = path.startsWith(u'/') ? QDir::root() : QDir::current();
    QString found = path.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    part = entry;
                    break;
                }
            }
        }
        found += (found.isEmpty() || found.endsWith(u'/') ? QString() : QStringLiteral("/")) + part;
        if (i + 1 < parts.size() && !dir.cd(part)) {
            return path;
        }
    }
    return found;
}

QString existingIgnoringCase(const QString &path) {
    if (QFileInfo::exists(path)) return path;
    const QString matched = matchIgnoringCase(path);
    return QFileInfo::exists(matched) ? matched : path;
}

QString joined(const QString &folder, const QString &rest) {
    if (folder.isEmpty()) return rest;
    if (rest.isEmpty()) return folder;
    return folder + u'/' + rest;
}

bool holdsContent(const QString &folder) {
    return QFileInfo::exists(existingIgnoringCase(joined(folder, kWorksheetFolder + u'/' + kQuestionSet)));
}

// Whether a folder asked for by name can hold the worksheets, decided without
// making it: the first save makes it. A folder that exists proves it can be
// written to by taking a file there (a network share may refuse what its
// permission bits allow); one that does not must have no file among the
// folders above it, and the nearest of them that exists must let folders be
// made in it.
QString folderProblem(const QString &folder) {
    const QString start = QStringLiteral("The worksheet folder ") + QDir::toNativeSeparators(folder);
    const QFileInfo info(folder);
    if (info.exists()) {
        if (!info.isDir()) return start + QStringLiteral(" cannot be used: it is a file.");
        QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
        if (!probe.open()) return start + QStringLiteral(" cannot be used: it cannot be written to.");
        return {};
    }
    const QString cannotBeMade =
        start + QStringLiteral(" cannot be used: it does not exist and cannot be made.");
    // A link that leads nowhere is no folder either.
    if (info.isSymLink()) return cannotBeMade;
    QString above = QDir::cleanPath(info.absoluteFilePath());
    for (;;) {
        const QString parent = QFileInfo(above).path();
        if (parent == above) return cannotBeMade; // not even the root exists
        above = parent;
        const QFileInfo ancestor(above);
        if (ancestor.isSymLink() && !ancestor.exists()) return cannotBeMade;
        if (!ancestor.exists()) continue;
        if (!ancestor.isDir() || !ancestor.isWritable()) return cannotBeMade;
#ifdef Q_OS_UNIX
        // A folder is made in another only through its search permission.
        if (!ancestor.isExecutable()) return cannotBeMade;
#endif
        return {};
    }
}

ProgramFolders &currentFolders() {
    static ProgramFolders folders = ProgramFolders::inOneFolder();
    return folders;
}

} // namespace

ProgramFolders ProgramFolders::inOneFolder(const QString &folder) {
    return ProgramFolders(folder, joined(folder, kWorksheetFolder));
}

ProgramFolders::ProgramFolders(QString contentFolder, QString worksheetFolder)
    : content_(std::move(contentFolder)), worksheets_(std::move(worksheetFolder)) {}

QString ProgramFolders::filePath(const QString &programPath) const {
    QString path = programPath;
    path.replace(u'\\', u'/');
    if (!QDir::isAbsolutePath(path)) {
        const QString first = path.section(u'/', 0, 0, QString::SectionSkipEmpty);
        const QString rest = path.section(u'/', 1, -1, QString::SectionSkipEmpty);
        const bool inMultiple = first.compare(kWorksheetFolder, Qt::CaseInsensitive) == 0;
        if (inMultiple && rest.compare(kQuestionSet, Qt::CaseInsensitive) != 0) {
            path = joined(worksheets_, rest);
        } else {
            const QString language = programLanguage();
            if (language != SourceLanguage) {
                const QString translated =
                    existingIgnoringCase(joined(languageContentFolder(content_, language), path));
                if (QFileInfo(translated).isFile()) return QDir::toNativeSeparators(translated);
            }
            path = joined(content_, path);
        }
    }
    return QDir::toNativeSeparators(existingIgnoringCase(path));
}

QString languageContentFolder(const QString &contentFolder, const QString &language) {
    return joined(contentFolder, language);
}

FolderChoice chooseFolders(const QString &workingFolder, const QString &programFolder,
                           const QString &dataFromProgram, const QString &worksheetsOption) {
    FolderChoice choice;
    QString content;
    bool installed = false;
    if (!holdsContent(workingFolder)) {
        QStringList candidates{QDir::cleanPath(joined(joined(programFolder, dataFromProgram), kDataFolder))};
        for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
            candidates.append(joined(data, kDataFolder));
        for (const QString &candidate : candidates) {
            if (holdsContent(candidate)) {
                content = candidate;
                installed = true;
                break;
            }
        }
    }
    if (!installed) {
        // As the program has always run: everything in the working folder,
        // unless the command line names another worksheet folder.
        content = workingFolder;
        choice.folders = ProgramFolders::inOneFolder(workingFolder);
        if (worksheetsOption.isEmpty()) return choice;
    }
    const QString ownFolder = joined(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                     kDataFolder + u'/' + kWorksheetFolder);
    QString worksheets = worksheetsOption;
    if (worksheets.isEmpty()) worksheets = launchSetting(QStringLiteral("worksheets"));
    if (worksheets.isEmpty()) {
        worksheets = ownFolder;
    } else {
        worksheets = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(worksheets));
        const QString installedContent = QDir::cleanPath(QFileInfo(content).absoluteFilePath()) + u'/';
        if (installed && QString(worksheets + u'/').startsWith(installedContent)) {
            // A package update would replace or remove whatever is written there.
            choice.problem = QStringLiteral("The worksheet folder ") + QDir::toNativeSeparators(worksheets) +
                             QStringLiteral(" cannot be used: it is inside the installed content; using ") +
                             QDir::toNativeSeparators(ownFolder) + QStringLiteral(" instead.");
            worksheets = ownFolder;
        } else {
            choice.problem = folderProblem(worksheets);
        }
    }
    choice.folders = ProgramFolders(content, worksheets);
    return choice;
}

void setProgramFolders(const ProgramFolders &folders) {
    currentFolders() = folders;
}

QString contentPath(const QString &programPath) {
    return currentFolders().filePath(programPath);
}
