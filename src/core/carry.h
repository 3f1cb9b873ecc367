#pragma once
// Carrying a control a pupil moves (a jigsaw piece, a painter's name): picked
// up, moved, put down or put back. The mouse, taps and the keyboard drive the
// same carry, so an activity applies its drop rules in one place for all.

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
        // A tap at `at` twips on the screen while the item is held: the item
        // moves onto the place there, without the drop rules; false when no
        // place is there.
        virtual bool tappedAt(int item, QPointF at) = 0;
        // A tap on another item while the item is held: the item moves into
        // the other's place, without the drop rules; false when that place
        // takes no other, so the tapped item is taken up instead.
        virtual bool tappedOn(int item, int other) = 0;
        virtual QPointF position(int item) const = 0;
    };

    // The mouse buttons held while the pointer moves, one bit each, as the
    // activities' rules read them.
    enum Buttons { LeftButton = 1, RightButton = 2, MiddleButton = 4, OtherButton = 8 };

    // Pointer movements shorter than this, in pixels from the press, move nothing.
    explicit Carry(Activity &activity, int startDistance);

    static constexpr int None = -1;
    // The item held, or else the one the pointer pressed.
    int carried() const { return held_ != None ? held_ : pressed_; }
    // An item was taken up by a key or a tap and waits for one to put it down.
    bool held() const { return held_ != None; }

    // The pointer: a press on an item, movement over it, and a release of any
    // button after a press on it. A release before the pointer went the
    // start distance is a tap: it takes the item up, or puts it back when it
    // is held; while another is held, the held one goes into the tapped
    // one's place or, when that place takes no other, back, and the tapped
    // one is taken up.
    void press(int item, QPointF pointer);
    void move(int item, int buttons, QPointF at, QPointF pointer);
    void release(int item);
    // A press and release on the screen off the items, at `at` twips: a tap
    // there puts the held item onto the place there, or back when none is.
    void pressElsewhere(QPointF pointer);
    void releaseElsewhere(QPointF at, QPointF pointer);

    // The keyboard: pick up, move one place, put down, put back.
    void pickUp(int item);
    void step(int across, int down);
    void putDown();
    void cancel();

  private:
    bool isTap(QPointF pointer) const { return (pointer - pressedAt_).manhattanLength() < startDistance_; }
    void tap(int item);

    Activity &activity_;
    int startDistance_;
    int held_ = None;
    int pressed_ = None;
    bool dragging_ = false;
    bool pressedElsewhere_ = false;
    QPointF pressedAt_;
    QPointF origin_;
};
