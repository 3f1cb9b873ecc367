// Worksheet figures: the time to read a full catalogue of 1000 titles, to save
// a worksheet into a catalogue of 999 titles (worksheet file and catalogue,
// both written whole under the catalogue lock), and to turn a catalogue page
// until it is painted.

#include "benchworld.h"
#include "figure.h"

#include "core/module1.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/services.h"
#include "stage/fonts.h"
#include "stage/stage.h"
#include "worksheets/catalogue.h"
#include "worksheets/draft.h"
#include "worksheets/store.h"
#include "worksheets/worksheets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// Titles as long as the wizard allows.
QByteArray catalogueOf(int count) {
    QByteArray bytes = ' ' + QByteArray::number(count) + " \r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Sculptors of Athens " + QByteArray::number(10000 + i) + "\r\n";
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

WorksheetDraft sampleDraft() {
    WorksheetDraft draft;
    draft.title = QStringLiteral("Phidias, the sculptor");
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = QStringLiteral("Which of these, made by Phidias, is question %1?").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[4 * q + a] = QStringLiteral("Athena, in gold and ivory, %1").arg(a + 1);
        draft.ticks[4 * q + q % 4] = true;
    }
    return draft;
}




const QByteArray kFull = catalogueOf(1000);
const QByteArray kAlmostFull = catalogueOf(999);

void saveOnce(const QByteArray &worksheet) {
    if (!WorksheetStore().saveWorksheet(QStringLiteral("Phidias, the sculptor"), worksheet, Module1))
        std::abort();
}

worksheets &catalogueOnView() {
    if (!isLoaded<worksheets>()) {
        writeFile(QStringLiteral("multiple/track.txt"), kFull);
        form<worksheets>().showScreen();
        Stage::current().repaint();
    }
    return form<worksheets>();
}

// Forward through the 42 pages, then back to the first.
void turnPage(worksheets &screen) {
    Module1.CataloguePage = Module1.CataloguePage >= LastCataloguePage ? 0 : Module1.CataloguePage + 1;
    screen.workpage();
    // Everything the page turn changes lies on the catalogue screen.
    screen.repaint();
}

void BM_CatalogueRead(benchmark::State &state) {
    writeFile(QStringLiteral("multiple/track.txt"), kFull);
    for (auto _ : state) {
        auto shared = std::make_unique<SharedState>();
        readCatalogueFile(*shared);
        benchmark::DoNotOptimize(shared->WorksheetTitles);
    }
}
BENCHMARK(BM_CatalogueRead)->Unit(benchmark::kMicrosecond);

void BM_SaveWorksheet(benchmark::State &state) {
    const QByteArray worksheet = worksheetBytes(sampleDraft());
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(QStringLiteral("multiple/track.txt"), kAlmostFull);
        state.ResumeTiming();
        saveOnce(worksheet);
    }
}
BENCHMARK(BM_SaveWorksheet)->Unit(benchmark::kMicrosecond);

void BM_CataloguePage(benchmark::State &state) {
    worksheets &screen = catalogueOnView();
    for (auto _ : state)
        turnPage(screen);
}
BENCHMARK(BM_CataloguePage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    BenchServices benchServices;

    // The catalogue is rewritten over and over: never in the content bench/run made.
    QTemporaryDir own;
    QDir::setCurrent(own.path());
    QDir().mkpath(QStringLiteral("multiple"));

    Stage stage;
    showStage(stage);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::vector<double> reads;
    writeFile(QStringLiteral("multiple/track.txt"), kFull);
    for (int i = 0; i < 201; ++i) {
        auto state = std::make_unique<SharedState>();
        const auto start = std::chrono::steady_clock::now();
        readCatalogueFile(*state);
        reads.push_back(millisecondsSince(start));
        if (state->WorksheetCount != 1000) return 1;
    }
    // A save waits for the disc twice (the worksheet's and the catalogue's
    // sync); the processor time apart from that wait is kept as well.
    std::vector<double> saves, saveCpu;
    const QByteArray worksheet = worksheetBytes(sampleDraft());
    for (int i = 0; i < 101; ++i) {
        writeFile(QStringLiteral("multiple/track.txt"), kAlmostFull);
        const double cpuStart = processCpuMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        saveOnce(worksheet);
        saves.push_back(millisecondsSince(start));
        saveCpu.push_back(processCpuMilliseconds() - cpuStart);
    }
    std::vector<double> pages;
    worksheets &screen = catalogueOnView();
    for (int i = 0; i < 99; ++i) {
        const auto start = std::chrono::steady_clock::now();
        turnPage(screen);
        pages.push_back(millisecondsSince(start));
    }
    printFigure("catalogue_read_ms", median(reads), "ms", "<=", 1.7);
    printFigure("save_worksheet_ms", median(saves), "ms", "<=", 1.7);
    std::printf("note save_worksheet_ms: %.3f ms of it processor time, the rest waiting for the disc\n",
                median(saveCpu));
    printFigure("catalogue_page_ms", median(pages), "ms", "<=", 1.7);
    return 0;
}
