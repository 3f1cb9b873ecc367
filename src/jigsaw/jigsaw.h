#pragma once
// The jigsaw screen: a famous painting cut into twelve pieces that the pupil
// drags into the board cells.

#include "jigsaw/board.h"
#include "shell/screen.h"

#include <QImage>
#include <array>
#include <memory>

class LabelButton;
class PictureBox;
class QFrame;
class QLabel;

class jigsaw : public Screen {
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

  protected:
    void load() override;

  private:
    void Frame1_MouseMove(int index, int buttons, QPoint pointer);
    void Frame1_MouseUp(int index);
    void Label3_Click(int index);
    void showPicture();
    void showBoard();

    std::unique_ptr<JigsawBoard> board_;
    // Decoded once per painting and shared by all twelve pieces.
    QImage picture_;
    int shownStacking_ = -1;
};
