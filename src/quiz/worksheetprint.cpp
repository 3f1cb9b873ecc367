#include "quiz/worksheetprint.h"

#include "core/module1.h"
#include "platform/messages.h"
#include "quiz/marking.h"

#include <QCoreApplication>

namespace worksheetprint {

namespace {

const QString kBlank = QStringLiteral(" ");

void printCentred(PrintSurface &out, const QString &text) {
    out.setCurrentX((out.pageWidth() - out.textWidth(text)) / 2);
    out.print(text);
}

// "B. Athens": an answer of the worksheet after its letter.
QString answerLine(int option, const QString &answer) {
    return QCoreApplication::translate("worksheetprint", "%1. %2")
        .arg(quizmarks::answerLetter(option), answer);
}

} // namespace

WorksheetText fromSet(const SharedState &set, const QString &heading, const QString &title) {
    return {heading,     title,       set.Question,     set.AnswerA, set.AnswerB,
            set.AnswerC, set.AnswerD, set.CorrectAnswer};
}

QString headerLine() {
    return QCoreApplication::translate("worksheetprint", "Lives of Hellas") + QString(57, u' ') +
           QCoreApplication::translate("worksheetprint", "Larkspur Publishing Ltd");
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
        //: A question of the printed worksheet: its number, then its text.
        out.print(QCoreApplication::translate("worksheetprint", "Question %1    %2")
                      .arg(QString::number(q), text.question[q]));
        out.setCurrentX(2 * w / 6);
        out.print(answerLine(1, text.answerA[q]), false);
        out.setCurrentX(4 * w / 6);
        out.print(answerLine(2, text.answerB[q]));
        out.setCurrentX(2 * w / 6);
        out.print(answerLine(3, text.answerC[q]), false);
        out.setCurrentX(4 * w / 6);
        out.print(answerLine(4, text.answerD[q]));
        out.print(kBlank);
    }
}

void drawAnswerKey(PrintSurface &out, const WorksheetText &text) {
    out.endPage();
    out.setFontName(QStringLiteral("Times New Roman"));
    out.setFontSize(32);
    printCentred(out, text.title);
    //: The heading of the answer key's page, under the worksheet's title.
    printCentred(out, QCoreApplication::translate("worksheetprint", "Answers"));
    out.print(kBlank);

    out.setFontSize(12);
    const std::array<const std::array<QString, 11> *, 4> answers = {&text.answerA, &text.answerB, &text.answerC,
                                                                    &text.answerD};
    for (int q = 1; q <= 10; ++q) {
        //: A line of the answer key for a question without a correct answer: its number alone.
        QString line = QCoreApplication::translate("worksheetprint", "%1.").arg(q);
        // A worksheet whose correct answer names none of the four has
        // nothing to mark right: its line stays without a letter.
        bool isNumber = false;
        const int correct = text.correctAnswer[q].trimmed().toInt(&isNumber);
        if (isNumber && correct >= 1 && correct <= 4)
            //: A line of the answer key: the question's number, the letter of its correct answer, the answer.
            line = QCoreApplication::translate("worksheetprint", "%1. %2  %3")
                       .arg(QString::number(q), quizmarks::answerLetter(correct), (*answers[correct - 1])[q]);
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
