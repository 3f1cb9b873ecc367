#pragma once
// Borders that show whole at any scale factor. At a fractional factor (1.28
// on a 1366 x 768 or 1024 x 768 display) a widget's edges fall between
// device pixels, and the one-pixel line a QFrame box or a style sheet border
// draws along them may land on a pixel the widget does not cover: that edge
// then vanishes. These borders are drawn along the whole device pixels
// inside the widget instead.

#include <QColor>

class QPainter;
class QSize;
class QWidget;

// Draws a border lineWidth logical pixels wide (never less than one device
// pixel) along the inside of the outermost device pixels that the painter's
// rectangle of `size` logical pixels wholly covers.
void drawDeviceBorder(QPainter &painter, const QSize &size, const QColor &colour, int lineWidth = 1);

// Borders a widget in `colour`, drawn each time the widget has drawn itself,
// so above its background and content (its children lie above it). The
// widget's own frame or style sheet border is left as it is: a QFrame is to
// have none, a label's style sheet a transparent one of the same width, so
// its text stays where it was.
void addDeviceBorder(QWidget *widget, const QColor &colour, int lineWidth = 1);
