#pragma once
// The jigsaw screen: a famous painting cut into twelve pieces that the pupil
// drags into the board cells.

#include "core/carry.h"
#include "jigsaw/board.h"
#include "stage/screen.h"

#include <QImage>
#include <array>
#include <memory>

class DragControls;
class LabelButton;
class PictureBox;
class QFrame;
class QLabel;

// Pieces are dragged with the mouse, taken up with a tap and put down with a
// tap on a cell or the tray, or, once keyboard cues are on, picked up with
// Enter or Space, moved a cell at a time with the arrow keys (the tray is
// left of the first column), put down with Enter or Space and put back with
// Escape.
class jigsaw : public Screen, private Carry::Activity {
    Q_OBJECT
  public:
    explicit jigsaw(QWidget *parent);
    ~jigsaw() override;

    // Piece i is Frame1(i), showing its square of the picture through Image1(i).
    std::array<QFrame *, JigsawBoard::Pieces> Frame1{};
    std::array<PictureBox *, JigsawBoard::Pieces> Image1{};
    QFrame *Frame2 = nullptr;
    // Board cells 0 to 11, then the tray slots 12 to 14.
    std::array<QFrame *, JigsawBoard::Slots> Frame3{};
    QFrame *Frame4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    std::array<LabelButton *, 5> Label3{};

    void setpicture();
    const JigsawBoard &board() const { return *board_; }

    // Pieces in board order, then the tray and the rest, then the buttons left to right.
    QList<QWidget *> focusOrder() const override;

  protected:
    void load() override;

  private:
    void Frame1_MouseMove(int index, int buttons, QPoint pointer);
    // Every drop, by mouse or keyboard, is applied here.
    void Frame1_MouseUp(int index);

    void dragged(int item, int buttons, QPointF at) override;
    void dropped(int item) override { Frame1_MouseUp(item); }
    void pickedUp(int item) override;
    void stepped(int item, int across, int down) override;
    void putBack(int item, QPointF origin) override;
    bool tappedAt(int item, QPointF at) override { return carryTo(item, board_->placeAt(at.toPoint())); }
    bool tappedOn(int item, int other) override { return carryTo(item, board_->placeTakenFrom(other)); }
    bool carryTo(int item, int place);
    QPointF position(int item) const override { return board_->position(item); }
    QString pieceName(int piece) const;
    void Label3_Click(int index);
    void showPicture();
    void showBoard();

    std::unique_ptr<JigsawBoard> board_;
    DragControls *drag_ = nullptr;
    QLabel *announcer_ = nullptr;
    // Decoded once per painting and shared by all twelve pieces.
    QImage picture_;
    int shownStacking_ = -1;
};
