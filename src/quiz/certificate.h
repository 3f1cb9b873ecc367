#pragma once
// The certificate of full marks: a running text page with a "Well Done" band,
// the heading, the pupil's name and score, and a frame of nested rectangles.

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

inline const QString kCertificatePrinting = QStringLiteral("Your certificate is now printing.");
inline const QString kPrintingCancelled = QStringLiteral("Printing has been cancelled.");

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
