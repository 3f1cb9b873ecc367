#include "quiz/worksheetprint.h"

#include "core/module1.h"
#include "platform/messages.h"
#include "quiz/marking.h"

namespace worksheetprint {

namespace {

const QString kBlank = QStringLiteral(" ");

void printCentred(PrintSurface &out, const QString &text) {
    out.setCurrentX((out.pageWidth() - out.textWidth(text)) / 2);
    out.print(text);
}

} // namespace

WorksheetText fromSet(const SharedState &set, const QString &heading, const QString &title) {
    return {heading,     title,       set.Question,     set.AnswerA, set.AnswerB,
            set.AnswerC, set.AnswerD, set.CorrectAnswer};
}

QString headerLine() {
    return QStringLiteral("Lives of Hellas") + QString(57, u' ') + QStringLiteral("Larkspur Publishing Ltd");
}

void draw(PrintSurface &out, const WorksheetText &text) {
    const double w = out.pageWidth();
    out.setFontName(QStringLiteral("Times New Roman"));
    out.setFontSize(16);
    out.setCurrentX(w / 8);
    out.print(kBlank);
    out.setCurrentX(w / 16);
    out.print(headerLine(), false);
    out.print(kBlank);
    out.print(kBlank);

    out.setFontSize(32);
    printCentred(out, text.heading);
    printCentred(out, text.title);
    out.print(kBlank);

    out.setFontSize(12);
    for (int q = 1; q <= 10; ++q) {
        out.setCurrentX(w / 16);
        out.print(QStringLiteral("Question") + quizmarks::number(q) + QStringLiteral("    ") +
                  text.question[q]);
        out.setCurrentX(2 * w / 6);
        out.print(QStringLiteral("A. ") + text.answerA[q], false);
        out.setCurrentX(4 * w / 6);
        out.print(QStringLiteral("B. ") + text.answerB[q]);
        out.setCurrentX(2 * w / 6);
        out.print(QStringLiteral("C. ") + text.answerC[q], false);
        out.setCurrentX(4 * w / 6);
        out.print(QStringLiteral("D. ") + text.answerD[q]);
        out.print(kBlank);
    }
}

void drawAnswerKey(PrintSurface &out, const WorksheetText &text) {
    out.endPage();
    out.setFontName(QStringLiteral("Times New Roman"));
    out.setFontSize(32);
    printCentred(out, text.title);
    printCentred(out, QStringLiteral("Answers"));
    out.print(kBlank);

    out.setFontSize(12);
    const std::array<const std::array<QString, 11> *, 4> answers = {&text.answerA, &text.answerB, &text.answerC,
                                                                    &text.answerD};
    for (int q = 1; q <= 10; ++q) {
        QString line = QString::number(q) + u'.';
        // A worksheet whose correct answer names none of the four has
        // nothing to mark right: its line stays without a letter.
        bool isNumber = false;
        const int correct = text.correctAnswer[q].trimmed().toInt(&isNumber);
        if (isNumber && correct >= 1 && correct <= 4)
            line += u' ' + QString(QChar(u'A' + correct - 1)) + QStringLiteral("  ") + (*answers[correct - 1])[q];
        out.setCurrentX(out.pageWidth() / 16);
        out.print(line);
    }
}

bool wantsAnswerKey(ClassroomMode mode, Messages &messages) {
    return mode == ClassroomMode::Teacher && messages.confirm(kAskAnswerKey);
}

bool print(const PrinterFactory &open, Messages &messages, const WorksheetText &text, bool withAnswerKey) {
    // Nothing above the quiz screen reports a failure, so every failure of
    // the print is reported here.
    try {
        const auto drawAll = [&text, withAnswerKey](PrintSurface &out) {
            draw(out, text);
            if (withAnswerKey) drawAnswerKey(out, text);
        };
        if (!printDocument(open, messages, drawAll)) return false;
    } catch (const std::exception &) {
        messages.info(kPrintProblem);
        return false;
    }
    messages.info(kWorksheetPrinting);
    return true;
}

} // namespace worksheetprint
