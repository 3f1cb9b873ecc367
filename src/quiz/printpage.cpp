// The print routines of the results and quiz screens: they gather what the
// screens show and hand it to the print layouts.

#include "core/module1.h"
#include "platform/services.h"
#include "quiz/certificate.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/worksheetprint.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

void Welldone::Printpage() {
    CertificateText text;
    text.quizHeading = Module1.QuizHeading;
    text.pupilName = Text1->text().left(NameLength);
    text.score = Module1.Score;
    text.maxScore = Module1.MaxScore;
    text.headingWidthOnScreen = toTwips(QFontMetricsF(font()).horizontalAdvance(Module1.QuizHeading));
    certificate::print(services().printer, *services().messages, text);
}

void multiple::Printpage() {
    const bool withAnswerKey = worksheetprint::wantsAnswerKey(services().classroom.mode, *services().messages);
    worksheetprint::print(services().printer, *services().messages,
                          worksheetprint::fromSet(Module1, Label5->text(), Label6->text()), withAnswerKey);
}
