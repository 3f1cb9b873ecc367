#pragma once
// The certificate of full marks: a running text page with a "Well Done" band,
// the heading, the pupil's name and score, and a frame of nested rectangles.

#include "core/translatedtext.h"
#include "platform/printsurface.h"

#include <QString>

class Messages;

struct CertificateText {
    QString quizHeading;
    QString pupilName;
    int score = 0;
    int maxScore = 0;
    // The heading's width in the results screen's own font, in twips: a
    // heading wide on screen is printed smaller.
    double headingWidthOnScreen = 0;
};

inline constexpr TranslatedText kCertificatePrinting{
    "certificate", QT_TRANSLATE_NOOP("certificate", "Your certificate is now printing.")};
inline constexpr TranslatedText kPrintingCancelled{
    "certificate", QT_TRANSLATE_NOOP("certificate", "Printing has been cancelled.")};

namespace certificate {

// "You have scored 10 out of 10."
QString scoreSentence(int score, int maxScore);
// The decorative band printed at the top and foot of the page.
QString wellDoneBand();

void draw(PrintSurface &out, const CertificateText &text);

// Prints the certificate on the printer and says so; a printer failure is
// reported with the problem message instead and nothing is printed.
bool print(const PrinterFactory &open, Messages &messages, const CertificateText &text);

} // namespace certificate
