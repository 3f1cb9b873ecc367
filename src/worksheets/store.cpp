#include "worksheets/store.h"

#include "core/paths.h"
#include "core/textfields.h"
#include "core/wholefile.h"
#include "worksheets/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QDateTime>
#include <memory>

Q_LOGGING_CATEGORY(lcWorksheets, "hellas.worksheets")

namespace {

const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
const QByteArray kEmptyCatalogue = " 0 \r\n";

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

// The catalogue's bytes; a missing catalogue reads as an empty one.
std::optional<QByteArray> readCatalogueBytes(const QString &path, QString *reason) {
    QFile file(path);
    if (!file.exists()) return kEmptyCatalogue;
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = readLimited(file, FieldReader::DefaultByteLimit);
    if (!file.atEnd()) {
        *reason = WorksheetStore::tr("%1: too large to be a catalogue").arg(path);
        return std::nullopt;
    }
    return bytes;
}

// The shared state as the catalogue read leaves it for these bytes. A
// catalogue of one title a line reads as its lines' titles.
void readInto(const QByteArray &catalogue, const CatalogueLines &lines, SharedState &state) {
    if (!lines.problem().isEmpty()) {
        FieldReader fields(decodeLines(catalogue));
        readCatalogue(fields, state);
        return;
    }
    const QStringList &titles = lines.titles();
    state.WorksheetCount = titles.size();
    for (int i = 0; i < titles.size(); ++i)
        state.WorksheetTitles[i + 1] = titles[i];
}

// A lock file is made and filled by one process within a millisecond. One
// that is still empty or unreadable seconds later was left by a copy of the
// program that died in between; QLockFile would wait half a minute for it.
constexpr int kDeadLockSeconds = 3;

void clearDeadLock(const QString &lockPath) {
    QFile lock(lockPath);
    if (!lock.exists()) return;
    const QFileInfo info(lockPath);
    if (info.lastModified().secsTo(QDateTime::currentDateTime()) < kDeadLockSeconds) return;
    if (lock.open(QIODevice::ReadOnly)) {
        bool isNumber = false;
        lock.readLine(64).trimmed().toLongLong(&isNumber);
        if (isNumber) return;
        lock.close();
    }
    if (lock.remove()) qCWarning(lcWorksheets) << "removed the dead lock" << lockPath;
}

// A title a worksheet may be saved under, or why not.
StoreResult usableTitle(const QString &title) {
    if (title.isEmpty()) return StoreResult::failed(WorksheetStore::tr("a worksheet needs a title"));
    if (const QString problem = titleProblem(title); !problem.isEmpty()) return StoreResult::failed(problem);
    return StoreResult::done();
}

} // namespace

QString titleProblem(const QString &title) {
    if (title.size() > MaxTitleLength)
        return WorksheetStore::tr("Your worksheet title cannot be longer than %1 characters")
            .arg(MaxTitleLength);
    for (QChar c : title) {
        if (kForbidden.contains(c))
            return WorksheetStore::tr(
                "Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
        if (c.category() == QChar::Other_Control)
            return WorksheetStore::tr("Your worksheet title cannot contain tabs or other control characters");
    }
    // A comma is kept as "&" in the catalogue and the file name, and every
    // "&" is read back as a comma: an "&" typed would come back as a comma.
    if (title.contains(u'&'))
        return WorksheetStore::tr("Your worksheet title cannot contain \"&\": please write \"and\" instead");
    bool onlyDotsAndBlanks = true;
    for (QChar c : title)
        onlyDotsAndBlanks = onlyDotsAndBlanks && (c == u'.' || c == u' ');
    if (!title.isEmpty() && onlyDotsAndBlanks)
        return WorksheetStore::tr("Your worksheet title cannot be made only of dots and blanks");
    // The catalogue drops blanks around a title when it is read, and then
    // would not find the file.
    if (!title.isEmpty() && (title.front() == u' ' || title.back() == u' '))
        return WorksheetStore::tr("Your worksheet title cannot begin or end with a blank");
    if (isReservedName(title))
        return WorksheetStore::tr(
                   "The title %1 is kept for the program's own use: please choose another title")
            .arg(title);
    return {};
}

QString storedTitle(const QString &typedTitle) {
    return escapeCommas(typedTitle);
}

WorksheetStore::WorksheetStore() : folder_(programfile::WorksheetFolder) {}

WorksheetStore::WorksheetStore(QString folder) : folder_(std::move(folder)) {}

// Every file goes through the program's one path function, which also finds
// a file made on Windows under another letter case ("Track.txt").
QString WorksheetStore::path(const QString &name) const {
    return contentPath(folder_ + u'/' + name);
}

QString WorksheetStore::cataloguePath() const {
    return path(programfile::Catalogue);
}

QString WorksheetStore::worksheetPath(const QString &title) const {
    return path(storedTitle(title) + QStringLiteral(".txt"));
}

std::optional<QString> WorksheetStore::existingWorksheet(const QString &title) const {
    const QString stored = storedTitle(title);
    QFile catalogue(cataloguePath());
    if (catalogue.open(QIODevice::ReadOnly)) {
        auto state = std::make_unique<SharedState>();
        FieldReader fields(decodeLines(readLimited(catalogue, FieldReader::DefaultByteLimit)));
        readCatalogue(fields, *state);
        for (int i = 1; i <= listedTitles(*state); ++i) {
            if (state->WorksheetTitles[i].compare(stored, Qt::CaseInsensitive) == 0)
                return unescapeCommas(state->WorksheetTitles[i]);
        }
    }
    const QString fileName = stored + QStringLiteral(".txt");
    const QDir folder(QFileInfo(worksheetPath(title)).absolutePath());
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return unescapeCommas(entry.chopped(4));
    }
    return std::nullopt;
}

