#include "classroom/exportcommand.h"

#include "classroom/csv.h"
#include "core/wholefile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kProgram = QStringLiteral("lives-of-hellas: ");

} // namespace

CommandAnswer exportResultsCommand(const ExportRequest &request) {
    CommandAnswer answer;
    ResultsFilter filter;
    filter.worksheet = request.worksheet;
    if (!request.since.isEmpty()) {
        filter.since = QDate::fromString(request.since.trimmed(), Qt::ISODate);
        if (!filter.since.isValid()) {
            answer.exitCode = 2;
            answer.errors =
                kProgram +
                QCoreApplication::translate("ExportCommand", "--since takes a date as YYYY-MM-DD, not '%1'.")
                    .arg(request.since) +
                u'\n';
            return answer;
        }
    }
    const ResultsExport results = exportResultsFile(request.csvPath, request.resultsFolder, filter);
    if (results.skipped > 0)
        answer.errors = kProgram +
                        QCoreApplication::translate(
                            "ExportCommand", "Result files left out because they could not be read: %1.")
                            .arg(results.skipped) +
                        u'\n';
    if (results.problem) {
        answer.exitCode = 1;
        answer.errors += kProgram + *results.problem + u'\n';
        return answer;
    }
    answer.output = QCoreApplication::translate("ExportCommand", "Results exported to %1: %2.")
                        .arg(QDir::toNativeSeparators(request.csvPath), QString::number(results.exported)) +
                    u'\n';
    return answer;
}

ResultsExport exportResultsFile(const QString &csvPath, const QString &resultsFolder,
                                const ResultsFilter &filter) {
    ResultsExport results = exportResults(resultsFolder, filter);
    if (!results.problem) results.problem = writeFileWhole(csvPath, results.csv);
    return results;
}
