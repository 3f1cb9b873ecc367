#include "core/carry.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

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
    // A place lies right of the screen's left edge; even items lie where another fits.
    bool tappedAt(int item, QPointF at) override {
        calls << QStringLiteral("tap %1 at %2").arg(item).arg(at.x());
        return at.x() > 0;
    }
    bool tappedOn(int item, int other) override {
        calls << QStringLiteral("tap %1 on %2").arg(item).arg(other);
        return other % 2 == 0;
    }
    QPointF position(int item) const override { return {100.0 * item, 0}; }
    QStringList calls;
};

void tap(Carry &carry, int item) {
    carry.press(item, {0, 0});
    carry.move(item, 1, {}, {3, 4});
    carry.release(item);
}

void tapAt(Carry &carry, double x, double slide = 2) {
    carry.pressElsewhere({0, 0});
    carry.releaseElsewhere({x, 0}, {slide, slide});
}

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
// the item back where it was; a drag of another item puts it back first.
TEST(Carry, TheKeyboardPicksUpStepsAndPutsDownOrBackAndADragTakesOver) {
    Log log;
    Carry carry(log, 10);
    carry.step(1, 0);
    carry.putDown();
    carry.pickUp(3);
    EXPECT_TRUE(carry.held());
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
    EXPECT_TRUE(carry.held());
    carry.move(6, 1, {}, {20, 0});
    EXPECT_FALSE(carry.held());
    carry.release(6);
    EXPECT_EQ(log.calls,
              QStringList({u"pick 3"_qs, u"step 3 -1 0"_qs, u"drop 3"_qs, u"pick 2"_qs, u"step 2 0 1"_qs,
                           u"back 2 200"_qs, u"pick 5"_qs, u"back 5 500"_qs, u"drag 6 1"_qs, u"drop 6"_qs}));
}

// A press and release shorter than the start distance is a tap: it takes an
// item up, puts it down on the place tapped next, and shares the hold with
// the keyboard.
TEST(Carry, TapsTakeUpPutDownAndPutBack) {
    const struct {
        const char *what;
        std::function<void(Carry &)> play;
        QStringList calls;
    } cases[] = {
        {"a second tap puts back",
         [](Carry &c) {
             tap(c, 1);
             tap(c, 1);
         },
         {u"drag 1 0"_qs, u"pick 1"_qs, u"drag 1 0"_qs, u"back 1 100"_qs}},
        {"a tap on a place drops there",
         [](Carry &c) {
             tap(c, 2);
             tapAt(c, 500);
         },
         {u"drag 2 0"_qs, u"pick 2"_qs, u"tap 2 at 500"_qs, u"drop 2"_qs}},
        {"a tap off every place puts back",
         [](Carry &c) {
             tap(c, 2);
             tapAt(c, -1);
         },
         {u"drag 2 0"_qs, u"pick 2"_qs, u"tap 2 at -1"_qs, u"back 2 200"_qs}},
        {"a slide is no tap, nor a tap with nothing held",
         [](Carry &c) {
             tapAt(c, 500);
             tap(c, 2);
             tapAt(c, 500, 8);
             tap(c, 2);
         },
         {u"drag 2 0"_qs, u"pick 2"_qs, u"drag 2 0"_qs, u"back 2 200"_qs}},
        {"a tap on another whose place fits drops there",
         [](Carry &c) {
             tap(c, 1);
             tap(c, 4);
         },
         {u"drag 1 0"_qs, u"pick 1"_qs, u"drag 4 0"_qs, u"tap 1 on 4"_qs, u"drop 1"_qs}},
        {"a tap on another whose place does not fit takes that one",
         [](Carry &c) {
             tap(c, 1);
             tap(c, 3);
             c.cancel();
         },
         {u"drag 1 0"_qs, u"pick 1"_qs, u"drag 3 0"_qs, u"tap 1 on 3"_qs, u"back 1 100"_qs, u"pick 3"_qs,
          u"back 3 300"_qs}},
        {"the held item dragged is dropped where let go",
         [](Carry &c) {
             tap(c, 1);
             c.press(1, {0, 0});
             c.move(1, 1, {}, {0, 20});
             c.release(1);
         },
         {u"drag 1 0"_qs, u"pick 1"_qs, u"drag 1 1"_qs, u"drop 1"_qs}},
        {"keys and taps share the hold",
         [](Carry &c) {
             c.pickUp(5);
             c.step(1, 0);
             tapAt(c, 500);
             tap(c, 6);
             c.putDown();
             tap(c, 7);
             c.release(7);
             c.cancel();
         },
         {u"pick 5"_qs, u"step 5 1 0"_qs, u"tap 5 at 500"_qs, u"drop 5"_qs, u"drag 6 0"_qs, u"pick 6"_qs,
          u"drop 6"_qs, u"drag 7 0"_qs, u"pick 7"_qs, u"back 7 700"_qs}},
    };
    for (const auto &c : cases) {
        Log log;
        Carry carry(log, 10);
        c.play(carry);
        EXPECT_EQ(log.calls, c.calls) << c.what;
        EXPECT_FALSE(carry.held()) << c.what;
    }
}
