#include "shell/dragcontrols.h"

#include "shell/twips.h"

#include <QMouseEvent>
#include <QWidget>

int DragControls::buttonState(Qt::MouseButtons buttons) {
    int state = 0;
    if (buttons & Qt::LeftButton) state |= 1;
    if (buttons & Qt::RightButton) state |= 2;
    if (buttons & Qt::MiddleButton) state |= 4;
    if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) state |= 8;
    return state;
}

DragControls::DragControls(QList<QWidget *> controls, Move move, Release release, QObject *parent)
    : QObject(parent), controls_(std::move(controls)), move_(std::move(move)), release_(std::move(release)) {
    for (QWidget *control : std::as_const(controls_)) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
}

bool DragControls::eventFilter(QObject *watched, QEvent *event) {
    const qsizetype index = controls_.indexOf(static_cast<QWidget *>(watched));
    if (index < 0) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The press is the control's own, so its release comes back to it too.
        event->accept();
        return true;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        move_(int(index), buttonState(mouse->buttons()), mouse->position() * kTwipsPerPixel);
        return true;
    }
    case QEvent::MouseButtonRelease:
        release_(int(index));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
