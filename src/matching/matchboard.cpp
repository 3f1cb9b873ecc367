#include "matching/matchboard.h"

#include "core/carry.h"

#include <QRectF>
#include <algorithm>

MatchingBoard::MatchingBoard(SharedState &shared) : shared_(shared) {
    for (int i = 0; i < Pairs; ++i)
        names_[i] = QPointF(NamePlaces[i].left, NamePlaces[i].top);
    homes_ = names_;
    shared_.MaxScore = Pairs;
}

void MatchingBoard::setlabels() {
    homes_ = names_;
}

void MatchingBoard::mouseMove(int index, int buttons, QPointF pointer) {
    if (buttons != Carry::LeftButton) return;
    const QSizeF size = labelSize(index);
    names_[index] += pointer - QPointF(size.width() / 2, size.height() / 2);
}

MatchingDrop MatchingBoard::drop(int index) {
    // Each test reads the position as the previous one left it; in this
    // layout no window holds another box, so the first box in the order
    // drop box 0, home box 0, drop box 1, ... whose window holds the name wins.
    MatchingDrop result;
    for (int i = 0; i < Pairs; ++i) {
        if (snap(index, dropBox(i), QSizeF(DropBoxes[i].width, DropBoxes[i].height))) result = {i, -1};
        if (snap(index, homes_[i], labelSize(i))) result = {-1, i};
    }
    int filled = 0;
    for (int a = 0; a < Pairs; ++a) {
        for (int b = 0; b < Pairs; ++b)
            filled += names_[a] == dropBox(b);
    }
    // Once offered, checking stays offered until the names go home.
    if (filled == Pairs) checkScoreShown_ = true;
    return result;
}

bool MatchingBoard::snap(int index, QPointF target, QSizeF size) {
    const QPointF at = names_[index];
    if (target.x() - size.width() / 2 < at.x() && at.x() < target.x() + size.width() &&
        target.y() - size.height() / 2 < at.y() && at.y() < target.y() + size.height()) {
        names_[index] = target;
        return true;
    }
    return false;
}

std::array<QPointF, MatchingBoard::Pairs + 1> MatchingBoard::places(int index) const {
    std::array<QPointF, Pairs + 1> all;
    all[0] = homes_[index];
    for (int i = 0; i < Pairs; ++i)
        all[i + 1] = dropBox(i);
    std::sort(all.begin() + 1, all.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    return all;
}

int MatchingBoard::placeOf(int index) const {
    const auto all = places(index);
    int nearest = 0;
    for (int p = 1; p < int(all.size()); ++p) {
        if ((all[p] - names_[index]).manhattanLength() < (all[nearest] - names_[index]).manhattanLength())
            nearest = p;
    }
    return nearest;
}

void MatchingBoard::step(int index, int across) {
    const auto all = places(index);
    carriedPlace_ = std::clamp(carriedPlace_ + across, 0, int(all.size()) - 1);
    carryTo(index, all[carriedPlace_]);
}

std::optional<QPointF> MatchingBoard::placeAt(QPointF at) const {
    const auto holds = [at](QPointF corner, QSizeF size) { return QRectF(corner, size).contains(at); };
    for (int i = 0; i < Pairs; ++i) {
        if (holds(dropBox(i), QSizeF(DropBoxes[i].width, DropBoxes[i].height))) return dropBox(i);
        if (holds(homes_[i], labelSize(i))) return homes_[i];
    }
    return std::nullopt;
}

int MatchingBoard::boxOf(int index) const {
    for (int b = 0; b < Pairs; ++b) {
        if (names_[index] == dropBox(b)) return b;
    }
    return -1;
}

void MatchingBoard::exit() {
    shared_.Score = 0;
}

void MatchingBoard::startAgain() {
    shared_.Score = 0;
    names_ = homes_;
    checkScoreShown_ = false;
}

void MatchingBoard::checkScore() {
    shared_.Score = 0;
    for (int i = 0; i < Pairs; ++i) {
        if (names_[i] == dropBox(i)) ++shared_.Score;
    }
}
