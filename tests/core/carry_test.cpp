#include "core/carry.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// Writes down what the carry asks of the activity.
class Log final : public Carry::Activity {
  public:
    void dragged(int item, int buttons, QPointF) override {
        calls << QStringLiteral("drag %1 %2").arg(item).arg(buttons);
    }
    void dropped(int item) override { calls << QStringLiteral("drop %1").arg(item); }
    void pickedUp(int item) override { calls << QStringLiteral("pick %1").arg(item); }
    void stepped(int item, int across, int down) override {
        calls << QStringLiteral("step %1 %2 %3").arg(item).arg(across).arg(down);
    }
    void putBack(int item, QPointF origin) override {
        calls << QStringLiteral("back %1 %2").arg(item).arg(origin.x());
    }
    QPointF position(int item) const override { return {100.0 * item, 0}; }
    QStringList calls;
};

} // namespace

// A trembling click touches the item but does not move it; once the pointer
// has gone the start distance, every move drags, until the release drops.
TEST(Carry, MovesShorterThanTheStartDistanceOnlyTouchAndAnyReleaseDrops) {
    Log log;
    Carry carry(log, 10);
    carry.move(1, 0, {}, {50, 50});
    carry.press(1, {50, 50});
    carry.move(1, 1, {}, {54, 55});
    carry.move(1, 1, {}, {60, 50});
    carry.move(1, 1, {}, {52, 50});
    carry.release(1);
    carry.release(1);
    carry.move(2, 1, {}, {0, 0});
    EXPECT_EQ(log.calls, QStringList({u"drag 1 0"_qs, u"drag 1 0"_qs, u"drag 1 1"_qs, u"drag 1 1"_qs,
                                      u"drop 1"_qs, u"drop 1"_qs, u"drag 2 1"_qs}));
}

// The keyboard picks up, steps and puts down through the same drop, or puts
// the item back where it was; a mouse press while carrying puts it back first.
TEST(Carry, TheKeyboardPicksUpStepsAndPutsDownOrBackAndTheMouseTakesOver) {
    Log log;
    Carry carry(log, 10);
    carry.step(1, 0);
    carry.putDown();
    carry.pickUp(3);
    EXPECT_TRUE(carry.byKeyboard());
    carry.pickUp(4);
    carry.step(-1, 0);
    carry.release(3);
    carry.putDown();
    EXPECT_EQ(carry.carried(), Carry::None);
    carry.pickUp(2);
    carry.step(0, 1);
    carry.cancel();
    carry.pickUp(5);
    carry.press(6, {0, 0});
    EXPECT_FALSE(carry.byKeyboard());
    carry.release(6);
    EXPECT_EQ(log.calls,
              QStringList({u"pick 3"_qs, u"step 3 -1 0"_qs, u"drop 3"_qs, u"pick 2"_qs, u"step 2 0 1"_qs,
                           u"back 2 200"_qs, u"pick 5"_qs, u"back 5 500"_qs, u"drop 6"_qs}));
}
