#pragma once
// Where controls lie, as readers and magnifiers are told it. Qt's AT-SPI
// bridge reports an interface's rect() as it is, in Qt's logical pixels, but
// the program scales the whole display with Qt's scale factor: at a factor of
// 1.8 a button drawn at (793, 855) would be reported at (440, 475) and at
// little more than half its size. Every interface the program hands out gives
// its rectangle in the display's own pixels instead.

#include <QAccessibleWidget>

class QObject;
class QString;

// A rectangle in Qt's logical pixels on the display in the display's pixels:
// each screen keeps its corner, and what lies inside it is scaled by the
// scale of the widget's window.
QRect inDisplayPixels(const QRect &logical, const QWidget *widget);
// The other way, for a point a reader asks about.
QPoint fromDisplayPixels(QPoint shown, const QWidget *widget);

// The program's own interfaces derive from this one.
class DisplayPixelsAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;
    QRect rect() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
};

// For a widget whose interface Qt makes: Qt's own interface, wrapped so that
// its rectangles are in display pixels. Called from the program's interface
// factory; null for anything else.
QAccessibleInterface *qtInterfaceInDisplayPixels(QObject *object);
