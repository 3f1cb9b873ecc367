#include "platform/printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <vector>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerScreenPixel = 15;

QFont printerFont(const PrintFont &font) {
    QFont qfont(font.name);
    qfont.setPointSizeF(font.points > 0 ? font.points : 1);
    return qfont;
}

QColor toColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

class PrinterSurface final : public PrintSurface {
  public:
    PrinterSurface(const QPrinterInfo &info, const QString &documentName)
        : printer_(info, QPrinter::HighResolution) {
        printer_.setDocName(documentName);
        printer_.setFullPage(false);
        if (!printer_.isValid() || printer_.resolution() <= 0)
            throw PrintFailure("the printer cannot be opened");
        unitsPerTwip_ = printer_.resolution() / kTwipsPerInch;
        const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
        if (page.isEmpty()) throw PrintFailure("the printer has no page size");
        width_ = page.width() / unitsPerTwip_;
        height_ = page.height() / unitsPerTwip_;
        pages_.emplace_back();
    }

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }

    void line(double x1, double y1, double x2, double y2, Rgb colour) override {
        const double u = unitsPerTwip_;
        QPen pen(toColour(colour));
        pen.setWidthF(drawWidth());
        pen.setCapStyle(Qt::SquareCap);
        draw([pen, from = QPointF(x1 * u, y1 * u), to = QPointF(x2 * u, y2 * u)](QPainter &painter) {
            painter.setPen(pen);
            painter.drawLine(from, to);
        });
    }

    void drawPicture(double left, double top, std::shared_ptr<const PrintPicture> picture) override {
        if (!picture) return;
        const double u = unitsPerTwip_;
        const QSizeF size = picture->sizeTwips();
        const QRectF target(left * u, top * u, size.width() * u, size.height() * u);
        draw([picture = std::move(picture), target](QPainter &painter) {
            painter.save();
            picture->paint(painter, target);
            painter.restore();
        });
    }

    void endDoc() override {
        if (ended_) throw PrintFailure("the document has already ended");
        ended_ = true;
        QPainter painter;
        if (!painter.begin(&printer_)) throw PrintFailure("the printer cannot start the document");
        bool failed = false;
        for (std::size_t page = 0; page < pages_.size() && !failed; ++page) {
            if (page > 0 && !printer_.newPage()) failed = true;
            for (const auto &operation : pages_[page])
                operation(painter);
            if (printer_.printerState() == QPrinter::Error) failed = true;
        }
        if (failed) {
            printer_.abort();
            painter.end();
            throw PrintFailure("the printer failed while printing");
        }
        if (!painter.end() || printer_.printerState() == QPrinter::Error)
            throw PrintFailure("the printer could not finish the document");
    }

    void abandon() noexcept override {
        ended_ = true;
        pages_.clear();
    }

  protected:
    double measure(const QString &text, const PrintFont &font) override {
        return QFontMetricsF(printerFont(font), &printer_).horizontalAdvance(text) / unitsPerTwip_;
    }

    double lineHeight(const PrintFont &font) override {
        return QFontMetricsF(printerFont(font), &printer_).lineSpacing() / unitsPerTwip_;
    }

    void drawText(double x, double y, const QString &text, const PrintFont &font, Rgb colour) override {
        const QFont qfont = printerFont(font);
        const double ascent = QFontMetricsF(qfont, &printer_).ascent();
        const QPointF baseline(x * unitsPerTwip_, y * unitsPerTwip_ + ascent);
        draw([qfont, baseline, text, pen = QPen(toColour(colour))](QPainter &painter) {
            painter.setFont(qfont);
            painter.setPen(pen);
            painter.drawText(baseline, text);
        });
    }

    void newPage() override { pages_.emplace_back(); }

  private:
    void draw(std::function<void(QPainter &)> operation) {
        if (ended_) throw PrintFailure("the document has ended");
        pages_.back().push_back(std::move(operation));
    }

    QPrinter printer_;
    double unitsPerTwip_ = 1;
    double width_ = 0;
    double height_ = 0;
    bool ended_ = false;
    // Each page as the drawing to replay on the printer when the document ends.
    std::vector<std::vector<std::function<void(QPainter &)>>> pages_;
};

} // namespace

std::unique_ptr<PrintSurface> openDefaultPrinter(const QString &documentName) {
    // A printer built from a null default silently takes the first queue or
    // prints to nowhere, so no default means no printer.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<PrinterSurface>(info, documentName);
}

QSizeF ImagePrintPicture::sizeTwips() const {
    return QSizeF(image_.size()) * kTwipsPerScreenPixel;
}

void ImagePrintPicture::paint(QPainter &painter, const QRectF &target) const {
    if (image_.isNull()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}
