#include "core/carry.h"
#include "jigsaw/board.h"
#include "support/doubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

// Draws that give the shuffle step m and picture n.
constexpr auto stepDraw = [](int m) { return (m - 2 + 0.5) / 11.0; };
constexpr auto pictureDraw = [](int n) { return (n + 0.5) / 10.0; };

const QPoint kTraySeats[3] = {{840, 1320}, {840, 3240}, {840, 5160}};

class JigsawTest : public ::testing::Test {
  protected:
    // Drags the piece with the left button so that its top-left lands on `at`, then drops it.
    void dropAt(int piece, QPoint at) {
        const QPoint centre(JigsawBoard::PieceSize / 2, JigsawBoard::PieceSize / 2);
        board.mouseMove(piece, Carry::LeftButton, at - board.position(piece) + centre);
        board.drop(piece);
    }
    void shuffleWith(double draw) {
        random.values = {draw};
        board.startAgain();
    }
    std::set<int> piecesAtHome() const {
        std::set<int> at;
        for (int i = 0; i < JigsawBoard::Pieces; ++i)
            if (board.position(i) == JigsawBoard::home(i)) at.insert(i);
        return at;
    }

    SharedState shared;
    ScriptedRandom random;
    JigsawBoard board{shared, random};
};

} // namespace

// The left button alone drags, the piece's centre jumping under the pointer;
// no button, the right or both touch the piece without moving it.
TEST_F(JigsawTest, OnlyTheLeftButtonAloneMovesAPiece) {
    board.mouseMove(2, Carry::LeftButton, {100, 1700});
    EXPECT_EQ(board.position(2), JigsawBoard::home(2) + QPoint(100 - 900, 1700 - 900));
    board.mouseMove(2, Carry::LeftButton, {-30000, 900});
    EXPECT_EQ(board.position(2).x(), JigsawBoard::home(2).x() - 800 - 30900);
    dropAt(0, {0, 0});
    for (int buttons : {0, int(Carry::RightButton), Carry::LeftButton | Carry::RightButton}) {
        SCOPED_TRACE(buttons);
        board.checkScore();
        ASSERT_TRUE(board.answerShown());
        board.mouseMove(4, buttons, {100, 100});
        EXPECT_EQ(board.position(4), JigsawBoard::home(4));
        EXPECT_TRUE(buttons == 0 || board.stacking().back() == 4);
        EXPECT_FALSE(board.answerShown());
        EXPECT_FALSE(board.scoreLineShown());
        EXPECT_TRUE(board.newPictureShown());
        board.mouseMove(7, Carry::LeftButton, {900, 900});
    }
}

// A piece lifted and dropped back in its own cell displaces nothing.
TEST_F(JigsawTest, SnapsStrictlyWithinAThirdOfTheCellFrame) {
    const QPoint home = JigsawBoard::home(5);
    const std::pair<QPoint, bool> cases[] = {{{599, 0}, true},   {{-599, 0}, true}, {{600, 0}, false},
                                             {{-600, 0}, false}, {{0, -679}, true}, {{0, 559}, true},
                                             {{0, -680}, false}, {{0, 560}, false}};
    for (const auto &[offset, snaps] : cases) {
        SCOPED_TRACE(testing::Message() << offset.x() << ", " << offset.y());
        dropAt(5, home + offset);
        EXPECT_EQ(board.position(5), snaps ? home : home + offset);
        EXPECT_EQ(piecesAtHome().size(), snaps ? 12u : 11u);
        EXPECT_EQ(board.checkScoreShown(), snaps);
        dropAt(5, home);
    }
}

// Pieces dropped loose in the tray area stay where they fall and take no slot.
TEST_F(JigsawTest, DisplacedPiecesFillTheTrayInOrderRefillAnEmptiedSlotAndThenStackOnTheFirst) {
    dropAt(10, {900, 1400});
    dropAt(11, kTraySeats[1] + QPoint(15, 15));
    EXPECT_FALSE(board.checkScoreShown());
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
    EXPECT_EQ(board.position(10), QPoint(900, 1400));
    EXPECT_EQ(board.position(11), kTraySeats[1] + QPoint(15, 15));
}

