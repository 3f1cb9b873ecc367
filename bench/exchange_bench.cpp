// Exchange figures: the time to read a GIFT file of 1000 questions and take
// its first ten usable ones into the wizard's boxes, and the time to write
// one worksheet in each exchange format (GIFT, Aiken and Moodle XML).

#include "figure.h"

#include "worksheets/draft.h"
#include "worksheets/exchange.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

// A quiz as Moodle exports one: a category, names, feedback, a multi-line
// question now and then, and among the multiple choice questions some the
// wizard cannot hold (true/false, three answers, two marked right).
QByteArray giftOf(int count) {
    QString gift = QStringLiteral("// Exported from a course about ancient Greece\n"
                                  "$CATEGORY: $course$/top/Lives of Hellas\n\n");
    for (int n = 1; n <= count; ++n) {
        gift += QStringLiteral("// question: %1  name: Hero %1\n::Hero %1::").arg(n);
        switch (n % 10) {
        case 3:
            gift +=
                QStringLiteral("[html]<p>Pericles built the Parthenon in %1 BC.</p>{TRUE#Yes.}\n\n").arg(n);
            continue;
        case 6:
            gift +=
                QStringLiteral("Which of these sculpted Athena, number %1?{=Phidias ~Myron ~Polyclitus}\n\n")
                    .arg(n);
            continue;
        case 8:
            gift += QStringLiteral("Which\nof these were Athenians, number %1?\n{=Pericles =Solon ~Leonidas "
                                   "~Xerxes}\n\n")
                        .arg(n);
            continue;
        }
        gift += QStringLiteral("[html]<p>Who made the statue of Zeus at Olympia, \\{number %1\\}?</p>{\n"
                               "\t=Phidias#Right\\: in gold and ivory.\n\t~Myron#No.\n\t~Praxiteles\n"
                               "\t~%-50%Polyclitus\n}\n\n")
                    .arg(n);
    }
    return gift.toUtf8();
}

WorksheetDraft sampleDraft() {
    WorksheetDraft draft;
    draft.title = QStringLiteral("Phidias, the sculptor");
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = QStringLiteral("Which of these, made by Phidias, is question %1?").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[4 * q + a] = QStringLiteral("Athena {gold} <ivory> %1").arg(a + 1);
        draft.ticks[4 * q + q % 4] = true;
    }
    draft.questions[3] = QStringLiteral(" A blank at either end ");
    return draft;
}



QString quizPath;

void importOnce() {
    const ImportResult result = importFile(quizPath);
    if (result.taken != kQuestionsPerSet || result.remaining == 0) std::abort();
    benchmark::DoNotOptimize(result.draft);
}

void exportOnce(const WorksheetDraft &draft) {
    for (ExchangeFormat format : {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml}) {
        const QByteArray bytes = exportWorksheet(draft, format);
        if (bytes.isEmpty()) std::abort();
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_ImportGift(benchmark::State &state) {
    for (auto _ : state)
        importOnce();
}
BENCHMARK(BM_ImportGift)->Unit(benchmark::kMillisecond);

void BM_ExportEachFormat(benchmark::State &state) {
    const WorksheetDraft draft = sampleDraft();
    for (auto _ : state)
        exportOnce(draft);
}
BENCHMARK(BM_ExportEachFormat)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir own;
    quizPath = own.filePath(QStringLiteral("greece.gift"));
    QFile quiz(quizPath);
    const QByteArray gift = giftOf(1000);
    if (!quiz.open(QIODevice::WriteOnly) || quiz.write(gift) != gift.size()) return 1;
    quiz.close();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::vector<double> imports;
    for (int i = 0; i < 51; ++i) {
        const auto start = std::chrono::steady_clock::now();
        importOnce();
        imports.push_back(millisecondsSince(start));
    }
    std::vector<double> exports;
    const WorksheetDraft draft = sampleDraft();
    for (int i = 0; i < 201; ++i) {
        const auto start = std::chrono::steady_clock::now();
        exportOnce(draft);
        exports.push_back(millisecondsSince(start));
    }
    printFigure("import_gift_ms", median(imports), "ms", "<=", 50);
    printFigure("export_ms", median(exports), "ms", "<=", 5);
    return 0;
}
