#pragma once
// The title screen, shown at start and again as the exit confirmation.

#include "stage/screen.h"

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;

class Titlefrm : public Screen {
    Q_OBJECT
  public:
    explicit Titlefrm(QWidget *parent);

    QFrame *Frame1 = nullptr;
    QLabel *Label4 = nullptr;
    PictureBox *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

    // True when the title picture could not be shown and the screen took the
    // standard look instead.
    bool usedFallback() const { return usedFallback_; }

    // Shows the title screen as the question whether to leave the program.
    static void askToLeave();
    // The screen in front is already the question.
    void closeRequested() override {}

  protected:
    void load() override;

  private:
    bool usedFallback_ = false;
};