TEST_F(JigsawTest, CheckScoreComesWithADropFillingEveryCellGoesWithStartAgainAndOutlivesNewPicture) {
    dropAt(1, {100, 100});
    EXPECT_FALSE(board.checkScoreShown());
    dropAt(1, JigsawBoard::home(1));
    EXPECT_TRUE(board.checkScoreShown());
    random.values = {pictureDraw(3), stepDraw(7)};
    board.newPicture();
    EXPECT_TRUE(board.checkScoreShown());
    shuffleWith(stepDraw(4));
    EXPECT_FALSE(board.checkScoreShown());
    dropAt(0, board.position(0));
    EXPECT_TRUE(board.checkScoreShown());
    dropAt(1, {0, 0});
    EXPECT_FALSE(board.checkScoreShown());
    random.values = {pictureDraw(4), stepDraw(7)};
    board.newPicture();
    EXPECT_FALSE(board.checkScoreShown());
}

TEST_F(JigsawTest, CheckScoreCountsOnlyPiecesOnTheirOwnCellAndOffersTheAnswerBelowTwelve) {
    // One piece to the tray, two on another's cell, three loose.
    dropAt(0, JigsawBoard::home(1));
    dropAt(2, JigsawBoard::home(3));
    for (int p : {4, 5, 6})
        dropAt(p, {300 * p, 8000});
    board.checkScore();
    EXPECT_EQ(shared.Score, 5);
    EXPECT_EQ(board.scoreLine(), QStringLiteral(" 5 out of 12 scored "));
    EXPECT_TRUE(board.scoreLineShown());
    EXPECT_TRUE(board.answerShown());
    EXPECT_FALSE(board.newPictureShown());
}

TEST_F(JigsawTest, AnswerThenCheckScoreGivesTwelveAndAnswerKeepsTheStacking) {
    for (int m = 2; m <= 12; ++m) {
        SCOPED_TRACE(m);
        shuffleWith(stepDraw(m));
        dropAt(0, board.position(0) + QPoint(10, 10));
        dropAt(11, {-5000, 12000});
        board.checkScore();
        const auto before = board.stacking();
        board.answer();
        EXPECT_EQ(board.stacking(), before);
        EXPECT_FALSE(board.answerShown());
        EXPECT_FALSE(board.scoreLineShown());
        EXPECT_TRUE(board.newPictureShown());
        board.checkScore();
        EXPECT_EQ(shared.Score, 12);
    }
}

// Step 2 takes every other cell, step 12 lays the picture out reversed, and
// a draw of 1 or more (m = 13 here) still gives step 12.
TEST_F(JigsawTest, EveryStepFillsEachCellOnceWithPieceElevenOnCellZeroAndNeverSolves) {
    const std::map<int, std::vector<int>> cellsFor = {{2, {2, 4, 6, 8, 10, 1, 3, 5, 7, 9, 11, 0}},
                                                      {12, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}};
    const std::map<int, std::set<int>> homesFor = {{2, {9}}, {5, {2, 4}}, {10, {}}, {11, {}}, {12, {}}};
    for (int m = 2; m <= 13; ++m) {
        SCOPED_TRACE(m);
        board.mouseMove(m % 11, 0, {0, 0});
        shuffleWith(m == 13 ? 1.0 : stepDraw(m));
        const int step = std::min(m, 12);
        std::set<int> cells;
        for (int p = 0; p < JigsawBoard::Pieces; ++p) {
            for (int c = 0; c < JigsawBoard::Slots; ++c)
                if (board.liesOn(p, c)) cells.insert(c);
            EXPECT_TRUE(!cellsFor.count(step) || board.liesOn(p, cellsFor.at(step)[p])) << p;
        }
        EXPECT_EQ(cells.size(), 12u);
        EXPECT_LT(*cells.rbegin(), 12);
        EXPECT_TRUE(board.liesOn(11, 0));
        EXPECT_EQ(board.stacking().back(), 11);
        EXPECT_LE(piecesAtHome().size(), 2u);
        EXPECT_TRUE(!homesFor.count(step) || piecesAtHome() == homesFor.at(step));
    }
}

