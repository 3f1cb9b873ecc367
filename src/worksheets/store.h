#pragma once
// The worksheet store: worksheet files and their catalogue in the "multiple"
// folder, written whole or not at all, the catalogue under a lock.

#include "shell/module1.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QSaveFile;

inline constexpr int MaxTitleLength = 25;

// Why a typed title cannot name a worksheet, as the wizard tells the teacher;
// empty when it can. An empty title is the wizard's own first check.
QString titleProblem(const QString &title);

// A title as the catalogue lists it and the file is named: a comma would split
// the catalogue line, so it is kept as "&", the question set files' escape.
QString storedTitle(const QString &typedTitle);

class WorksheetStore {
  public:
    // The store of the program's working folder.
    WorksheetStore();
    explicit WorksheetStore(QString folder);

    QString folder() const { return folder_; }
    QString cataloguePath() const;
    // The file of a title as typed or as the catalogue screen shows it.
    QString worksheetPath(const QString &title) const;

    // Writes the worksheet file of a title, whole or not at all; refuses a
    // title that cannot name a worksheet.
    bool writeWorksheet(const QString &title, const QByteArray &worksheet) const;
    // Writes the worksheet file, then enters its title in the catalogue.
    // False when either failed; a worksheet written before the catalogue
    // failed stays written.
    bool saveWorksheet(const QString &title, const QByteArray &worksheet, SharedState &state) const;
    // Reads the catalogue into the shared state and enters the title unless
    // it is listed already; a missing catalogue starts empty.
    bool trackWorksheet(const QString &title, SharedState &state) const;
    // Reads the catalogue into the shared state and takes out the last
    // occurrence of the title. False, with the catalogue file untouched, when
    // the title is not listed or the catalogue cannot be read or written.
    bool deleteWorksheet(const QString &title, SharedState &state) const;

    // How long to wait for another copy of the program to finish with the
    // catalogue before giving up.
    int lockWaitMs = 10000;
    // Runs on every file written just before it would replace the old one;
    // false abandons it, as a full disc or a crash part-way would.
    std::function<bool(QSaveFile &)> beforeCommit;

  private:
    bool writeWhole(const QString &path, const QByteArray &bytes) const;

    QString folder_;
};
