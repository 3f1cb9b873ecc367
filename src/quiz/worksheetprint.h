#pragma once
// The paper worksheet of a question set: a header line, the heading and title,
// then the ten questions, each with its four answers in two columns.

#include "platform/printsurface.h"

#include <QString>
#include <array>

class Messages;
struct SharedState;

struct WorksheetText {
    QString heading;
    QString title;
    // Entries 1 to 10 are used, as in the shared question set.
    std::array<QString, 11> question;
    std::array<QString, 11> answerA;
    std::array<QString, 11> answerB;
    std::array<QString, 11> answerC;
    std::array<QString, 11> answerD;
};

inline const QString kWorksheetPrinting = QStringLiteral("Your worksheet is now printing.");

namespace worksheetprint {

// The questions and answers of the shared set under the given heading and title.
WorksheetText fromSet(const SharedState &set, const QString &heading, const QString &title);

// The product name and the publisher at the two ends of the header line.
QString headerLine();

void draw(PrintSurface &out, const WorksheetText &text);

// Prints the worksheet and says so; a printer failure is reported with the
// problem message instead and nothing is printed.
bool print(const PrinterFactory &open, Messages &messages, const WorksheetText &text);

} // namespace worksheetprint
