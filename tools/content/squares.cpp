#include "squares.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int kThumbnailCells = 12;
constexpr int kCellPixels = kSquarePixels / kThumbnailCells;

using Thumbnail = std::array<double, kThumbnailCells * kThumbnailCells>;

Thumbnail thumbnail(const QImage &square) {
    // A square cut short at a picture's edge is padded, never read past its end.
    const QImage rgb = square.copy(0, 0, kSquarePixels, kSquarePixels).convertToFormat(QImage::Format_RGB32);
    Thumbnail cells{};
    for (int y = 0; y < kSquarePixels; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < kSquarePixels; ++x)
            cells[(y / kCellPixels) * kThumbnailCells + x / kCellPixels] += qGray(line[x]);
    }
    for (double &cell : cells)
        cell /= kCellPixels * kCellPixels;
    return cells;
}

double distance(const Thumbnail &first, const Thumbnail &second) {
    double sum = 0;
    for (std::size_t i = 0; i < first.size(); ++i)
        sum += std::abs(first[i] - second[i]);
    return sum / static_cast<double>(first.size());
}

} // namespace

QImage jigsawSquare(const QImage &painting, int index) {
    return painting.copy((index % kSquareColumns) * kSquarePixels, (index / kSquareColumns) * kSquarePixels,
                         kSquarePixels, kSquarePixels);
}

double squareDistance(const QImage &first, const QImage &second) {
    return distance(thumbnail(first), thumbnail(second));
}

SquarePair leastDistantSquares(const QImage &painting) {
    constexpr int count = kSquareColumns * kSquareRows;
    std::array<Thumbnail, count> thumbnails;
    for (int i = 0; i < count; ++i)
        thumbnails[i] = thumbnail(jigsawSquare(painting, i));
    SquarePair least{0, 0, std::numeric_limits<double>::infinity()};
    for (int a = 0; a < count; ++a)
        for (int b = a + 1; b < count; ++b)
            if (const double d = distance(thumbnails[a], thumbnails[b]); d < least.distance)
                least = {a, b, d};
    return least;
}
