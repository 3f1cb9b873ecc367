#pragma once
// The main menu: the twelve Greeks, the teachers' entries, the web site, sound and exit.

#include "stage/mainmenu.h"
#include "stage/screen.h"

#include <array>

class LabelButton;
class PictureBox;
class QFrame;
class QLabel;
class QRadioButton;
class QTimer;

class intro0 : public Screen, public MainMenu {
    Q_OBJECT
  public:
    explicit intro0(QWidget *parent);

    void comeBack() override { showScreen(); }
    const PictureBox &picture() const override { return *Image1; }
    QString heading() const override;

    QLabel *Label1 = nullptr;
    // Indexes 13 to 15 do not exist and stay empty.
    std::array<LabelButton *, 21> Label2{};
    QLabel *Label3 = nullptr;
    QFrame *Frame1 = nullptr;
    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QTimer *Timer1 = nullptr;

    // How many times the catalogue has been read by this menu: once per load.
    int catalogueReads() const { return catalogueReads_; }

    // A close request asks as "Exit" does.
    void closeRequested() override;

  protected:
    void load() override;

  private:
    void Label2_Click(int index);
    void Timer1_Timer();

    int catalogueReads_ = 0;
};

// Lets the screens below the shell reach the main menu through the stage.
void provideShellScreens(Stage &stage);
