#include "shell/picturebox.h"

#include "platform/pictures.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::load(const QString &programPath) { setPicture(loadPicture(programPath), programPath); }

void PictureBox::setPicture(const QImage &picture, const QString &source) {
    picture_ = picture;
    source_ = source;
    update();
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
    if (picture_.isNull()) return;
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
