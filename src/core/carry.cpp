#include "core/carry.h"

Carry::Carry(Activity &activity, int startDistance) : activity_(activity), startDistance_(startDistance) {}

void Carry::press(int item, QPointF pointer) {
    if (byKeyboard()) cancel();
    if (carried_ == None) {
        carried_ = item;
        keyboard_ = false;
        dragging_ = false;
        pressedAt_ = pointer;
    }
}

void Carry::move(int item, int buttons, QPointF at, QPointF pointer) {
    // A hand that trembles on a click must not throw the item across: the
    // item follows the pointer only once it has gone a little way.
    if (carried_ == item && !keyboard_ && !dragging_) {
        if ((pointer - pressedAt_).manhattanLength() < startDistance_) {
            activity_.dragged(item, 0, at);
            return;
        }
        dragging_ = true;
    }
    activity_.dragged(item, buttons, at);
}

void Carry::release(int item) {
    if (byKeyboard()) return;
    carried_ = None;
    dragging_ = false;
    activity_.dropped(item);
}

void Carry::pickUp(int item) {
    if (carried_ != None) return;
    carried_ = item;
    keyboard_ = true;
    origin_ = activity_.position(item);
    activity_.pickedUp(item);
}

void Carry::step(int across, int down) {
    if (byKeyboard()) activity_.stepped(carried_, across, down);
}

void Carry::putDown() {
    if (!byKeyboard()) return;
    const int item = carried_;
    carried_ = None;
    activity_.dropped(item);
}

void Carry::cancel() {
    if (!byKeyboard()) return;
    const int item = carried_;
    carried_ = None;
    activity_.putBack(item, origin_);
}
