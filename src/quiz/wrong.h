#pragma once
// The wrong-answers screen: the questions answered wrongly in the quiz just
// finished, one row each, as the quiz filled them.

#include "stage/screen.h"

#include <array>

class LabelButton;
class QLabel;

class Wrong : public Screen {
    Q_OBJECT
  public:
    static constexpr int Rows = 10;

    explicit Wrong(QWidget *parent);

    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    std::array<QLabel *, Rows> Label2{};
    // Its one member is index 1, "Exit".
    std::array<LabelButton *, 2> Label3{};

  protected:
    void load() override;

  private:
    void Label3_Click();
};
