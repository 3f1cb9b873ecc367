#include "core/carry.h"

#include <utility>

Carry::Carry(Activity &activity, int startDistance) : activity_(activity), startDistance_(startDistance) {}

void Carry::press(int item, QPointF pointer) {
    // A second button pressed during a press changes nothing; its release drops.
    if (pressed_ != None) return;
    pressed_ = item;
    dragging_ = false;
    pressedAt_ = pointer;
}

void Carry::move(int item, int buttons, QPointF at, QPointF pointer) {
    // A hand that trembles on a click must not throw the item across: the
    // item follows the pointer only once it has gone a little way.
    if (pressed_ == item && !dragging_) {
        if (isTap(pointer)) {
            activity_.dragged(item, 0, at);
            return;
        }
        dragging_ = true;
        // Dragging takes over from a hold: another held item goes back.
        if (held_ != None && held_ != item) cancel();
        held_ = None;
    }
    activity_.dragged(item, buttons, at);
}

void Carry::release(int item) {
    const int pressed = std::exchange(pressed_, None);
    if (pressed == item && !dragging_) {
        tap(item);
        return;
    }
    // A stray release must not drop an item that waits for its tap or key.
    if (pressed == None && held_ == item) return;
    dragging_ = false;
    activity_.dropped(item);
}

void Carry::tap(int item) {
    if (held_ == None) {
        pickUp(item);
        return;
    }
    const int carried = std::exchange(held_, None);
    if (carried != item && activity_.tappedOn(carried, item)) {
        activity_.dropped(carried);
        return;
    }
    activity_.putBack(carried, origin_);
    if (carried != item) pickUp(item);
}

void Carry::pressElsewhere(QPointF pointer) {
    pressedElsewhere_ = true;
    pressedAt_ = pointer;
}

void Carry::releaseElsewhere(QPointF at, QPointF pointer) {
    if (!std::exchange(pressedElsewhere_, false) || !isTap(pointer) || held_ == None) return;
    const int item = std::exchange(held_, None);
    if (activity_.tappedAt(item, at))
        activity_.dropped(item);
    else
        activity_.putBack(item, origin_);
}

void Carry::pickUp(int item) {
    if (held_ != None || pressed_ != None) return;
    held_ = item;
    origin_ = activity_.position(item);
    activity_.pickedUp(item);
}

void Carry::step(int across, int down) {
    if (held_ != None) activity_.stepped(held_, across, down);
}

void Carry::putDown() {
    if (held_ == None) return;
    activity_.dropped(std::exchange(held_, None));
}

void Carry::cancel() {
    if (held_ == None) return;
    activity_.putBack(std::exchange(held_, None), origin_);
}
