#pragma once
// What every exchange reader must keep to on any bytes, for the fuzz targets
// of the three formats: the questions taken fit the wizard's boxes, with
// exactly one tick each; a file refused fills nothing; and what was taken,
// written in each format, reads back as the same boxes.

#include "worksheets/draft.h"
#include "worksheets/exchange.h"
#include "worksheets/store.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

inline bool sameBoxes(const WorksheetDraft &a, const WorksheetDraft &b) {
    return a.title == b.title && a.questions == b.questions && a.answers == b.answers && a.ticks == b.ticks;
}

inline bool holdable(const QString &text, int box) {
    return !text.isEmpty() && text.size() <= box && !text.contains(u'&') && !text.contains(u'\n') &&
           !text.contains(u'\r');
}

inline int checkExchangeReader(ExchangeFormat format, const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // The format the content shows, whatever it is, and then the one the target reads.
    (void)importQuestions(bytes, QStringLiteral("fuzz")).message();
    const ImportResult result = importQuestionsAs(format, bytes, QStringLiteral("fuzz"), int(size % 3));
    (void)result.message();
    if (!result.problem.isEmpty() && result.taken != 0) __builtin_trap();
    if (result.taken < 0 || result.taken > kQuestionsPerSet || result.remaining < 0) __builtin_trap();
    WorksheetDraft draft = result.draft;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        int ticks = 0;
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            ticks += draft.ticks[i] ? 1 : 0;
            if (q < result.taken && !holdable(draft.answers[i], kAnswerBoxLength)) __builtin_trap();
            if (q >= result.taken && !draft.answers[i].isEmpty()) __builtin_trap();
            if (q >= result.taken) draft.answers[i] = QStringLiteral("A");
        }
        if (q < result.taken && (ticks != 1 || !holdable(draft.questions[q], kQuestionBoxLength)))
            __builtin_trap();
        if (q >= result.taken) {
            if (ticks != 0 || !draft.questions[q].isEmpty()) __builtin_trap();
            draft.questions[q] = QStringLiteral("Q");
            draft.ticks[kAnswersPerQuestion * q] = true;
        }
    }
    if (result.taken == 0) return 0;
    if (!titleProblem(draft.title).isEmpty() || draft.title.isEmpty()) draft.title = QStringLiteral("Fuzz");
    if (!checkDraft(draft).isEmpty()) __builtin_trap();
    for (const ExchangeFormat written : {ExchangeFormat::Gift, ExchangeFormat::Aiken,
                                         ExchangeFormat::MoodleXml, ExchangeFormat::Worksheet}) {
        const ImportResult back = importQuestions(exportWorksheet(draft, written), draft.title);
        if (back.format != written || !sameBoxes(back.draft, draft)) __builtin_trap();
    }
    return 0;
}
