#pragma once
// Carrying a control a pupil moves (a jigsaw piece, a painter's name): picked
// up, moved, put down or put back. The mouse and the keyboard drive the same
// carry, so an activity applies its drop rules in one place for both.

#include <QPointF>

class Carry {
  public:
    // What carrying does on an activity; items are told apart by index.
    class Activity {
      public:
        virtual ~Activity() = default;
        // The pointer moved over the item with `buttons` held (Buttons), at
        // `at` twips from its top-left corner.
        virtual void dragged(int item, int buttons, QPointF at) = 0;
        // The item is let go where it lies: the drop rules.
        virtual void dropped(int item) = 0;
        // The keyboard took the item up where it lies.
        virtual void pickedUp(int item) = 0;
        // The keyboard moved the carried item one place across and down.
        virtual void stepped(int item, int across, int down) = 0;
        // The item goes back to where it was taken up, without a drop.
        virtual void putBack(int item, QPointF origin) = 0;
        virtual QPointF position(int item) const = 0;
    };

    // The mouse buttons held while the pointer moves, one bit each, as the
    // activities' rules read them.
    enum Buttons { LeftButton = 1, RightButton = 2, MiddleButton = 4, OtherButton = 8 };

    // Pointer movements shorter than this, in pixels from the press, move nothing.
    explicit Carry(Activity &activity, int startDistance);

    static constexpr int None = -1;
    int carried() const { return carried_; }
    bool byKeyboard() const { return carried_ != None && keyboard_; }

    // The mouse: a press on an item, movement over it, and a release of any
    // button after a press on it.
    void press(int item, QPointF pointer);
    void move(int item, int buttons, QPointF at, QPointF pointer);
    void release(int item);

    // The keyboard: pick up, move one place, put down, put back.
    void pickUp(int item);
    void step(int across, int down);
    void putDown();
    void cancel();

  private:
    Activity &activity_;
    int startDistance_;
    int carried_ = None;
    bool keyboard_ = false;
    bool dragging_ = false;
    QPointF pressedAt_;
    QPointF origin_;
};
