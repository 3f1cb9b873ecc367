#include "core/carry.h"
#include "matching/matchboard.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

class MatchingTest : public ::testing::Test {
  protected:
    // Drags the name with the left button so that its top-left lands on `at`, then drops it.
    void dropAt(int index, QPointF at) {
        board.mouseMove(index, Carry::LeftButton, at - board.name(index) + QPointF(1162.5, 187.5));
        board.drop(index);
    }
    void dropIn(int index, int box) { dropAt(index, MatchingBoard::dropBox(box) + QPointF(200, 100)); }

    SharedState shared;
    MatchingBoard board{shared};
};

} // namespace

TEST_F(MatchingTest, TheCentreOfTheNameFollowsTheLeftButtonAlone) {
    board.mouseMove(1, Carry::LeftButton, {0, 0});
    EXPECT_EQ(board.name(1), QPointF(9000 - 1162.5, 7320 - 187.5));
    board.mouseMove(1, 2, {3000, 3000});
    board.mouseMove(1, 3, {3000, 3000});
    EXPECT_EQ(board.name(1), QPointF(9000 - 1162.5, 7320 - 187.5));
}

// A drop box's window reaches strictly half a box left and above, a whole box
// right and below; where two windows overlap the earlier box in the order
// wins; a home box takes any name dropped near it.
TEST_F(MatchingTest, DropWindowsAreStrictAndTheEarlierBoxWins) {
    const QPointF box0 = MatchingBoard::dropBox(0), box2 = MatchingBoard::dropBox(2), home2 = board.home(2);
    const std::pair<QPointF, QPointF> cases[] = {{box0 - QPointF(1162.5, 0), box0 - QPointF(1162.5, 0)},
                                                 {box0 - QPointF(1162, 0), box0},
                                                 {box2 + QPointF(2325, 0), box2 + QPointF(2325, 0)},
                                                 {box2 + QPointF(0, 375), box2 + QPointF(0, 375)},
                                                 {box2 - QPointF(0, 187.5), box2 - QPointF(0, 187.5)},
                                                 {box2 + QPointF(2324, 0), box2},
                                                 {box2 + QPointF(0, 374), box2},
                                                 {box2 - QPointF(0, 187), box2},
                                                 {{2700, 6120}, box0},
                                                 {{2800, 6120}, MatchingBoard::dropBox(3)},
                                                 {home2 + QPointF(500, -100), home2}};
    for (const auto &[at, expected] : cases) {
        SCOPED_TRACE(testing::Message() << at.x() << ", " << at.y());
        dropAt(3, at);
        EXPECT_EQ(board.name(3), expected);
    }
}

// Scores 4, 0 and 3; two names in one box count towards offering the check.
TEST_F(MatchingTest, TheCheckIsOfferedOnceFourNamesSitInBoxesAndScoresTheRightOnes) {
    const std::pair<std::array<int, 4>, int> games[] = {
        {{0, 1, 2, 3}, 4}, {{1, 2, 3, 0}, 0}, {{0, 0, 2, 3}, 3}};
    for (const auto &[boxes, score] : games) {
        SCOPED_TRACE(score);
        board.startAgain();
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(board.checkScoreShown());
            dropIn(i, boxes[i]);
            EXPECT_EQ(board.name(i), MatchingBoard::dropBox(boxes[i]));
        }
        EXPECT_TRUE(board.checkScoreShown());
        board.checkScore();
        EXPECT_EQ(shared.Score, score);
    }
    board.exit();
    EXPECT_EQ(shared.Score, 0);
}

// The keyboard's places for a name: its own home box, then the drop boxes
// from left to right; a drop there is the mouse's and says where it snapped.
TEST_F(MatchingTest, KeyboardPlacesRunFromHomeAcrossTheBoxesAndTheDropSaysWhereItSnapped) {
    board.setlabels();
    const auto places = board.places(2);
    const std::array<QPointF, 5> expected{board.home(2), MatchingBoard::dropBox(0), MatchingBoard::dropBox(3),
                                          MatchingBoard::dropBox(1), MatchingBoard::dropBox(2)};
    EXPECT_EQ(places, expected);
    EXPECT_EQ(board.placeOf(2), 0);
    // The keyboard steps from the place the name lies on; the last place holds.
    board.pickUp(2);
    board.step(2, 9);
    EXPECT_EQ(board.placeOf(2), 4);
    MatchingDrop drop = board.drop(2);
    EXPECT_EQ(drop.dropBox, 2);
    EXPECT_EQ(drop.homeBox, -1);
    EXPECT_EQ(board.boxOf(2), 2);

    dropAt(2, board.home(3) + QPointF(100, 50));
    drop = board.drop(2);
    EXPECT_EQ(drop.dropBox, -1);
    EXPECT_EQ(drop.homeBox, 3);
    EXPECT_EQ(board.boxOf(2), -1);
    dropAt(2, {5000, 500});
    EXPECT_EQ(board.drop(2).dropBox, -1);
    EXPECT_EQ(board.drop(2).homeBox, -1);
}
