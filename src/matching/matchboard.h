#pragma once
// The painting matching: four painters' names dragged into the boxes beneath
// four paintings, snapped to the nearest box and scored, in twips.

#include "core/activity.h"
#include "core/module1.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QPointF>
#include <QSizeF>
#include <array>
#include <optional>

// What a drop did: the drop box or home box the name snapped onto, if any.
struct MatchingDrop {
    int dropBox = -1;
    int homeBox = -1;
};

class MatchingBoard final : public ActivityBoard {
    Q_DECLARE_TR_FUNCTIONS(MatchingBoard)

  public:
    static constexpr int Pairs = 4;
    // Name label i belongs in drop box i.
    static constexpr std::array<TwipRect, Pairs> DropBoxes{{
        {420, 6120, 2325, 375},
        {6555, 6120, 2325, 375},
        {9240, 6120, 2325, 375},
        {3615, 6120, 2325, 375},
    }};
    // The painting above each drop box.
    static constexpr std::array<const char *, Pairs> Paintings{
        {QT_TRANSLATE_NOOP("MatchingBoard", "Girl with a Pearl Earring"),
         QT_TRANSLATE_NOOP("MatchingBoard", "The Mona Lisa"),
         QT_TRANSLATE_NOOP("MatchingBoard", "Sunflowers"),
         QT_TRANSLATE_NOOP("MatchingBoard", "The Haywain")}};
    // The title of the painting above a drop box, in the program's language.
    static QString painting(int index) { return tr(Paintings[index]); }
    static constexpr std::array<TwipRect, Pairs> NamePlaces{{
        {6240, 7320, 2325, 375},
        {9000, 7320, 2325, 375},
        {720, 7320, 2325, 375},
        {3480, 7320, 2325, 375},
    }};

    // Names in their starting places; the shared maximum becomes four.
    explicit MatchingBoard(SharedState &shared);

    // Each home box takes the size and place of its name label.
    void setlabels();

    QPointF name(int index) const { return names_[index]; }
    QPointF home(int index) const { return homes_[index]; }
    static QPointF dropBox(int index) {
        return {double(DropBoxes[index].left), double(DropBoxes[index].top)};
    }
    static QSizeF labelSize(int index) {
        return {double(NamePlaces[index].width), double(NamePlaces[index].height)};
    }
    bool checkScoreShown() const { return checkScoreShown_; }

    // The pointer moved over a name label with buttons held (Carry::Buttons),
    // at a position relative to its top-left.
    void mouseMove(int index, int buttons, QPointF pointer);
    // A button was released after a press on the name label, or the keyboard put it down.
    MatchingDrop drop(int index);

    // Places for carrying a name by keyboard: its own home box, then the
    // drop boxes from left to right.
    std::array<QPointF, Pairs + 1> places(int index) const;
    // The place the name lies on, or else the nearest one.
    int placeOf(int index) const;
    // The keyboard takes a name up over the place it lies on.
    void pickUp(int index) { carriedPlace_ = placeOf(index); }
    // The keyboard moves the carried name one place along its places; the ends hold.
    void step(int index, int across);
    // Moves the name onto a place, or back where it was, without the drop rules.
    void carryTo(int index, QPointF at) { names_[index] = at; }
    // Where a tap puts a held name: the drop box or home box under the
    // point, or none.
    std::optional<QPointF> placeAt(QPointF at) const;
    // The drop box the name lies on, or -1.
    int boxOf(int index) const;

    void exit() override;
    void startAgain() override;
    void checkScore() override;

  private:
    bool snap(int index, QPointF target, QSizeF size);

    SharedState &shared_;
    std::array<QPointF, Pairs> names_;
    std::array<QPointF, Pairs> homes_;
    bool checkScoreShown_ = false;
    int carriedPlace_ = 0;
};
