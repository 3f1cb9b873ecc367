#pragma once
// The painting matching screen: the pupil drags four painters' names into the
// boxes beneath four famous paintings and has them scored on the results screen.

#include "matching/matchboard.h"
#include "shell/screen.h"

#include <array>
#include <memory>

class LabelButton;
class PictureBox;
class QLabel;

class phidiaslab : public Screen {
    Q_OBJECT
  public:
    explicit phidiaslab(QWidget *parent);
    ~phidiaslab() override;

    // 0 the introduction, 1 to 4 the painting titles, 5 the instruction.
    std::array<QLabel *, 6> Label7{};
    std::array<PictureBox *, MatchingBoard::Pairs> Image1{};
    // Drop boxes: drop box i takes the name of the painter of the painting above it.
    std::array<QLabel *, MatchingBoard::Pairs> Label1{};
    // The painters' names that the pupil drags.
    std::array<QLabel *, MatchingBoard::Pairs> Label2{};
    // Empty boxes marking where each name starts.
    std::array<QLabel *, MatchingBoard::Pairs> Label4{};
    // 0 "Exit", 1 "Start Again", 2 "Check Score".
    std::array<LabelButton *, 3> Label3{};

    void setlabels();
    const MatchingBoard &board() const { return *board_; }

  protected:
    void load() override;

  private:
    void Label2_MouseMove(int index, int buttons, QPointF pointer);
    void Label2_MouseUp(int index);
    void Label3_Click(int index);
    void showNames();

    std::unique_ptr<MatchingBoard> board_;
};
