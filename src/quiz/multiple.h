#pragma once
// The quiz screen: takes the pupil through the ten questions of the loaded
// set, marks each one on leaving it forward, and hands the score on.

#include "stage/screen.h"

#include <array>

class LabelButton;
class PictureBox;
class QButtonGroup;
class QLabel;
class QRadioButton;

class multiple : public Screen {
    Q_OBJECT
  public:
    explicit multiple(QWidget *parent);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    PictureBox *Picture1 = nullptr;
    // Index 1 to 4 the answers A to D, 5 the hidden no-answer option; 0 unused.
    std::array<QRadioButton *, 6> Option1{};
    // 0 back, 1 forward or scoring, 2 exit, 3 print worksheet.
    std::array<LabelButton *, 4> Label3{};
    // The catalogue title of a worksheet taken as a quiz; empty for the topic's quiz.
    QString worksheetTitle;

    // Shows question CurrentQuestion with no answer chosen.
    void showquest();
    // Prints the loaded question set as a paper worksheet on the default printer.
    void Printpage();

  protected:
    void load() override;
    // The arrow keys choose an answer, also when none is chosen yet.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLabel *announcer_ = nullptr;
    void Label3_Click(int index);
    int selectedOption() const;
    void scoreQuiz();

    QButtonGroup *options_ = nullptr;
    // The option each question was left forward with, for the record.
    std::array<int, 11> chosen_{};
};
