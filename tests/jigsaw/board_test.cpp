#include "jigsaw/board.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

namespace {

class Draws final : public RandomSource {
  public:
    double next() override {
        const double value = values.empty() ? 0.0 : values.front();
        if (!values.empty()) values.pop_front();
        return value;
    }
    void seedFromClock() override {}
    std::deque<double> values;
};

// A draw that gives the shuffle step m.
double stepDraw(int m) {
    return (m - 2 + 0.5) / 11.0;
}
// A draw that gives picture n.
double pictureDraw(int n) {
    return (n + 0.5) / 10.0;
}

class JigsawTest : public ::testing::Test {
  protected:
    void SetUp() override { JigsawBoard::CurrentPicture = 0; }

    // Drags the piece with the left button so that its top-left lands on `at`.
    void dragTo(int piece, QPoint at) {
        const QPoint centre(JigsawBoard::PieceSize / 2, JigsawBoard::PieceSize / 2);
        board.mouseMove(piece, JigsawBoard::LeftButton, at - board.position(piece) + centre);
    }
    void dropAt(int piece, QPoint at) {
        dragTo(piece, at);
        board.drop(piece);
    }
    void shuffleWithStep(int m) {
        random.values = {stepDraw(m)};
        board.startAgain();
    }
    int piecesAtHome() const {
        int count = 0;
        for (int i = 0; i < JigsawBoard::Pieces; ++i)
            count += board.position(i) == JigsawBoard::home(i);
        return count;
    }

    SharedState shared;
    Draws random;
    JigsawBoard board{shared, random};
};

const QPoint kTraySeats[3] = {{840, 1320}, {840, 3240}, {840, 5160}};

} // namespace

using JigsawLayout = JigsawTest;

TEST_F(JigsawLayout, HomesStandInFourColumnsAndThreeRowsWithGapsOf120) {
    EXPECT_EQ(JigsawBoard::home(0), QPoint(3720, 1320));
    EXPECT_EQ(JigsawBoard::home(3), QPoint(9480, 1320));
    EXPECT_EQ(JigsawBoard::home(11), QPoint(9480, 5160));
    EXPECT_EQ(JigsawBoard::pictureOffset(6), QPoint(-3600, -1800));
}

TEST_F(JigsawLayout, BoardCellsFrameTheHomesFromSixtyAboveAndTraySeatsLieSixtyBelowTheirTop) {
    const TwipRect cell = board.slot(5);
    EXPECT_EQ(cell.left, 5640);
    EXPECT_EQ(cell.top, 3180);
    EXPECT_EQ(cell.height, 1860);
    EXPECT_EQ(board.seat(5), JigsawBoard::home(5));
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(board.slot(12 + t).height, 1800);
        EXPECT_EQ(board.seat(12 + t), kTraySeats[t]);
    }
}

TEST_F(JigsawLayout, LoadingSetsTheMaximumToTwelve) {
    EXPECT_EQ(shared.MaxScore, 12);
}

using JigsawDrag = JigsawTest;

TEST_F(JigsawDrag, TheCentreOfThePieceJumpsUnderThePointer) {
    board.mouseMove(2, JigsawBoard::LeftButton, {100, 1700});
    EXPECT_EQ(board.position(2), JigsawBoard::home(2) + QPoint(100 - 900, 1700 - 900));
    board.mouseMove(2, JigsawBoard::LeftButton, {-30000, 900});
    EXPECT_EQ(board.position(2).x(), JigsawBoard::home(2).x() - 800 - 30900);
}

TEST_F(JigsawDrag, RightOrTwoButtonsTouchThePieceWithoutMovingIt) {
    dropAt(0, {0, 0});
    for (int buttons : {int(JigsawBoard::RightButton), JigsawBoard::LeftButton | JigsawBoard::RightButton}) {
        board.checkScore();
        ASSERT_TRUE(board.answerShown());
        board.mouseMove(4, buttons, {100, 100});
        EXPECT_EQ(board.position(4), JigsawBoard::home(4));
        EXPECT_EQ(board.stacking().back(), 4);
        EXPECT_FALSE(board.answerShown());
        EXPECT_FALSE(board.scoreLineShown());
        EXPECT_TRUE(board.newPictureShown());
        board.mouseMove(7, JigsawBoard::LeftButton, {900, 900});
    }
}

