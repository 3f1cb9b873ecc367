#pragma once
// The buttons every activity (the jigsaw, the painting matching) has as the
// first three of its row, and which rule of its board each one runs: one
// place for both screens.

class ActivityBoard {
  public:
    enum Button { Exit = 0, StartAgain = 1, CheckScore = 2 };

    virtual ~ActivityBoard() = default;
    virtual void exit() = 0;
    virtual void startAgain() = 0;
    virtual void checkScore() = 0;

    // Runs the board's rule for one of the three buttons; false for any other.
    bool press(int button);
};
