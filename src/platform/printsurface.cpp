#include "platform/printsurface.h"

#include "platform/log.h"
#include "platform/messages.h"

void PrintSurface::print(const QString &text, bool lineBreak) {
    const double height = lineHeight(font_);
    if (y_ > 0 && y_ + height > pageHeight()) {
        newPage();
        y_ = 0;
    }
    drawText(x_, y_, text, font_, colour_);
    if (lineBreak) {
        x_ = 0;
        y_ += height;
    } else {
        x_ += measure(text, font_);
    }
}

void PrintSurface::endPage() {
    newPage();
    x_ = 0;
    y_ = 0;
}

bool printDocument(const PrinterFactory &open, Messages &messages,
                   const std::function<void(PrintSurface &)> &draw) {
    std::unique_ptr<PrintSurface> printer;
    try {
        if (open) printer = open();
        if (!printer) {
            qCWarning(lcPlatform) << "nothing printed: there is no default printer";
            messages.info(kPrintProblem);
            return false;
        }
        draw(*printer);
        printer->endDoc();
        return true;
    } catch (const PrintFailure &failure) {
        qCWarning(lcPlatform) << "printing failed:" << failure.what();
        if (printer) printer->abandon();
        messages.info(kPrintProblem);
        return false;
    } catch (...) {
        if (printer) printer->abandon();
        throw;
    }
}
