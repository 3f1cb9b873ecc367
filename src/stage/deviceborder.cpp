#include "stage/deviceborder.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Lets its widget paint itself, then draws the border over it.
class BorderPainter : public QObject {
  public:
    BorderPainter(QWidget *widget, const QColor &colour, int lineWidth)
        : QObject(widget), colour_(colour), lineWidth_(lineWidth) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto *widget = static_cast<QWidget *>(watched);
        // The widget's own handler, called directly (through QObject, where it
        // is public), is not filtered again.
        static_cast<QObject *>(widget)->event(event);
        QPainter painter(widget);
        drawDeviceBorder(painter, widget->size(), colour_, lineWidth_);
        return true;
    }

  private:
    QColor colour_;
    int lineWidth_;
};

} // namespace

void drawDeviceBorder(QPainter &painter, const QSize &size, const QColor &colour, int lineWidth) {
    if (size.isEmpty() || lineWidth <= 0) return;
    const QTransform toDevice = painter.deviceTransform();
    bool invertible = false;
    const QTransform fromDevice = toDevice.inverted(&invertible);
    if (!invertible || toDevice.type() > QTransform::TxScale) {
        // Turned or sheared: no pixel grid to keep to.
        painter.save();
        painter.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double inset = lineWidth / 2.0;
        painter.drawRect(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(inset, inset, -inset, -inset));
        painter.restore();
        return;
    }
    // The whole device pixels inside the widget. Qt clips a widget to its
    // rectangle scaled and rounded, which always holds these.
    const QRectF exact = toDevice.mapRect(QRectF(QPointF(0, 0), QSizeF(size)));
    constexpr double kSlack = 1e-6;
    const int left = static_cast<int>(std::ceil(exact.left() - kSlack));
    const int top = static_cast<int>(std::ceil(exact.top() - kSlack));
    const int right = static_cast<int>(std::floor(exact.right() + kSlack)); // past the last column
    const int bottom = static_cast<int>(std::floor(exact.bottom() + kSlack));
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0) return;
    const int across =
        std::clamp(static_cast<int>(std::lround(lineWidth * std::abs(toDevice.m11()))), 1, width);
    const int down =
        std::clamp(static_cast<int>(std::lround(lineWidth * std::abs(toDevice.m22()))), 1, height);

    painter.save();
    // Device pixels from here on: the world transform undoes the rest.
    painter.setWorldTransform(fromDevice * painter.worldTransform());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(left, top, width, down), colour);
    painter.fillRect(QRect(left, bottom - down, width, down), colour);
    painter.fillRect(QRect(left, top, across, height), colour);
    painter.fillRect(QRect(right - across, top, across, height), colour);
    painter.restore();
}

void addDeviceBorder(QWidget *widget, const QColor &colour, int lineWidth) {
    widget->installEventFilter(new BorderPainter(widget, colour, lineWidth));
    widget->update();
}
