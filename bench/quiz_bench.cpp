// Quiz figures: the time to read a question set file into the shared set,
// and the time from a click on "Next Question >>" to the next question painted.

#include "benchworld.h"
#include "figure.h"

#include "core/module1.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/stage.h"
#include "topic/phidias.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

const QString kSetPath = QStringLiteral("multiple\\phidias.txt");

// A set as long as a teacher would plausibly write, with commas to unescape.
QByteArray sampleSet() {
    std::array<QuestionSetEntry, kQuestionsPerSet> entries;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        entries[q].question =
            QStringLiteral("Which of these, made by Phidias for the Parthenon, is question %1?").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            entries[q].answers[a] =
                QStringLiteral("The statue of Athena, in gold and ivory, answer %1").arg(a + 1);
        entries[q].correct = QString::number(q % 4 + 1);
    }
    return questionSetBytes(QStringLiteral("Phidias, sculptor of Athens"), entries);
}



void loadOnce() {
    SharedState state;
    if (!loadQuestionSetFile(kSetPath, state).isEmpty()) std::abort();
    benchmark::DoNotOptimize(state.Question);
}

// Keeps a quiz on view, starting again at question 1 after question 10.
multiple &quizOnView() {
    if (!isLoaded<multiple>()) {
        form<phidias>().showScreen();
        form<phidias>().label3[0]->clicked();
        QCoreApplication::processEvents();
        if (!isLoaded<multiple>()) std::abort();
    }
    multiple &quiz = form<multiple>();
    if (Module1.CurrentQuestion >= 10) {
        Module1.CurrentQuestion = 1;
        quiz.showquest();
        Stage::current().repaint();
    }
    return quiz;
}

void nextQuestion(multiple &quiz) {
    quiz.Label3[1]->clicked();
    Stage::current().repaint();
}

void BM_QuestionSetLoad(benchmark::State &state) {
    for (auto _ : state)
        loadOnce();
}
BENCHMARK(BM_QuestionSetLoad)->Unit(benchmark::kMicrosecond);

void BM_NextQuestion(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        multiple &quiz = quizOnView();
        state.ResumeTiming();
        nextQuestion(quiz);
    }
}
BENCHMARK(BM_NextQuestion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    BenchServices benchServices;

    // bench/run starts in the generated content; elsewhere a folder of our own holds the set.
    QTemporaryDir own;
    if (!QFile::exists(QStringLiteral("multiple/phidias.txt"))) {
        QDir::setCurrent(own.path());
        QDir().mkpath(QStringLiteral("multiple"));
        QFile file(QStringLiteral("multiple/phidias.txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(sampleSet()) < 0) return 1;
    }

    Stage stage;
    showStage(stage);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::vector<double> loads;
    for (int i = 0; i < 201; ++i) {
        const auto start = std::chrono::steady_clock::now();
        loadOnce();
        loads.push_back(millisecondsSince(start));
    }
    std::vector<double> nexts;
    for (int i = 0; i < 99; ++i) {
        multiple &quiz = quizOnView();
        const auto start = std::chrono::steady_clock::now();
        nextQuestion(quiz);
        nexts.push_back(millisecondsSince(start));
    }
    printFigure("questionset_load_ms", median(loads), "ms", "<=", 1.7);
    printFigure("next_question_ms", median(nexts), "ms", "<=", 1.7);
    return 0;
}
