#include "jigsaw/board.h"

#include "core/carry.h"
#include "platform/random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTrayLeft = 840;
constexpr std::array<int, 3> kTrayTops{1260, 3180, 5100};
// The tray's background, Frame4.
constexpr TwipRect kTrayArea{660, 1080, 2175, 6015};

// A whole number from 0 to count - 1 out of a draw in [0, 1). A source that
// strays to 1 or beyond must not pick a picture or a step that does not exist.
int drawBelow(RandomSource &random, int count) {
    const int drawn = static_cast<int>(std::floor(random.next() * count));
    return std::clamp(drawn, 0, count - 1);
}

} // namespace

JigsawBoard::JigsawBoard(SharedState &shared, RandomSource &random) : shared_(shared), random_(random) {
    for (int i = 0; i < Pieces; ++i) {
        pieces_[i] = home(i);
        stacking_[i] = i;
        // Each board cell frames its piece's home with a margin of 60 above.
        slots_[i] = {pieces_[i].x(), pieces_[i].y() - 60, PieceSize, PieceSize + 60};
    }
    for (int t = 0; t < 3; ++t)
        slots_[FirstTraySlot + t] = {kTrayLeft, kTrayTops[t], PieceSize, PieceSize};
    shared_.MaxScore = Pieces;
}

QPoint JigsawBoard::home(int piece) {
    return {3720 + 1920 * (piece % Columns), 1320 + 1920 * (piece / Columns)};
}

QPoint JigsawBoard::pictureOffset(int piece) {
    return {-PieceSize * (piece % Columns), -PieceSize * (piece / Columns)};
}

void JigsawBoard::setpicture() {
    random_.seedFromClock();
    int &current = shared_.JigsawPicture;
    const int previous = current;
    current = drawBelow(random_, Pictures);
    // The wrap is at 8, not 10: a repeated 8 or 9 gives 1 or 2.
    if (current == previous) current = (previous + 1) % 8;
    shuffle();
}

void JigsawBoard::shuffle() {
    random_.seedFromClock();
    const int step = drawBelow(random_, 11) + 2;
    // 13 is prime, so the multiples of the step run through every residue;
    // leaving out 12 leaves each board cell exactly once.
    int piece = 0;
    for (int i = 1; i <= 13; ++i) {
        const int cell = (step * i) % 13;
        if (cell < Pieces) {
            put(piece, cell);
            bringToFront(piece);
            ++piece;
        }
    }
}

void JigsawBoard::mouseMove(int piece, int buttons, QPoint pointer) {
    bringToFront(piece);
    touchButtons();
    if (buttons == Carry::LeftButton) pieces_[piece] += pointer - QPoint(PieceSize / 2, PieceSize / 2);
}

JigsawDrop JigsawBoard::drop(int piece) {
    JigsawDrop result;
    int cell = -1;
    for (int b = 0; b < Pieces; ++b) {
        const TwipRect &f = slots_[b];
        const QPoint at = pieces_[piece];
        if (f.left - f.width / 3.0 < at.x() && at.x() < f.left + f.width / 3.0 &&
            f.top - f.height / 3.0 < at.y() && at.y() < f.top + f.height / 3.0) {
            pieces_[piece] = seat(b);
            cell = b;
        }
    }
    const int tray = freeTraySlot();
    result.cell = cell;
    if (cell >= 0) {
        for (int q = 0; q < Pieces; ++q) {
            if (q != piece && liesOn(q, cell)) {
                put(q, tray);
                bringToFront(q);
                result.displaced = q;
                result.traySlot = tray;
            }
        }
    }
    checkScoreShown_ = filledCells() == Pieces;
    return result;
}

int JigsawBoard::placeOf(int piece) const {
    for (int s = 0; s < Slots; ++s) {
        if (liesOn(piece, s)) return s;
    }
    return -1;
}

int JigsawBoard::nearestPlace(QPoint at) const {
    int nearest = 0;
    for (int s = 1; s < Slots; ++s) {
        if ((seat(s) - at).manhattanLength() < (seat(nearest) - at).manhattanLength()) nearest = s;
    }
    return nearest;
}

int JigsawBoard::neighbour(int place, int across, int down) {
    const int rows = Pieces / Columns;
    const bool inTray = place >= FirstTraySlot;
    const int row = std::clamp((inTray ? place - FirstTraySlot : place / Columns) + down, 0, rows - 1);
    const int column = std::clamp((inTray ? -1 : place % Columns) + across, -1, Columns - 1);
    return column < 0 ? FirstTraySlot + row : row * Columns + column;
}