TEST_F(JigsawDrag, MovingWithoutAButtonHidesTheAnswerAndTheScoreLine) {
    dropAt(0, {0, 0});
    board.checkScore();
    board.mouseMove(9, 0, {10, 10});
    EXPECT_FALSE(board.answerShown());
    EXPECT_FALSE(board.scoreLineShown());
    EXPECT_TRUE(board.newPictureShown());
    EXPECT_EQ(board.position(9), JigsawBoard::home(9));
}

using JigsawDrop = JigsawTest;

TEST_F(JigsawDrop, SnapsWithinSixHundredTwipsAcrossAndNotAtSixHundred) {
    const QPoint home = JigsawBoard::home(5);
    for (int dx : {599, -599}) {
        dropAt(5, home + QPoint(dx, 0));
        EXPECT_EQ(board.position(5), home) << dx;
    }
    for (int dx : {600, -600}) {
        dropAt(5, home + QPoint(dx, 0));
        EXPECT_EQ(board.position(5), home + QPoint(dx, 0)) << dx;
        dropAt(5, home);
    }
}

TEST_F(JigsawDrop, SnapsFrom679AboveTo559BelowAndNotAt680Or560) {
    const QPoint home = JigsawBoard::home(6);
    for (int dy : {-679, 559}) {
        dropAt(6, home + QPoint(0, dy));
        EXPECT_EQ(board.position(6), home) << dy;
    }
    for (int dy : {-680, 560}) {
        dropAt(6, home + QPoint(0, dy));
        EXPECT_EQ(board.position(6), home + QPoint(0, dy)) << dy;
        dropAt(6, home);
    }
}

TEST_F(JigsawDrop, APieceLiftedAndDroppedBackInItsCellDisplacesNothing) {
    dropAt(3, JigsawBoard::home(3) + QPoint(-300, 400));
    EXPECT_EQ(board.position(3), JigsawBoard::home(3));
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        EXPECT_EQ(board.position(i), JigsawBoard::home(i));
    EXPECT_TRUE(board.checkScoreShown());
}

TEST_F(JigsawDrop, DisplacedPiecesFillTheTrayInOrderRefillAnEmptiedSlotAndThenStackOnTheFirst) {
    dropAt(0, JigsawBoard::home(1));
    EXPECT_EQ(board.position(1), kTraySeats[0]);
    EXPECT_EQ(board.stacking().back(), 1);
    dropAt(2, JigsawBoard::home(3) + QPoint(100, 100));
    EXPECT_EQ(board.position(3), kTraySeats[1]);
    dropAt(4, JigsawBoard::home(5));
    EXPECT_EQ(board.position(5), kTraySeats[2]);

    dropAt(3, JigsawBoard::home(0));
    EXPECT_EQ(board.position(3), JigsawBoard::home(0));
    dropAt(6, JigsawBoard::home(7));
    EXPECT_EQ(board.position(7), kTraySeats[1]);

    dropAt(8, JigsawBoard::home(9));
    EXPECT_EQ(board.position(9), kTraySeats[0]);
    EXPECT_EQ(board.position(1), kTraySeats[0]);
    EXPECT_EQ(board.stacking().back(), 9);
}

TEST_F(JigsawDrop, APieceDroppedLooseInTheTrayStaysAndDoesNotTakeTheSlot) {
    dropAt(10, {900, 1400});
    EXPECT_EQ(board.position(10), QPoint(900, 1400));
    dropAt(0, JigsawBoard::home(1));
    EXPECT_EQ(board.position(1), kTraySeats[0]);
    EXPECT_EQ(board.position(10), QPoint(900, 1400));
}

TEST_F(JigsawDrop, TheTrayNeverCatchesAPiece) {
    dropAt(2, kTraySeats[1] + QPoint(15, 15));
    EXPECT_EQ(board.position(2), kTraySeats[1] + QPoint(15, 15));
    EXPECT_FALSE(board.checkScoreShown());
}

