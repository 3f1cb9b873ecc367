#pragma once
// The printer as the print layouts see it: a running text page measured in
// twips, with a font, a text colour, a print position, lines and pictures.

#include "core/translatedtext.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

class Messages;
class QPainter;
class QRectF;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

struct PrintFont {
    QString name;
    double points = 12;
    friend bool operator==(const PrintFont &, const PrintFont &) = default;
};

// The printer failed; whatever was being printed stops.
class PrintFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A picture that draws itself on paper at its own size.
class PrintPicture {
  public:
    virtual ~PrintPicture() = default;
    virtual QSizeF sizeTwips() const = 0;
    // Draws into target, given in the painter's own units.
    virtual void paint(QPainter &painter, const QRectF &target) const = 0;
};

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    void setFontName(const QString &name) { font_.name = name; }
    void setFontSize(double points) { font_.points = points; }
    const PrintFont &font() const { return font_; }
    void setForeColour(Rgb colour) { colour_ = colour; }
    Rgb foreColour() const { return colour_; }

    // The print position: the left edge and top of the next text.
    double currentX() const { return x_; }
    void setCurrentX(double twips) { x_ = twips; }
    double currentY() const { return y_; }

    double textWidth(const QString &text) { return measure(text, font_); }
    // Prints at the print position. A line break then moves the position down
    // one line of the current font and back to the left edge; without one the
    // position moves on past the text. A line that would run past the foot of
    // the page goes to the top of a new page.
    void print(const QString &text, bool lineBreak = true);
    // Ends the page: the next text goes at the top left of a new one.
    void endPage();

    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    // Width of the lines drawn from now on, in device pixels.
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }
    int drawWidth() const { return drawWidth_; }
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // Draws a picture at its own size with its top-left corner at (left, top).
    virtual void drawPicture(double left, double top, std::shared_ptr<const PrintPicture> picture) = 0;

    // Sends the document to the printer.
    virtual void endDoc() = 0;
    // Drops the document so that nothing of it is printed; never throws.
    virtual void abandon() noexcept = 0;

  protected:
    virtual double measure(const QString &text, const PrintFont &font) = 0;
    virtual double lineHeight(const PrintFont &font) = 0;
    virtual void drawText(double x, double y, const QString &text, const PrintFont &font, Rgb colour) = 0;
    virtual void newPage() = 0;

  private:
    PrintFont font_;
    Rgb colour_;
    double x_ = 0;
    double y_ = 0;
    int drawWidth_ = 1;
};

// Opens a document on the system's default printer; nothing when there is no
// default printer. May throw PrintFailure.
using PrinterFactory = std::function<std::unique_ptr<PrintSurface>()>;

inline constexpr TranslatedText kPrintProblem{
    "PrintSurface", QT_TRANSLATE_NOOP("PrintSurface", "There was a problem printing to your printer.")};

// Prints one document: opens the printer, draws, ends the document. A missing
// printer or a printer failure is reported with the problem message and the
// job, if begun, is abandoned: false. Any other failure abandons the job and
// goes on to the caller.
bool printDocument(const PrinterFactory &open, Messages &messages,
                   const std::function<void(PrintSurface &)> &draw);
