#pragma once
// The worksheet store: worksheet files and their catalogue in the "multiple"
// folder, written whole or not at all, the catalogue under a lock.

#include "core/module1.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QString>
#include <optional>

class QLockFile;

Q_DECLARE_LOGGING_CATEGORY(lcWorksheets)

inline constexpr int MaxTitleLength = 25;

// Why a typed title cannot name a worksheet, as the wizard tells the teacher;
// empty when it can. An empty title is the wizard's own first check.
QString titleProblem(const QString &title);

// A title as the catalogue lists it and the file is named: a comma would split
// the catalogue line, so it is kept as "&", the question set files' escape.
QString storedTitle(const QString &typedTitle);

// What became of a store operation: done, or why not, in the program's
// language (for the log and the command line; the teacher at a screen sees
// the screen's one fixed message).
class [[nodiscard]] StoreResult {
  public:
    static StoreResult done() { return StoreResult(QString()); }
    static StoreResult failed(const QString &reason) {
        return StoreResult(reason.isEmpty() ? QCoreApplication::translate("WorksheetStore", "failed")
                                            : reason);
    }
    bool ok() const { return reason_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString &reason() const { return reason_; }

  private:
    explicit StoreResult(QString reason) : reason_(std::move(reason)) {}
    QString reason_;
};

class WorksheetStore {
    Q_DECLARE_TR_FUNCTIONS(WorksheetStore)

  public:
    // The store of the program's "multiple" folder.
    WorksheetStore();
    // A store in another folder; its files are found the same way.
    explicit WorksheetStore(QString folder);

    QString cataloguePath() const;
    // The file of a title as typed or as the catalogue screen shows it.
    QString worksheetPath(const QString &title) const;

    // The worksheet that a new title would replace, named as the catalogue
    // screen shows it: one the catalogue lists, or a file of the folder, with
    // the same letters whatever their case (many folders ignore it).
    std::optional<QString> existingWorksheet(const QString &title) const;

    // Writes the worksheet file of a title, whole or not at all; refuses a
    // title that cannot name a worksheet.
    StoreResult writeWorksheet(const QString &title, const QByteArray &worksheet) const;
    // Writes the worksheet file, then enters its title in the catalogue. When
    // the catalogue cannot take it, the worksheet file is put back as it was
    // (or removed, when it is new), so a failure changes nothing.
    StoreResult saveWorksheet(const QString &title, const QByteArray &worksheet, SharedState &state) const;
    // Reads the catalogue into the shared state and appends the title's line
    // unless it is listed already (letter case aside); a missing catalogue
    // starts empty. A catalogue that is not one title a line is left as it is.
    StoreResult trackWorksheet(const QString &title, SharedState &state) const;
    // Reads the catalogue into the shared state and takes out the line of the
    // last occurrence of the title. The catalogue file is left untouched when
    // the title is not listed, or the catalogue is not one title a line or
    // cannot be read or written.
    StoreResult deleteWorksheet(const QString &title, SharedState &state) const;

    // How long to wait for another copy of the program to finish with the
    // catalogue before giving up.
    int lockWaitMs = 10000;

  private:
    QString path(const QString &name) const;
    StoreResult writeWhole(const QString &path, const QByteArray &bytes) const;
    StoreResult writeCatalogue(const QString &catalogue, const QByteArray &bytes) const;
    // The catalogue change of a save: the title as the catalogue lists it.
    StoreResult trackStored(const QString &stored, SharedState &state) const;
    // Takes the catalogue's lock, first clearing one a dead copy left.
    StoreResult lockCatalogue(QLockFile &lock) const;

    QString folder_;
};