using JigsawCheckScore = JigsawTest;

TEST_F(JigsawCheckScore, ShownOnlyByADropThatLeavesEveryCellFilled) {
    EXPECT_FALSE(board.checkScoreShown());
    dropAt(1, {100, 100});
    EXPECT_FALSE(board.checkScoreShown());
    dropAt(1, JigsawBoard::home(1));
    EXPECT_TRUE(board.checkScoreShown());
    dropAt(1, JigsawBoard::home(1) + QPoint(0, 2000));
    EXPECT_FALSE(board.checkScoreShown());
}

TEST_F(JigsawCheckScore, StartAgainHidesItAlthoughEveryCellIsFilled) {
    dropAt(1, JigsawBoard::home(1));
    shuffleWithStep(4);
    EXPECT_FALSE(board.checkScoreShown());
    dropAt(0, board.position(0));
    EXPECT_TRUE(board.checkScoreShown());
}

TEST_F(JigsawCheckScore, NewPictureKeepsItsState) {
    dropAt(1, JigsawBoard::home(1));
    random.values = {pictureDraw(3), stepDraw(7)};
    board.newPicture();
    EXPECT_TRUE(board.checkScoreShown());
    dropAt(1, {0, 0});
    random.values = {pictureDraw(4), stepDraw(7)};
    board.newPicture();
    EXPECT_FALSE(board.checkScoreShown());
}

using JigsawScore = JigsawTest;

TEST_F(JigsawScore, CountsPiecesAtTheirOwnHomeAndWritesTheScoreLine) {
    for (int p = 0; p < 5; ++p)
        dropAt(p, {300 * p, 8000});
    board.checkScore();
    EXPECT_EQ(shared.Score, 7);
    EXPECT_EQ(board.scoreLine(), QStringLiteral(" 7 out of 12 scored "));
    EXPECT_TRUE(board.scoreLineShown());
    EXPECT_TRUE(board.answerShown());
    EXPECT_FALSE(board.newPictureShown());
}

TEST_F(JigsawScore, PiecesInTheTrayOrOnAnotherCellCountNothing) {
    dropAt(0, JigsawBoard::home(1));
    dropAt(2, JigsawBoard::home(3));
    board.checkScore();
    EXPECT_EQ(shared.Score, 8);
}

TEST_F(JigsawScore, EveryPieceHomeGivesTwelveAndKeepsNewPicture) {
    dropAt(4, JigsawBoard::home(4));
    board.checkScore();
    EXPECT_EQ(shared.Score, 12);
    EXPECT_EQ(board.scoreLine(), QStringLiteral(" 12 out of 12 scored "));
    EXPECT_TRUE(board.newPictureShown());
    EXPECT_FALSE(board.answerShown());
}

TEST_F(JigsawScore, AnswerThenCheckScoreAlwaysGivesTwelve) {
    for (int m = 2; m <= 12; ++m) {
        shuffleWithStep(m);
        dropAt(11, {-5000, 12000});
        dropAt(0, board.position(0) + QPoint(10, 10));
        board.checkScore();
        board.answer();
        EXPECT_FALSE(board.answerShown());
        EXPECT_FALSE(board.scoreLineShown());
        EXPECT_TRUE(board.newPictureShown());
        board.checkScore();
        EXPECT_EQ(shared.Score, 12) << m;
    }
}

TEST_F(JigsawScore, AnswerKeepsTheStackingOrder) {
    shuffleWithStep(5);
    dropAt(8, {100, 100});
    const auto before = board.stacking();
    board.answer();
    EXPECT_EQ(board.stacking(), before);
}

TEST_F(JigsawScore, EveryButtonButCheckScoreLeavesTheScoreAtZero) {
    const std::function<void()> buttons[] = {[&] { board.exit(); }, [&] { board.startAgain(); },
                                             [&] { board.newPicture(); }, [&] { board.answer(); }};
    for (const auto &click : buttons) {
        shared.Score = 9;
        random.values = {0.3, 0.3};
        click();
        EXPECT_EQ(shared.Score, 0);
    }
}

using JigsawShuffle = JigsawTest;

