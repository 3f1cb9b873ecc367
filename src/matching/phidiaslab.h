#pragma once
// The painting matching screen: the pupil drags four painters' names into the
// boxes beneath four famous paintings and has them scored on the results screen.

#include "core/carry.h"
#include "matching/matchboard.h"
#include "stage/screen.h"

#include <array>
#include <memory>

class DragControls;
class LabelButton;
class PictureBox;
class QLabel;

// Names are dragged with the mouse, taken up with a tap and put down with a
// tap on a box, or, once keyboard cues are on, picked up with Enter or Space,
// moved along their own place and the four boxes with Left and Right, put
// down with Enter or Space and put back with Escape.
class phidiaslab : public Screen, private Carry::Activity {
    Q_OBJECT
  public:
    explicit phidiaslab(QWidget *parent);
    ~phidiaslab() override;

    // 0 the introduction, 1 to 4 the painting titles, 5 the instruction.
    std::array<QLabel *, 6> Label7{};
    std::array<PictureBox *, MatchingBoard::Pairs> Image1{};
    // Drop boxes: drop box i takes the name of the painter of the painting above it.
    std::array<QLabel *, MatchingBoard::Pairs> Label1{};
    // The painters' names that the pupil drags.
    std::array<QLabel *, MatchingBoard::Pairs> Label2{};
    // Empty boxes marking where each name starts.
    std::array<QLabel *, MatchingBoard::Pairs> Label4{};
    // 0 "Exit", 1 "Start Again", 2 "Check Score".
    std::array<LabelButton *, 3> Label3{};

    void setlabels();
    const MatchingBoard &board() const { return *board_; }

    // The names from left to right as they start, then the buttons left to right.
    QList<QWidget *> focusOrder() const override;

  protected:
    void load() override;

  private:
    void Label2_MouseMove(int index, int buttons, QPointF pointer);
    // Every drop, by mouse or keyboard, is applied here.
    void Label2_MouseUp(int index);

    void dragged(int item, int buttons, QPointF at) override { Label2_MouseMove(item, buttons, at); }
    void dropped(int item) override { Label2_MouseUp(item); }
    void pickedUp(int item) override;
    void stepped(int item, int across, int down) override;
    void putBack(int item, QPointF origin) override;
    bool tappedAt(int item, QPointF at) override;
    // A name in a box covers it whole, so a tap on it means that name: it is
    // taken up instead.
    bool tappedOn(int, int) override { return false; }
    QPointF position(int item) const override { return board_->name(item); }
    QString whereIs(int index) const;
    void Label3_Click(int index);
    void showNames();

    std::unique_ptr<MatchingBoard> board_;
    DragControls *drag_ = nullptr;
    QLabel *announcer_ = nullptr;
};
