#include "core/carry.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

namespace {

// Writes down what the carry asks of the activity: a place lies right of
// the screen's left edge; even items lie where another fits.
class Log final : public Carry::Activity {
  public:
    void dragged(int item, int buttons, QPointF) override { note(u"drag %1 %2"_qs, item, buttons); }
    void dropped(int item) override { note(u"drop %1"_qs, item); }
    void pickedUp(int item) override { note(u"pick %1"_qs, item); }
    void stepped(int item, int across, int down) override { note(u"step %1 %2 %3"_qs, item, across, down); }
    void putBack(int item, QPointF origin) override { note(u"back %1 %2"_qs, item, origin.x()); }
    bool tappedAt(int item, QPointF at) override {
        note(u"tap %1 at %2"_qs, item, at.x());
        return at.x() > 0;
    }
    bool tappedOn(int item, int other) override {
        note(u"tap %1 on %2"_qs, item, other);
        return other % 2 == 0;
    }
    QPointF position(int item) const override { return {100.0 * item, 0}; }
    template <typename... Args> void note(const QString &format, Args... args) {
        calls << format.arg(QString::number(args)...);
    }
    QStringList calls;
};

// Plays a script of pointer and key events, one per ';'-separated step:
// "press I X Y", "move I BUTTONS X Y", "release I", "tap I" (press, a tremble
// and release on item I), "at X" (a tap on the screen at x = X; "slide X" goes
// further than a tap), "pick I", "step ACROSS DOWN", "put", "cancel", and
// "held", which writes down whether an item is held and which one is carried.
QString play(const char *script) {
    static const QRegularExpression tap(u"tap (\\d+)"_qs), at(u"at (-?\\d+)"_qs), slide(u"slide (\\d+)"_qs);
    static const QStringList verbs{u"press"_qs, u"move"_qs, u"release"_qs, u"elsewhere"_qs, u"pick"_qs,
                                   u"step"_qs,  u"put"_qs,  u"cancel"_qs,  u"held"_qs};
    const QString steps = QString::fromLatin1(script)
                              .replace(tap, u"press \\1 0 0; move \\1 1 3 4; release \\1"_qs)
                              .replace(at, u"elsewhere \\1 2"_qs)
                              .replace(slide, u"elsewhere \\1 8"_qs);
    Log log;
    Carry carry(log, 10);
    for (const QString &step : steps.split(u';')) {
        const QStringList w = step.split(u' ', Qt::SkipEmptyParts);
        const auto n = [&](int i) { return w.value(i).toInt(); };
        const QString verb = w.value(0);
        EXPECT_TRUE(verbs.contains(verb)) << step.toStdString();
        if (verb == u"press") carry.press(n(1), QPointF(n(2), n(3)));
        if (verb == u"move") carry.move(n(1), n(2), {}, QPointF(n(3), n(4)));
        if (verb == u"release") carry.release(n(1));
        if (verb == u"elsewhere") {
            carry.pressElsewhere({0, 0});
            carry.releaseElsewhere(QPointF(n(1), 0), QPointF(n(2), n(2)));
        }
        if (verb == u"pick") carry.pickUp(n(1));
        if (verb == u"step") carry.step(n(1), n(2));
        if (verb == u"put") carry.putDown();
        if (verb == u"cancel") carry.cancel();
        if (verb == u"held")
            log.calls << QStringLiteral("held %1 %2").arg(int(carry.held())).arg(carry.carried());
    }
    if (carry.held()) log.calls << QStringLiteral("still held");
    return log.calls.join(u", ");
}

} // namespace

// The mouse, taps and the keyboard drive one carry: what each sequence of
// events asks of the activity, and nothing is left held at the end.
TEST(Carry, PointerTapsAndKeysPickUpDragDropAndPutBackThroughTheOneCarry) {
    const struct {
        const char *what, *script, *calls;
    } cases[] = {
        // A trembling click touches the item but does not move it; once the
        // pointer has gone the start distance, every move drags, until any release drops.
        {"moves shorter than the start distance only touch",
         "move 1 0 50 50; press 1 50 50; move 1 1 54 55; move 1 1 60 50; move 1 1 52 50; release 1; "
         "release 1; move 2 1 0 0",
         "drag 1 0, drag 1 0, drag 1 1, drag 1 1, drop 1, drop 1, drag 2 1"},
        // The keyboard picks up, steps and puts down through the same drop, or
        // puts back; a drag of another item puts the held one back first.
        {"keys pick up, step, put down or back",
         "step 1 0; put; pick 3; held; pick 4; step -1 0; release 3; put; held; pick 2; step 0 1; cancel",
         "pick 3, held 1 3, step 3 -1 0, drop 3, held 0 -1, pick 2, step 2 0 1, back 2 200"},
        {"a drag takes over from the keyboard", "pick 5; press 6 0 0; held; move 6 1 20 0; held; release 6",
         "pick 5, held 1 5, back 5 500, drag 6 1, held 0 6, drop 6"},
        // A press and release shorter than the start distance is a tap.
        {"a second tap puts back", "tap 1; tap 1", "drag 1 0, pick 1, drag 1 0, back 1 100"},
        {"a tap on a place drops there", "tap 2; at 500", "drag 2 0, pick 2, tap 2 at 500, drop 2"},
        {"a tap off every place puts back", "tap 2; at -1", "drag 2 0, pick 2, tap 2 at -1, back 2 200"},
        {"a slide is no tap, nor a tap with nothing held", "at 500; tap 2; slide 500; tap 2",
         "drag 2 0, pick 2, drag 2 0, back 2 200"},
        {"a tap on another whose place fits drops there", "tap 1; tap 4",
         "drag 1 0, pick 1, drag 4 0, tap 1 on 4, drop 1"},
        {"a tap on another whose place does not fit takes that one", "tap 1; tap 3; cancel",
         "drag 1 0, pick 1, drag 3 0, tap 1 on 3, back 1 100, pick 3, back 3 300"},
        {"the held item dragged is dropped where let go", "tap 1; press 1 0 0; move 1 1 0 20; release 1",
         "drag 1 0, pick 1, drag 1 1, drop 1"},
        {"keys and taps share the hold", "pick 5; step 1 0; at 500; tap 6; put; tap 7; release 7; cancel",
         "pick 5, step 5 1 0, tap 5 at 500, drop 5, drag 6 0, pick 6, drop 6, drag 7 0, pick 7, back 7 700"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(play(c.script).toStdString(), c.calls) << c.what;
}
