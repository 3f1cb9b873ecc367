#include "worksheets/exchangecommand.h"

#include "core/textfields.h"
#include "core/wholefile.h"
#include "quiz/questionset.h"
#include "worksheets/draft.h"
#include "worksheets/exchange.h"
#include "worksheets/store.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// What the commands print for the user, in the program's language; the
// options and format names they quote are not translated.
class ExchangeCommand {
    Q_DECLARE_TR_FUNCTIONS(ExchangeCommand)
};

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

} // namespace

ExchangeAnswer importWorksheetsCommand(const QString &path, const WorksheetStore &store, SharedState &state) {
    ExchangeAnswer answer;
    int saved = 0;
    int skip = 0;
    for (int number = 1;; ++number) {
        const ImportResult imported = importFile(path, skip);
        if (!imported.problem.isEmpty()) {
            //: A file's path, then why it cannot be imported.
            answer.errors += ExchangeCommand::tr("%1: %2").arg(path, imported.problem) + u'\n';
            answer.exitCode = 1;
            break;
        }
        for (const PassedOver &question : imported.passedOver)
            answer.output += ExchangeCommand::tr("passed over: %1").arg(question.line()) + u'\n';
        if (imported.taken < kQuestionsPerSet) {
            answer.output += ExchangeCommand::tr("%n usable questions left over: a worksheet needs ten",
                                                 nullptr, imported.taken) +
                             u'\n';
            break;
        }
        WorksheetDraft draft = imported.draft;
        draft.title = numberedTitle(draft.title, number);
        if (const QString problem = checkDraft(draft); !problem.isEmpty()) {
            answer.errors += ExchangeCommand::tr("\"%1\" not saved: %2").arg(draft.title, problem) + u'\n';
            answer.exitCode = 1;
        } else if (const auto existing = store.existingWorksheet(draft.title)) {
            answer.errors += ExchangeCommand::tr("\"%1\" not saved: a worksheet called %2 already exists")
                                 .arg(draft.title, *existing) +
                             u'\n';
            answer.exitCode = 1;
        } else if (const StoreResult result = store.saveWorksheet(draft.title, worksheetBytes(draft), state);
                   !result) {
            answer.errors +=
                ExchangeCommand::tr("\"%1\" not saved: %2").arg(draft.title, result.reason()) + u'\n';
            answer.exitCode = 1;
        } else {
            answer.output += ExchangeCommand::tr("saved \"%1\"").arg(draft.title) + u'\n';
            ++saved;
        }
        if (imported.nextSkip == 0) break;
        skip = imported.nextSkip;
    }
    // The plural sentence is never used for one, which has its own.
    answer.output +=
        (saved == 1 ? ExchangeCommand::tr("1 worksheet saved from %1").arg(path)
                    : ExchangeCommand::tr("%n worksheets saved from %1", nullptr, saved).arg(path)) +
        u'\n';
    if (saved == 0) answer.exitCode = 1;
    return answer;
}

ExchangeAnswer exportWorksheetCommand(const QString &title, const QString &format, const QString &outputPath,
                                      const WorksheetStore &store) {
    ExchangeAnswer answer;
    const auto exchangeFormat = formatFromName(format);
    if (!exchangeFormat) {
        answer.exitCode = 2;
        //: The option and the three format names are typed as they stand.
        answer.errors = ExchangeCommand::tr("--format is gift, aiken or xml, not \"%1\"").arg(format) + u'\n';
        return answer;
    }
    const auto listed = store.existingWorksheet(title);
    QFile file(listed ? store.worksheetPath(*listed) : QString());
    if (!listed || !file.open(QIODevice::ReadOnly)) {
        answer.exitCode = 1;
        answer.errors = ExchangeCommand::tr("there is no worksheet called \"%1\"").arg(title) + u'\n';
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
        answer.errors = (draft ? ExchangeCommand::tr("the worksheet \"%1\" cannot be read: %2")
                                     .arg(title, checkDraft(*draft))
                               : ExchangeCommand::tr("the worksheet \"%1\" cannot be read").arg(title)) +
                        u'\n';
        return answer;
    }
    if (const auto failed = writeFileWhole(outputPath, bytes)) {
        answer.exitCode = 1;
        answer.errors = *failed + u'\n';
        return answer;
    }
    //: %3 is the format's name: GIFT, Aiken, Moodle XML or worksheet.
    answer.output = ExchangeCommand::tr("\"%1\" written to %2 as %3")
                        .arg(title, outputPath, formatName(*exchangeFormat)) +
                    u'\n';
    return answer;
}
