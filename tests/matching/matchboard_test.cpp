#include "matching/matchboard.h"

#include <gtest/gtest.h>

namespace {

class MatchingTest : public ::testing::Test {
  protected:
    // Drags the name with the left button so that its top-left lands on `at`.
    void dropAt(int index, QPointF at) {
        board.mouseMove(index, MatchingBoard::LeftButton, at - board.name(index) + QPointF(1162.5, 187.5));
        board.drop(index);
    }
    void dropIn(int index, int box) { dropAt(index, MatchingBoard::dropBox(box) + QPointF(200, 100)); }

    SharedState shared;
    MatchingBoard board{shared};
};

} // namespace

using MatchingLayout = MatchingTest;

TEST_F(MatchingLayout, NamesStartInTheirPlacesOverTheirHomeBoxesAndTheMaximumIsFour) {
    board.setlabels();
    EXPECT_EQ(board.name(2), QPointF(720, 7320));
    for (int i = 0; i < MatchingBoard::Pairs; ++i)
        EXPECT_EQ(board.home(i), board.name(i));
    EXPECT_EQ(shared.MaxScore, 4);
    EXPECT_FALSE(board.checkScoreShown());
}

using MatchingDrag = MatchingTest;

TEST_F(MatchingDrag, TheCentreOfTheNameFollowsTheLeftButtonAlone) {
    board.mouseMove(1, MatchingBoard::LeftButton, {0, 0});
    EXPECT_EQ(board.name(1), QPointF(9000 - 1162.5, 7320 - 187.5));
    board.mouseMove(1, 2, {3000, 3000});
    board.mouseMove(1, 3, {3000, 3000});
    EXPECT_EQ(board.name(1), QPointF(9000 - 1162.5, 7320 - 187.5));
}

using MatchingDrop = MatchingTest;

TEST_F(MatchingDrop, HalfABoxWidthLeftOfADropBoxStaysAndJustInsideSnaps) {
    dropAt(0, {420 - 1162.5, 6120});
    EXPECT_EQ(board.name(0), QPointF(420 - 1162.5, 6120));
    dropAt(0, {420 - 1162, 6120});
    EXPECT_EQ(board.name(0), MatchingBoard::dropBox(0));
}

TEST_F(MatchingDrop, TheWindowReachesAWholeBoxRightAndBelowAndHalfABoxAbove) {
    const QPointF box = MatchingBoard::dropBox(2);
    const QPointF outside[] = {box + QPointF(2325, 0), box + QPointF(0, 375), box - QPointF(0, 187.5)};
    for (const QPointF &at : outside) {
        dropAt(3, at);
        EXPECT_EQ(board.name(3), at);
    }
    const QPointF inside[] = {box + QPointF(2324, 0), box + QPointF(0, 374), box - QPointF(0, 187)};
    for (const QPointF &at : inside) {
        dropAt(3, at);
        EXPECT_EQ(board.name(3), box);
    }
}

TEST_F(MatchingDrop, WhereTwoWindowsOverlapTheEarlierBoxInTheOrderWins) {
    dropAt(1, {2700, 6120});
    EXPECT_EQ(board.name(1), MatchingBoard::dropBox(0));
    dropAt(1, {2800, 6120});
    EXPECT_EQ(board.name(1), MatchingBoard::dropBox(3));
}

TEST_F(MatchingDrop, ANameDroppedNearAnotherNamesHomeBoxSnapsIntoIt) {
    board.setlabels();
    dropIn(2, 2);
    dropAt(3, board.home(2) + QPointF(500, -100));
    EXPECT_EQ(board.name(3), board.home(2));
}

TEST_F(MatchingDrop, TwoNamesInOneBoxCountTowardsOfferingTheCheck) {
    dropIn(0, 0);
    dropIn(1, 0);
    EXPECT_EQ(board.name(1), MatchingBoard::dropBox(0));
    dropIn(2, 2);
    EXPECT_FALSE(board.checkScoreShown());
    dropIn(3, 3);
    EXPECT_TRUE(board.checkScoreShown());
    board.checkScore();
    EXPECT_EQ(shared.Score, 3);
}

TEST_F(MatchingDrop, TheCheckStaysOfferedWhenANameIsDraggedOffUntilStartAgain) {
    board.setlabels();
    for (int i = 0; i < 4; ++i)
        dropIn(i, i);
    ASSERT_TRUE(board.checkScoreShown());
    dropAt(2, {5000, 500});
    EXPECT_TRUE(board.checkScoreShown());
    shared.Score = 3;
    board.startAgain();
    EXPECT_FALSE(board.checkScoreShown());
    EXPECT_EQ(shared.Score, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(board.name(i), board.home(i));
}

using MatchingScore = MatchingTest;

TEST_F(MatchingScore, AllFourRightScoresFour) {
    for (int i = 0; i < 4; ++i)
        dropIn(i, i);
    board.checkScore();
    EXPECT_EQ(shared.Score, 4);
}

TEST_F(MatchingScore, EveryNameOneBoxOnScoresNothing) {
    for (int i = 0; i < 4; ++i)
        dropIn(i, (i + 1) % 4);
    EXPECT_TRUE(board.checkScoreShown());
    board.checkScore();
    EXPECT_EQ(shared.Score, 0);
}

TEST_F(MatchingScore, ExitLeavesTheScoreAtZero) {
    for (int i = 0; i < 4; ++i)
        dropIn(i, i);
    board.checkScore();
    board.exit();
    EXPECT_EQ(shared.Score, 0);
}
