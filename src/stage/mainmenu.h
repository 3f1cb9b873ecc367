#pragma once
// The main menu as the screens below the shell see it: they go back to it and
// borrow its picture and heading, asking the stage rather than including its class.

#include <QString>

class PictureBox;

class MainMenu {
  public:
    virtual ~MainMenu() = default;
    // Shows the menu in front of the other screens.
    virtual void comeBack() = 0;
    virtual const PictureBox &picture() const = 0;
    virtual QString heading() const = 0;
};
