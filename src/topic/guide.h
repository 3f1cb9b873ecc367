#pragma once
// The teachers' guide viewer: the five guide pages, one at a time, and the
// print of the page shown.

#include "stage/screen.h"

#include <array>

class LabelButton;
class PictureBox;
class QLabel;

// The opener loads guide page 1 into Image1 and Image2, sets PageNumber to 1
// and shows it; the designed state is that of page 1.
class guide : public Screen {
    Q_OBJECT
  public:
    static constexpr int Pages = 5;

    explicit guide(QWidget *parent);

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    // 0 "Print", 1 "Exit", 2 "Next Page", 3 "Previous Page".
    std::array<LabelButton *, 4> Label3{};

  protected:
    void load() override;
    void showEvent(QShowEvent *event) override;

  private:
    void Label3_Click(int index);
};
