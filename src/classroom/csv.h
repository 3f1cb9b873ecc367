#pragma once
// The teachers' export: every result record of a folder as one CSV file that
// spreadsheet programs open as it is.

#include "classroom/record.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// One cell of RFC 4180: quoted when it holds a comma, a quote or a line
// break. A cell beginning with "=", "+", "-", "@", a tab or a carriage return
// gets a leading "'", so that no spreadsheet runs it as a formula.
QByteArray csvCell(const QString &text);

// The CSV of the records in the order given: UTF-8 with a byte order mark
// (spreadsheets then read Greek and accented names), CR LF after every row,
// the header row first.
QByteArray resultsCsv(const QList<ResultRecord> &records);

// Which records an export takes; an empty title or a null date takes all.
struct ResultsFilter {
    // The worksheet's title, letter case aside, as the catalogue compares titles.
    QString worksheet;
    // The first day to take, by the pupil's own calendar.
    QDate since;
};

struct ResultsExport {
    QByteArray csv;
    int exported = 0;
    // Record files that could not be read or are not valid records; each is
    // logged with its reason and left out.
    int skipped = 0;
    // Why nothing could be exported (the folder cannot be listed).
    std::optional<QString> problem;
};

// The records of the folder that pass the filter, oldest first.
ResultsExport exportResults(const QString &folder, const ResultsFilter &filter);
