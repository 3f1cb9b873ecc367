#pragma once
// The results screen: the score of the quiz or the painting matching in one
// of three wordings, the certificate for full marks, the way to the wrong answers.

#include "classroom/record.h"
#include "stage/screen.h"

#include <array>
#include <optional>

class LabelButton;
class PictureBox;
class QLabel;
class QLineEdit;
class QTimer;

// A caller sets Score and MaxScore, touches the screen (its load step words
// the score from those two), adjusts what it needs and shows it. The quiz
// hides Label6 and shows Label5 and Label3(0); the matching activity changes nothing.
// Both hand over the record of the score shown.
class Welldone : public Screen {
    Q_OBJECT
  public:
    static constexpr int NameLength = 25;

    explicit Welldone(QWidget *parent);
    // A program that ends with this screen on view still keeps its record.
    ~Welldone() override;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    // 0 "Print Certificate" or "Check Wrong Answers", 1 "Exit".
    std::array<LabelButton *, 2> Label3{};
    PictureBox *Picture1 = nullptr;
    QLineEdit *Text1 = nullptr;
    // "Your name" beside the name box where every pupil is asked their name.
    QLabel *nameCaption = nullptr;
    // The picture, then the focus and the highlighted buttons, once on view.
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;

    // Prints the certificate for full marks on the default printer.
    void Printpage();

    // The record of the score on show: kept at once when no name is asked,
    // else as the pupil leaves this screen, under the name typed.
    void takeRecord(const ResultRecord &record);

  protected:
    void load() override;

  private:
    void Label3_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void keepPendingRecord();

    bool nameAsked_ = false;
    std::optional<ResultRecord> pendingRecord_;
};
