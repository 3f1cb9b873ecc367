#pragma once
// "--export-results": the results folder as one CSV file, from the command
// line, with no display.

#include "classroom/csv.h"

#include <QString>

struct ExportRequest {
    // The CSV file to write; replaced whole when it exists.
    QString csvPath;
    // The results folder this start uses (see classroomAtStart).
    QString resultsFolder;
    // "--worksheet TITLE"; empty for every activity.
    QString worksheet;
    // "--since DATE" as typed, YYYY-MM-DD; empty for all dates.
    QString since;
};

// What to print and the exit code: 0 when the file is written (records that
// could not be read are counted on standard error but stop nothing), 1 when
// the folder cannot be read or the file cannot be written, 2 for a date that
// is not YYYY-MM-DD.
struct CommandAnswer {
    int exitCode = 0;
    QString output;
    QString errors;
};

CommandAnswer exportResultsCommand(const ExportRequest &request);

// The records of the folder that pass the filter, written whole to the CSV
// file; with a problem, no file was written.
ResultsExport exportResultsFile(const QString &csvPath, const QString &resultsFolder,
                                const ResultsFilter &filter);
