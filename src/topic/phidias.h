#pragma once
// The topic menu of Phidias: sets up and opens everything that belongs to the topic.

#include "stage/screen.h"

#include <array>

class LabelButton;
class PictureBox;
class QLabel;

class phidias : public Screen {
    Q_OBJECT
  public:
    explicit phidias(QWidget *parent);

    QLabel *Label1 = nullptr;
    std::array<LabelButton *, 6> label3{};
    PictureBox *Image1 = nullptr;

  protected:
    void load() override;

  private:
    void label3_Click(int index);
};
