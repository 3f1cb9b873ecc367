#include "stage/picturebox.h"

#include "platform/pictures.h"
#include "wmf/painter.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::load(const QString &programPath) {
    ScalablePicture loaded = loadScalablePicture(programPath);
    setPicture(loaded.image, programPath);
    metafile_ = std::move(loaded.metafile);
}

void PictureBox::setPicture(const QImage &picture, const QString &source) {
    picture_ = picture;
    metafile_.reset();
    source_ = source;
    update();
}

const QImage &PictureBox::picture() const {
    if (metafile_ && picture_.isNull()) picture_ = wmf::renderDisplayList(*metafile_);
    return picture_;
}

QSize PictureBox::pictureSize() const {
    if (metafile_) return wmf::pixelSize(*metafile_);
    return picture_.size();
}

void PictureBox::clear() { setPicture({}, {}); }

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::setBackColour(const QColor &colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (back_.isValid()) painter.fillRect(rect(), back_);
    if (!hasPicture()) return;
    // The painter maps onto the display's own pixels: a drawing drawn here is
    // as sharp as the display allows, and an image that the display's scale
    // enlarges is smoothed rather than shown in blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = stretch_ ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(pictureSize()));
    if (metafile_)
        wmf::paintDisplayList(painter, *metafile_, target);
    else
        painter.drawImage(target, picture_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