void JigsawBoard::pickUp(int piece) {
    touch(piece);
    const int place = placeOf(piece);
    carriedPlace_ = place >= 0 ? place : nearestPlace(pieces_[piece]);
}

void JigsawBoard::step(int piece, int across, int down) {
    carriedPlace_ = neighbour(carriedPlace_, across, down);
    carryTo(piece, carriedPlace_);
}

void JigsawBoard::carryTo(int piece, int place) {
    put(piece, place);
    bringToFront(piece);
}

int JigsawBoard::placeAt(QPoint at) const {
    const auto holds = [at](const TwipRect &r) {
        return at.x() >= r.left && at.x() < r.left + r.width && at.y() >= r.top && at.y() < r.top + r.height;
    };
    for (int cell = 0; cell < Pieces; ++cell) {
        if (holds(slots_[cell])) return cell;
    }
    if (!holds(kTrayArea)) return -1;
    for (int slot = FirstTraySlot; slot < Slots; ++slot) {
        if (holds(slots_[slot]) && !taken(slot)) return slot;
    }
    for (int slot = FirstTraySlot; slot < Slots; ++slot) {
        if (!taken(slot)) return slot;
    }
    return -1;
}

int JigsawBoard::placeTakenFrom(int other) const {
    const int place = placeOf(other);
    return place < FirstTraySlot ? place : -1;
}

QString JigsawBoard::whereIs(int piece) const {
    const int place = placeOf(piece);
    if (place >= 0 && place < FirstTraySlot)
        return tr("in row %1, column %2").arg(place / Columns + 1).arg(place % Columns + 1);
    const QPoint centre = pieces_[piece] + QPoint(PieceSize / 2, PieceSize / 2);
    if (place >= FirstTraySlot ||
        (centre.x() >= kTrayArea.left && centre.x() < kTrayArea.left + kTrayArea.width &&
         centre.y() >= kTrayArea.top && centre.y() < kTrayArea.top + kTrayArea.height))
        return tr("in the tray");
    return tr("not in a cell");
}

void JigsawBoard::exit() {
    shared_.Score = 0;
}

void JigsawBoard::startAgain() {
    shared_.Score = 0;
    scoreLineShown_ = false;
    checkScoreShown_ = false;
    answerShown_ = false;
    newPictureShown_ = true;
    shuffle();
}

void JigsawBoard::checkScore() {
    shared_.Score = 0;
    answerShown_ = false;
    for (int i = 0; i < Pieces; ++i) {
        if (liesOn(i, i)) ++shared_.Score;
    }
    // The count is never below zero, so each number has its blank before it.
    //: The blanks at both ends are kept.
    scoreLine_ = tr(" %1 out of %2 scored ").arg(shared_.Score).arg(shared_.MaxScore);
    scoreLineShown_ = true;
    if (shared_.Score < shared_.MaxScore) {
        newPictureShown_ = false;
        answerShown_ = true;
    }
}

void JigsawBoard::newPicture() {
    shared_.Score = 0;
    answerShown_ = false;
    setpicture();
}

void JigsawBoard::answer() {
    shared_.Score = 0;
    scoreLineShown_ = false;
    answerShown_ = false;
    newPictureShown_ = true;
    for (int i = 0; i < Pieces; ++i)
        pieces_[i] = seat(i);
}

void JigsawBoard::bringToFront(int piece) {
    if (stacking_.back() == piece) return;
    const auto at = std::find(stacking_.begin(), stacking_.end(), piece);
    std::rotate(at, at + 1, stacking_.end());
    ++stackingChanges_;
}

void JigsawBoard::put(int piece, int slotIndex) {
    pieces_[piece] = seat(slotIndex);
}

int JigsawBoard::freeTraySlot() const {
    for (int t = FirstTraySlot; t < Slots; ++t) {
        if (!taken(t)) return t;
    }
    return FirstTraySlot;
}

bool JigsawBoard::taken(int slotIndex) const {
    for (int q = 0; q < Pieces; ++q) {
        if (liesOn(q, slotIndex)) return true;
    }
    return false;
}

int JigsawBoard::filledCells() const {
    int count = 0;
    for (int i = 0; i < Pieces; ++i) {
        for (int j = 0; j < Pieces; ++j) {
            if (liesOn(i, j)) ++count;
        }
    }
    return count;
}

void JigsawBoard::touchButtons() {
    answerShown_ = false;
    scoreLineShown_ = false;
    newPictureShown_ = true;
}
