#include "quiz/certificate.h"

#include "platform/messages.h"

#include <QCoreApplication>

namespace certificate {

namespace {

const QString kFontName = QStringLiteral("Times New Roman");
const QString kBlank = QStringLiteral(" ");
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlack{0, 0, 0};

void printCentred(PrintSurface &out, const QString &text) {
    out.setCurrentX((out.pageWidth() - out.textWidth(text)) / 2);
    out.print(text);
}

void setText(PrintSurface &out, Rgb colour, double points) {
    out.setForeColour(colour);
    out.setFontSize(points);
}

// Four edges in the order top, left, right, bottom.
void rectangle(PrintSurface &out, double left, double top, double right, double bottom) {
    out.line(left, top, right, top, kBlack);
    out.line(left, top, left, bottom, kBlack);
    out.line(right, top, right, bottom, kBlack);
    out.line(left, bottom, right, bottom, kBlack);
}

void drawFrame(PrintSurface &out) {
    struct Margins {
        double a;
        double b;
        bool inner;
    };
    constexpr Margins kFrames[] = {
        {45, 270, true}, {90, 315, true}, {135, 360, true}, {180, 405, false}, {225, 450, false}};
    const double w = out.pageWidth();
    const double h = out.pageHeight();
    out.setDrawWidth(2);
    for (const Margins &m : kFrames) {
        rectangle(out, m.a, m.b, w - m.a, h - m.b);
        if (m.inner) rectangle(out, m.a + 600, m.b + 7050, w - m.a - 600, h - m.b - 3750);
    }
}

} // namespace

QString scoreSentence(int score, int maxScore) {
    return QCoreApplication::translate("certificate", "You have scored %1 out of %2.")
        .arg(score)
        .arg(maxScore);
}

QString wellDoneBand() {
    //: Printed twice in a row across the top and the foot of the certificate, in Times New Roman 25:
    //: keep the blanks between the words.
    const QString once = QCoreApplication::translate(
        "certificate", "   Well Done      Well Done     Well Done     Well Done    ");
    return once + once;
}

void draw(PrintSurface &out, const CertificateText &text) {
    const double w = out.pageWidth();
    out.setFontName(kFontName);

    setText(out, kBlue, 25);
    out.setCurrentX(w / 8);
    out.print(kBlank);
    out.print(wellDoneBand(), false);
    out.print(kBlank);
    out.print(kBlank);
    out.print(kBlank);

    setText(out, kRed, 36);
    printCentred(out, QCoreApplication::translate("certificate", "Lives of Hellas"));
    out.print(kBlank);

    setText(out, kBlue, text.headingWidthOnScreen > w / 4 ? 28 : 36);
    printCentred(out, text.quizHeading);
    printCentred(out, QString());
    out.setFontSize(36);
    for (int i = 0; i < 3; ++i)
        out.print(kBlank);

    setText(out, kNavy, 28);
    printCentred(out, QCoreApplication::translate("certificate", "Excellent Work"));
    out.print(kBlank);
    printCentred(out, text.pupilName);
    printCentred(out, QString());
    printCentred(out, scoreSentence(text.score, text.maxScore));
    out.print(kBlank);
    out.setFontSize(36);
    out.print(kBlank);
    out.print(kBlank);

    setText(out, kBlue, 25);
    out.print(kBlank);
    out.setForeColour(kBlack);
    out.print(wellDoneBand(), false);

    drawFrame(out);
}

bool print(const PrinterFactory &open, Messages &messages, const CertificateText &text) {
    if (!printDocument(open, messages, [&text](PrintSurface &out) { draw(out, text); })) return false;
    messages.info(kCertificatePrinting);
    return true;
}

} // namespace certificate
