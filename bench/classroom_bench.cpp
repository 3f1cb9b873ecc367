// Classroom figures: one result record written whole (synced to the disc) as a
// pupil leaves the results screen, and ten thousand records exported to one CSV.

#include "figure.h"

#include "classroom/csv.h"
#include "classroom/record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int kExportedRecords = 10000;

ResultRecord sampleRecord(int i) {
    ResultRecord record;
    record.when = QDateTime::currentDateTime().addSecs(-i);
    record.activity = Activity::Worksheet;
    record.worksheet = QStringLiteral("Temples of Athens, part %1").arg(i % 7);
    record.pupil = QStringLiteral("Ελένη Παπαδοπούλου %1").arg(i);
    record.score = i % 11;
    record.outOf = 10;
    QuizAnswers answers;
    for (int q = 0; q < QuizQuestions; ++q) {
        answers.letters[q] = char('A' + (i + q) % 4);
        answers.right[q] = (i + q) % 3 != 0;
    }
    record.answers = answers;
    return record;
}

void writeOnce(const QString &folder, int i) {
    if (writeRecord(folder, sampleRecord(i))) std::abort();
}

// The records of an export are laid down plainly; only their reading is timed.
void fillFolder(const QString &folder) {
    for (int i = 0; i < kExportedRecords; ++i) {
        QFile file(
            QDir(folder).filePath(recordFileName(QDateTime::currentDateTime(), QStringLiteral("pupil"), i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(recordBytes(sampleRecord(i))) < 0) std::abort();
    }
}

void exportOnce(const QString &folder) {
    const ResultsExport results = exportResults(folder, {});
    if (results.exported != kExportedRecords) std::abort();
    benchmark::DoNotOptimize(results.csv);
}




QTemporaryDir &writes() {
    static QTemporaryDir dir;
    return dir;
}

QTemporaryDir &exported() {
    static QTemporaryDir dir;
    return dir;
}

void BM_RecordWrite(benchmark::State &state) {
    int i = 0;
    for (auto _ : state)
        writeOnce(writes().path(), ++i);
}
BENCHMARK(BM_RecordWrite)->Unit(benchmark::kMicrosecond);

void BM_ResultsExport(benchmark::State &state) {
    for (auto _ : state)
        exportOnce(exported().path());
}
BENCHMARK(BM_ResultsExport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    fillFolder(exported().path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // A record waits once for the disc (its sync); the processor time apart
    // from that wait is kept as well.
    std::vector<double> recordWrites, recordCpu;
    for (int i = 0; i < 201; ++i) {
        const double cpuStart = processCpuMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        writeOnce(writes().path(), i);
        recordWrites.push_back(millisecondsSince(start));
        recordCpu.push_back(processCpuMilliseconds() - cpuStart);
    }
    std::vector<double> exports;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        exportOnce(exported().path());
        exports.push_back(millisecondsSince(start) / 1000);
    }
    printFigure("record_write_ms", median(recordWrites), "ms", "<=", 1.7);
    std::printf("note record_write_ms: %.3f ms of it processor time, the rest waiting for the disc\n",
                median(recordCpu));
    printFigure("results_export_s", median(exports), "s", "<=", 1.0);
    return 0;
}
