#include "stage/labelbutton.h"

#include "stage/screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LabelButton::LabelButton(const QString &caption, QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCaption(caption);
}

void LabelButton::setCaption(const QString &caption) {
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void LabelButton::setBackColour(const QColor &colour) {
    back_ = colour;
    update();
}

void LabelButton::setTextColour(const QColor &colour) {
    text_ = colour;
    update();
}

void LabelButton::setOpaque(bool opaque) {
    if (opaque_ == opaque) return;
    opaque_ = opaque;
    update();
}

void LabelButton::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

void LabelButton::press() {
    if (isEnabled() && isVisible()) Q_EMIT clicked();
}

void LabelButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (opaque_) painter.fillRect(rect(), back_);
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(frame);
    painter.setFont(font());
    painter.setPen(isEnabled() ? text_ : QColor(128, 128, 128));
    painter.drawText(captionRect(), captionFlags(), caption_);
    if (hasFocus() && Screen::keyboardCuesShownFor(this)) Screen::drawFocusFrame(painter, rect());
}

void LabelButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

void LabelButton::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    Q_EMIT hovered();
}

void LabelButton::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!Screen::keyboardCuesShownFor(this)) {
            event->ignore();
            return;
        }
        event->accept();
        Q_EMIT clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LabelButton::changeEvent(QEvent *event) {
    if (event->type() == QEvent::EnabledChange) {
        pressed_ = false;
        setFocusPolicy(isEnabled() ? Qt::TabFocus : Qt::NoFocus);
        update();
    }
    QWidget::changeEvent(event);
}