TEST_F(JigsawTest, ThePictureChoiceNeverRepeatsWrapsAtEightAndThenShuffles) {
    // {previous, draw, chosen}; a run starts from 0, so its first picture is never 0.
    const std::tuple<int, double, int> cases[] = {{0, pictureDraw(0), 1}, {6, pictureDraw(6), 7},
                                                  {7, pictureDraw(7), 0}, {8, pictureDraw(8), 1},
                                                  {9, pictureDraw(9), 2}, {5, pictureDraw(9), 9}, {3, 1.0, 9}};
    for (const auto &[previous, draw, chosen] : cases) {
        SCOPED_TRACE(testing::Message() << previous << " drawing " << draw);
        shared.JigsawPicture = previous;
        random.values = {draw, stepDraw(3)};
        board.setpicture();
        EXPECT_EQ(shared.JigsawPicture, chosen);
    }
    random.values = {pictureDraw(4), stepDraw(12)};
    board.newPicture();
    EXPECT_EQ(shared.JigsawPicture, 4);
    EXPECT_TRUE(board.liesOn(0, 11));
}

// The keyboard's places: twelve cells and, left of the first column, the tray.
TEST(JigsawKeyboardPlaces, ArrowsStepOneCellAndTheEdgesHold) {
    struct Step {
        int from, across, down, to;
    };
    const Step steps[] = {{0, 1, 0, 1},   {0, -1, 0, 12},  {12, -1, 0, 12}, {12, 1, 0, 0}, {13, 1, 0, 4},
                          {14, 0, 1, 14}, {12, 0, -1, 12}, {13, 0, 1, 14},  {3, 1, 0, 3},  {11, 0, 1, 11},
                          {5, 0, -1, 1},  {5, 0, 1, 9},    {8, -1, 0, 14},  {0, 0, -1, 0}};
    for (const Step &s : steps)
        EXPECT_EQ(JigsawBoard::neighbour(s.from, s.across, s.down), s.to)
            << s.from << ' ' << s.across << ' ' << s.down;
}

// Carrying by keyboard puts the piece on seats only; the drop that follows is
// the mouse's own and says what it did.
TEST_F(JigsawTest, AKeyboardCarryLandsOnSeatsAndTheDropReportsTheCellAndTheDisplacedPiece) {
    shuffleWith(stepDraw(12)); // piece i on cell 11 - i
    EXPECT_EQ(board.placeOf(0), 11);
    EXPECT_EQ(board.whereIs(0), u"in row 3, column 4"_qs);
    board.carryTo(0, 0);
    EXPECT_EQ(board.position(0), JigsawBoard::home(0));
    EXPECT_EQ(board.stacking().back(), 0);
    JigsawDrop drop = board.drop(0);
    EXPECT_EQ(drop.cell, 0);
    EXPECT_EQ(drop.displaced, 11);
    EXPECT_EQ(drop.traySlot, 12);
    EXPECT_EQ(board.whereIs(11), u"in the tray"_qs);
    EXPECT_EQ(board.placeOf(11), 12);

    board.carryTo(5, 13);
    drop = board.drop(5);
    EXPECT_EQ(drop.cell, -1);
    EXPECT_EQ(drop.displaced, -1);
    EXPECT_EQ(board.placeOf(5), 13);
    EXPECT_FALSE(board.checkScoreShown());

    dropAt(6, {2800, 200});
    EXPECT_EQ(board.placeOf(6), -1);
    EXPECT_EQ(board.whereIs(6), u"not in a cell"_qs);
    EXPECT_EQ(board.nearestPlace(board.position(6)), 0);
    // The keyboard takes it up over that nearest place and steps from there.
    board.pickUp(6);
    board.step(6, 0, 1);
    EXPECT_EQ(board.placeOf(6), 4);
    board.putBack(6, JigsawBoard::home(5));
    EXPECT_EQ(board.placeOf(6), 5);
}
