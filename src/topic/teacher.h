#pragma once
// The teacher's notes viewer: pages through a short run of metafile pages
// (key facts, teacher's notes, acknowledgments), prints the page shown and
// animates the publisher's logo.

#include "stage/screen.h"
#include "topic/pages.h"

#include <QImage>
#include <array>

class LabelButton;
class PictureBox;
class QLabel;
class QTimer;

// The opener sets PageCount and PageBaseName (when paging is wanted), touches
// the viewer, loads page 1 into Image1 and Image2, and shows it.
class teacher : public Screen {
    Q_OBJECT
  public:
    explicit teacher(QWidget *parent);

    // The page shown (wmf copy) and the page printed (wmf2 copy, never visible).
    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    // 0 "Print", 1 "Exit", 2 "Next Page", 3 "Previous Page".
    std::array<LabelButton *, 4> Label3{};
    // A frame of the logo animation, and the publisher's logo.
    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    QTimer *Timer1 = nullptr;

  protected:
    void load() override;
    void showEvent(QShowEvent *event) override;

  private:
    void Label3_Click(int index);
    void Timer1_Timer();

    // The logo's frames, each read from its file the first time it is shown:
    // the animation ticks 40 times a second and would otherwise decode a GIF
    // on every tick.
    std::array<QImage, pages::LogoFrames> logoFrames_;
};
