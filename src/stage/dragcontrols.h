#pragma once
// Input for the controls a pupil carries: the mouse's presses, moves and
// releases, taps, and the keyboard's Enter, Space, arrows and Escape drive
// one carry; the focused control shows a frame once keyboard cues are on,
// and a held one always.

#include "core/carry.h"

#include <QList>
#include <QObject>
#include <memory>

class QWidget;

class DragControls : public QObject {
  public:
    // The buttons held, as the activities' rules take them: 1 left, 2 right,
    // 4 middle, 8 any other.
    static int buttonState(Qt::MouseButtons buttons);

    DragControls(QList<QWidget *> controls, Carry::Activity &activity, QObject *parent);
    ~DragControls() override;

    const Carry &carry() const { return *carry_; }
    // Where a tap puts a held control: the places and the screen's own
    // background, whose taps go to the carry as positions on the screen.
    void addTapTargets(const QList<QWidget *> &targets);
    // The press action of assistive technology: picks the control up, or
    // puts it down when it is carried.
    void press(int index);

    // The controls of this kind, for their accessible interface.
    static DragControls *of(const QObject *control);
    int indexOf(const QObject *control) const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool keyPress(int index, int key);
    bool tapTargetEvent(QWidget *target, QEvent *event);
    // The held control has the focus and shows its frame.
    void showHeld();

    QList<QWidget *> controls_;
    QList<QWidget *> tapTargets_;
    QList<QWidget *> frames_;
    int shownHeld_ = Carry::None;
    std::unique_ptr<Carry> carry_;
};
