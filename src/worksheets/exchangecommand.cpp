#include "worksheets/exchangecommand.h"

#include "core/textfields.h"
#include "core/wholefile.h"
#include "quiz/questionset.h"
#include "worksheets/draft.h"
#include "worksheets/exchange.h"
#include "worksheets/store.h"

#include <QFile>

namespace {

// "<title> n" within the title box: the title gives way, never the number,
// and a character is never split.
QString numberedTitle(const QString &title, int number) {
    const QString suffix = u' ' + QString::number(number);
    QString kept = title;
    while (!kept.isEmpty() && kept.size() + suffix.size() > MaxTitleLength)
        kept.chop(kept.size() > 1 && kept.back().isLowSurrogate() ? 2 : 1);
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    return kept + suffix;
}

QString quoted(const QString &text) {
    return u'"' + text + u'"';
}

} // namespace

ExchangeAnswer importWorksheetsCommand(const QString &path, const WorksheetStore &store, SharedState &state) {
    ExchangeAnswer answer;
    int saved = 0;
    int skip = 0;
    for (int number = 1;; ++number) {
        const ImportResult imported = importFile(path, skip);
        if (!imported.problem.isEmpty()) {
            answer.errors += path + QStringLiteral(": ") + imported.problem + u'\n';
            answer.exitCode = 1;
            break;
        }
        for (const PassedOver &question : imported.passedOver)
            answer.output += QStringLiteral("passed over: ") + question.line() + u'\n';
        if (imported.taken < kQuestionsPerSet) {
            answer.output += QStringLiteral("%1 usable questions left over: a worksheet needs ten\n")
                                 .arg(imported.taken);
            break;
        }
        WorksheetDraft draft = imported.draft;
        draft.title = numberedTitle(draft.title, number);
        if (const QString problem = checkDraft(draft); !problem.isEmpty()) {
            answer.errors += quoted(draft.title) + QStringLiteral(" not saved: ") + problem + u'\n';
            answer.exitCode = 1;
        } else if (const auto existing = store.existingWorksheet(draft.title)) {
            answer.errors += quoted(draft.title) + QStringLiteral(" not saved: a worksheet called ") + *existing +
                             QStringLiteral(" already exists\n");
            answer.exitCode = 1;
        } else if (const StoreResult result = store.saveWorksheet(draft.title, worksheetBytes(draft), state);
                   !result) {
            answer.errors += quoted(draft.title) + QStringLiteral(" not saved: ") + result.reason() + u'\n';
            answer.exitCode = 1;
        } else {
            answer.output += QStringLiteral("saved ") + quoted(draft.title) + u'\n';
            ++saved;
        }
        if (imported.nextSkip == 0) break;
        skip = imported.nextSkip;
    }
    answer.output += (saved == 1 ? QStringLiteral("1 worksheet saved from %2\n")
                                 : QStringLiteral("%1 worksheets saved from %2\n").arg(saved))
                         .arg(path);
    if (saved == 0) answer.exitCode = 1;
    return answer;
}

ExchangeAnswer exportWorksheetCommand(const QString &title, const QString &format, const QString &outputPath,
                                      const WorksheetStore &store) {
    ExchangeAnswer answer;
    const auto exchangeFormat = formatFromName(format);
    if (!exchangeFormat) {
        answer.exitCode = 2;
        answer.errors = QStringLiteral("--format is gift, aiken or xml, not ") + quoted(format) + u'\n';
        return answer;
    }
    const auto listed = store.existingWorksheet(title);
    QFile file(listed ? store.worksheetPath(*listed) : QString());
    if (!listed || !file.open(QIODevice::ReadOnly)) {
        answer.exitCode = 1;
        answer.errors = QStringLiteral("there is no worksheet called ") + quoted(title) + u'\n';
        return answer;
    }
    FieldReader fields = FieldReader::fromDevice(file);
    file.close();
    SharedState loaded;
    std::optional<WorksheetDraft> draft;
    if (LoadQuestionSet(fields, loaded)) draft = draftFromQuestionSet(loaded);
    const QByteArray bytes = draft ? exportWorksheet(*draft, *exchangeFormat) : QByteArray();
    if (bytes.isEmpty()) {
        answer.exitCode = 1;
        answer.errors = QStringLiteral("the worksheet ") + quoted(title) + QStringLiteral(" cannot be read") +
                        (draft ? QStringLiteral(": ") + checkDraft(*draft) : QString()) + u'\n';
        return answer;
    }
    if (const auto failed = writeFileWhole(outputPath, bytes)) {
        answer.exitCode = 1;
        answer.errors = *failed + u'\n';
        return answer;
    }
    answer.output = QStringLiteral("%1 written to %2 as %3\n").arg(quoted(title), outputPath,
                                                                  formatName(*exchangeFormat));
    return answer;
}