TEST_F(JigsawShuffle, EveryStepFillsEachCellOnceWithPieceElevenOnCellZeroAndNeverSolves) {
    for (int m = 2; m <= 12; ++m) {
        shuffleWithStep(m);
        std::set<int> cells;
        for (int p = 0; p < JigsawBoard::Pieces; ++p) {
            for (int c = 0; c < JigsawBoard::Slots; ++c) {
                if (board.liesOn(p, c)) cells.insert(c);
            }
        }
        EXPECT_EQ(cells.size(), 12u) << m;
        EXPECT_LT(*cells.rbegin(), 12) << m;
        EXPECT_TRUE(board.liesOn(11, 0)) << m;
        EXPECT_LE(piecesAtHome(), 2) << m;
        EXPECT_EQ(board.stacking().back(), 11) << m;
    }
}

TEST_F(JigsawShuffle, StepTwelveLaysThePictureOutReversed) {
    shuffleWithStep(12);
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        EXPECT_TRUE(board.liesOn(i, 11 - i)) << i;
}

TEST_F(JigsawShuffle, StepTwoPutsThePiecesOnEveryOtherCell) {
    shuffleWithStep(2);
    const int expected[12] = {2, 4, 6, 8, 10, 1, 3, 5, 7, 9, 11, 0};
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        EXPECT_TRUE(board.liesOn(i, expected[i])) << i;
}

TEST_F(JigsawShuffle, PiecesLeftAtHomeDependOnTheStep) {
    for (int m : {10, 11, 12}) {
        shuffleWithStep(m);
        EXPECT_EQ(piecesAtHome(), 0) << m;
    }
    shuffleWithStep(2);
    EXPECT_EQ(piecesAtHome(), 1);
    EXPECT_EQ(board.position(9), JigsawBoard::home(9));
    shuffleWithStep(5);
    EXPECT_EQ(piecesAtHome(), 2);
    EXPECT_EQ(board.position(2), JigsawBoard::home(2));
    EXPECT_EQ(board.position(4), JigsawBoard::home(4));
}

TEST_F(JigsawShuffle, ADrawOfOneOrMoreStillGivesAStepOfTwelve) {
    random.values = {1.0};
    board.startAgain();
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        EXPECT_TRUE(board.liesOn(i, 11 - i)) << i;
}

using JigsawPictureChoice = JigsawTest;

TEST_F(JigsawPictureChoice, TheFirstPictureOfARunIsNeverNumberZero) {
    random.values = {pictureDraw(0), stepDraw(3)};
    board.setpicture();
    EXPECT_EQ(JigsawBoard::CurrentPicture, 1);
}

TEST_F(JigsawPictureChoice, ARepeatedDrawWrapsAtEight) {
    const std::pair<int, int> repeats[] = {{6, 7}, {7, 0}, {8, 1}, {9, 2}};
    for (const auto &[previous, next] : repeats) {
        JigsawBoard::CurrentPicture = previous;
        random.values = {pictureDraw(previous), stepDraw(3)};
        board.setpicture();
        EXPECT_EQ(JigsawBoard::CurrentPicture, next) << previous;
    }
}

TEST_F(JigsawPictureChoice, ADifferentDrawIsTakenAsItIs) {
    JigsawBoard::CurrentPicture = 5;
    random.values = {pictureDraw(9), stepDraw(3)};
    board.setpicture();
    EXPECT_EQ(JigsawBoard::CurrentPicture, 9);
}

TEST_F(JigsawPictureChoice, ADrawOfOneOrMoreStaysInsideTheCatalogue) {
    JigsawBoard::CurrentPicture = 3;
    random.values = {1.0, stepDraw(3)};
    board.setpicture();
    EXPECT_EQ(JigsawBoard::CurrentPicture, 9);
}

TEST_F(JigsawPictureChoice, NewPictureShufflesAfterChoosing) {
    random.values = {pictureDraw(4), stepDraw(12)};
    board.newPicture();
    EXPECT_EQ(JigsawBoard::CurrentPicture, 4);
    EXPECT_TRUE(board.liesOn(0, 11));
}