StoreResult WorksheetStore::writeWhole(const QString &path, const QByteArray &bytes) const {
    // The worksheet folder is made by the first save into it.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcWorksheets) << folder << "cannot be made";
        return StoreResult::failed(tr("%1: the folder cannot be made").arg(folder));
    }
    if (const auto problem = writeFileWhole(path, bytes)) {
        qCWarning(lcWorksheets).noquote() << *problem;
        return StoreResult::failed(*problem);
    }
    return StoreResult::done();
}

StoreResult WorksheetStore::writeCatalogue(const QString &catalogue, const QByteArray &bytes) const {
    // Under the lock no other copy is writing the catalogue; temporary files
    // of writers that died are cleared here, beside it.
    for (const QString &name : removeLeftoverTemporaries(QFileInfo(catalogue).absolutePath()))
        qCInfo(lcWorksheets) << "removed the leftover" << name;
    return writeWhole(catalogue, bytes);
}

StoreResult WorksheetStore::lockCatalogue(QLockFile &lock) const {
    clearDeadLock(lock.fileName());
    if (lock.tryLock(lockWaitMs)) return StoreResult::done();
    // A lock that cannot even be made (a full disc, a folder this account may
    // not write) is no other copy at work.
    const QString reason = lock.error() == QLockFile::LockFailedError
                               ? tr("the catalogue is locked by another copy")
                               : tr("the catalogue's lock cannot be made");
    qCWarning(lcWorksheets).noquote() << lock.fileName() + QStringLiteral(": ") + reason;
    return StoreResult::failed(reason);
}

StoreResult WorksheetStore::writeWorksheet(const QString &title, const QByteArray &worksheet) const {
    if (StoreResult usable = usableTitle(title); !usable) return usable;
    return writeWhole(worksheetPath(title), worksheet);
}

StoreResult WorksheetStore::saveWorksheet(const QString &title, const QByteArray &worksheet,
                                          SharedState &state) const {
    if (StoreResult usable = usableTitle(title); !usable) return usable;
    const QString stored = storedTitle(title);
    // What the file held before, so that a catalogue that cannot take the
    // title leaves the folder as it was rather than with an unlisted file.
    const QString file = path(stored + QStringLiteral(".txt"));
    std::optional<QByteArray> before;
    if (QFile old(file); old.open(QIODevice::ReadOnly)) before = old.readAll();
    if (StoreResult written = writeWhole(file, worksheet); !written) return written;
    StoreResult tracked = trackStored(stored, state);
    if (tracked) return tracked;
    const bool restored = before ? !writeFileWhole(file, *before).has_value() : QFile::remove(file);
    if (!restored) qCWarning(lcWorksheets) << file << "could not be put back as it was";
    return tracked;
}

StoreResult WorksheetStore::trackWorksheet(const QString &title, SharedState &state) const {
    return trackStored(storedTitle(title), state);
}

StoreResult WorksheetStore::trackStored(const QString &stored, SharedState &state) const {
    const QString catalogueFile = cataloguePath();
    QLockFile lock(catalogueFile + QStringLiteral(".lock"));
    if (StoreResult locked = lockCatalogue(lock); !locked) return locked;
    QString reason;
    const auto before = readCatalogueBytes(catalogueFile, &reason);
    if (!before) return StoreResult::failed(reason);
    CatalogueLines catalogue(*before);
    readInto(*before, catalogue, state);
    switch (catalogue.add(stored)) {
    case CatalogueChange::AlreadyListed:
        return StoreResult::done();
    case CatalogueChange::Added:
        break;
    case CatalogueChange::Full:
        return StoreResult::failed(tr("the catalogue holds a thousand titles already"));
    case CatalogueChange::NotOneTitleALine:
        return StoreResult::failed(tr("the catalogue was left as it is: %1").arg(catalogue.problem()));
    default:
        return StoreResult::failed(tr("the title cannot stand on a catalogue line"));
    }
    StoreResult written = writeCatalogue(catalogueFile, catalogue.bytes());
    // The state holds the catalogue read before; the title joins it last.
    if (written) {
        const int count = static_cast<int>(catalogue.titles().size());
        state.WorksheetCount = count;
        state.WorksheetTitles[count] = stored;
    }
    return written;
}

StoreResult WorksheetStore::deleteWorksheet(const QString &title, SharedState &state) const {
    const QString catalogueFile = cataloguePath();
    QLockFile lock(catalogueFile + QStringLiteral(".lock"));
    if (StoreResult locked = lockCatalogue(lock); !locked) return locked;
    QString reason;
    if (!QFile::exists(catalogueFile)) return StoreResult::failed(tr("%1: missing").arg(catalogueFile));
    const auto before = readCatalogueBytes(catalogueFile, &reason);
    if (!before) return StoreResult::failed(reason);
    CatalogueLines catalogue(*before);
    readInto(*before, catalogue, state);
    switch (catalogue.remove(storedTitle(title))) {
    case CatalogueChange::Removed:
        break;
    case CatalogueChange::NotListed:
        return StoreResult::failed(tr("the catalogue does not list %1").arg(title));
    default:
        return StoreResult::failed(tr("the catalogue was left as it is: %1").arg(catalogue.problem()));
    }
    const QByteArray after = catalogue.bytes();
    StoreResult written = writeCatalogue(catalogueFile, after);
    if (written) readInto(after, catalogue, state);
    return written;
}
