// Feeds arbitrary bytes to the question set reader as a file would reach it:
// decoded, read field by field, loaded into a shared state, then marked as
// the quiz marks it, written again and read back.

#include "core/textfields.h"
#include "quiz/marking.h"
#include "quiz/questionset.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    FieldReader reader(decodeText(bytes));
    SharedState state;
    LoadQuestionSet(reader, state);
    for (int q = 1; q <= kQuestionsPerSet; ++q) {
        for (int selected = 1; selected <= 5; ++selected)
            state.QuestionScore[q] |= quizmarks::mark(state.CorrectAnswer[q], selected);
    }
    // Whatever was read can be written as a whole file, and reads back with
    // every text as it was.
    const QByteArray written = questionSetBytes(state);
    if (written.count('\n') != kQuestionSetFields) __builtin_trap();
    FieldReader again(decodeText(written));
    SharedState back;
    if (!LoadQuestionSet(again, back) || back.SetTitle != state.SetTitle) __builtin_trap();
    for (int q = 1; q <= kQuestionsPerSet; ++q) {
        if (back.Question[q] != state.Question[q] || back.AnswerA[q] != state.AnswerA[q] ||
            back.AnswerB[q] != state.AnswerB[q] || back.AnswerC[q] != state.AnswerC[q] ||
            back.AnswerD[q] != state.AnswerD[q])
            __builtin_trap();
    }
    return 0;
}
