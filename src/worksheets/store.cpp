#include "worksheets/store.h"

#include "shell/paths.h"
#include "shell/textfields.h"
#include "worksheets/catalogue.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

namespace {

const QString kForbidden = QStringLiteral("/\\:*?\"<>|");

// Names the folder already uses, and names Windows gives to devices whatever
// extension follows them.
bool isReservedName(const QString &title) {
    const QString whole = title.toUpper();
    if (whole == u"TRACK" || whole == u"PHIDIAS") return true;
    const QString base = whole.section(u'.', 0, 0).trimmed();
    if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL") return true;
    if (base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")))
        return base[3] >= u'1' && base[3] <= u'9';
    return false;
}

enum class CatalogueFile { Read, Missing, Damaged };

CatalogueFile readCatalogueAt(const QString &path, SharedState &state) {
    QFile file(path);
    if (!file.exists()) return CatalogueFile::Missing;
    if (!file.open(QIODevice::ReadOnly)) return CatalogueFile::Damaged;
    FieldReader fields = FieldReader::fromDevice(file);
    const bool wholeFile = file.atEnd();
    file.close();
    if (!wholeFile || !readCatalogue(fields, state) || !countIsWhole(state)) return CatalogueFile::Damaged;
    return CatalogueFile::Read;
}

} // namespace

QString titleProblem(const QString &title) {
    if (title.size() > MaxTitleLength)
        return QStringLiteral("Your worksheet title cannot be longer than %1 characters").arg(MaxTitleLength);
    for (QChar c : title) {
        if (kForbidden.contains(c))
            return QStringLiteral(
                "Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Your worksheet title cannot contain tabs or other control characters");
    }
    bool onlyDotsAndBlanks = true;
    for (QChar c : title)
        onlyDotsAndBlanks = onlyDotsAndBlanks && (c == u'.' || c == u' ');
    if (!title.isEmpty() && onlyDotsAndBlanks)
        return QStringLiteral("Your worksheet title cannot be made only of dots and blanks");
    // The catalogue drops blanks around a title when it is read, and then
    // would not find the file.
    if (!title.isEmpty() && (title.front() == u' ' || title.back() == u' '))
        return QStringLiteral("Your worksheet title cannot begin or end with a blank");
    if (isReservedName(title))
        return QStringLiteral("The title ") + title +
               QStringLiteral(" is kept for the program's own use: please choose another title");
    return {};
}

QString storedTitle(const QString &typedTitle) {
    return escapeCommas(typedTitle);
}

WorksheetStore::WorksheetStore() : folder_(contentPath(QStringLiteral("multiple"))) {}

WorksheetStore::WorksheetStore(QString folder) : folder_(std::move(folder)) {}

// A catalogue made on Windows may be named "Track.txt": the screens read it
// whatever its letter case, so the store must write that same file.
QString WorksheetStore::cataloguePath() const {
    return contentPath(QDir(folder_).filePath(QStringLiteral("track.txt")));
}

QString WorksheetStore::worksheetPath(const QString &title) const {
    return QDir(folder_).filePath(storedTitle(title) + QStringLiteral(".txt"));
}

bool WorksheetStore::writeWhole(const QString &path, const QByteArray &bytes) const {
    // The user's own worksheet folder is made by the first save.
    QDir().mkpath(folder_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) return false;
    if (beforeCommit && !beforeCommit(file)) return false;
    return file.commit();
}

bool WorksheetStore::writeWorksheet(const QString &title, const QByteArray &worksheet) const {
    if (title.isEmpty() || !titleProblem(title).isEmpty()) return false;
    return writeWhole(worksheetPath(title), worksheet);
}

bool WorksheetStore::saveWorksheet(const QString &title, const QByteArray &worksheet,
                                   SharedState &state) const {
    return writeWorksheet(title, worksheet) && trackWorksheet(title, state);
}

bool WorksheetStore::trackWorksheet(const QString &title, SharedState &state) const {
    QLockFile lock(cataloguePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) return false;
    switch (readCatalogueAt(cataloguePath(), state)) {
    case CatalogueFile::Damaged:
        return false;
    case CatalogueFile::Missing:
        state.WorksheetCount = 0;
        break;
    case CatalogueFile::Read:
        break;
    }
    SharedState edited = state;
    switch (addTitle(edited, storedTitle(title))) {
    case CatalogueChange::AlreadyListed:
        return true;
    case CatalogueChange::Added:
        if (!writeWhole(cataloguePath(), catalogueBytes(edited))) return false;
        state.WorksheetCount = edited.WorksheetCount;
        state.WorksheetTitles = edited.WorksheetTitles;
        return true;
    default:
        return false;
    }
}

bool WorksheetStore::deleteWorksheet(const QString &title, SharedState &state) const {
    QLockFile lock(cataloguePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) return false;
    if (readCatalogueAt(cataloguePath(), state) != CatalogueFile::Read) return false;
    SharedState edited = state;
    if (removeTitle(edited, storedTitle(title)) != CatalogueChange::Removed) return false;
    if (!writeWhole(cataloguePath(), catalogueBytes(edited))) return false;
    state.WorksheetCount = edited.WorksheetCount;
    state.WorksheetTitles = edited.WorksheetTitles;
    return true;
}
