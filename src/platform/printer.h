#pragma once
// The print surface on the system's default printer, and pictures for paper.

#include "platform/printsurface.h"

#include <QImage>

// A document on the system's default printer, or nothing when the system has
// no default printer: a job is never sent to some other queue instead. The
// page is kept until endDoc, so a routine stopped by a failure prints nothing.
std::unique_ptr<PrintSurface>
openDefaultPrinter(const QString &documentName = QStringLiteral("Lives of Hellas"));

// An image on paper at its own size: each pixel of the screen is 15 twips.
class ImagePrintPicture final : public PrintPicture {
  public:
    explicit ImagePrintPicture(QImage image) : image_(std::move(image)) {}
    QSizeF sizeTwips() const override;
    void paint(QPainter &painter, const QRectF &target) const override;

  private:
    QImage image_;
};
