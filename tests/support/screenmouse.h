#pragma once
// The mouse as a pupil uses it, for the screen tests of the jigsaw and the
// matching. Define QTEST_QPA_MOUSE_HANDLING before including this, so that a
// press grabs the widget and the moves and release that follow reach it.

#include "core/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

inline QPoint pixels(QPointF twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

// Presses `button` over the middle of `item`, moves the pointer in steps to
// `to` (pixels in the screen), and releases it there.
inline void drag(QWidget *screen, QWidget *item, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint from = item->pos() + QPoint(item->width() / 2, item->height() / 2);
    QTest::mousePress(item, button, {}, item->mapFrom(screen, from));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(screen, from + (to - from) * step / 4);
    QTest::mouseRelease(screen, button, {}, to);
}

// A press and release without moving, at `at` in `widget`: whatever lies
// there takes it.
inline void tap(QWidget *widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}
inline void tap(QWidget *widget) {
    tap(widget, widget->rect().center());
}

// The pointer passing over the widget with no button held.
inline void moveOver(QWidget *widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
inline void moveOver(QWidget *widget) {
    moveOver(widget, widget->rect().center());
}
