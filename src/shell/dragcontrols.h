#pragma once
// Mouse handling for controls a pupil drags: the screen gets each control's
// moves, in twips relative to the control with the buttons held, and its
// releases, whichever button is let go.

#include <QList>
#include <QObject>
#include <QPointF>
#include <functional>

class QWidget;

class DragControls : public QObject {
  public:
    // The buttons held, as the activities' rules take them: 1 left, 2 right,
    // 4 middle, 8 any other.
    static int buttonState(Qt::MouseButtons buttons);

    using Move = std::function<void(int index, int buttons, QPointF twips)>;
    using Release = std::function<void(int index)>;

    DragControls(QList<QWidget *> controls, Move move, Release release, QObject *parent);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QList<QWidget *> controls_;
    Move move_;
    Release release_;
};
