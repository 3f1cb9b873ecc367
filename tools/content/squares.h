#pragma once
// How far apart the jigsaw's squares look: the one measure the content tool
// prints and the content tests hold to a floor.

#include <QImage>

// The jigsaw cuts a 480 x 360 painting into four columns and three rows of
// 120-pixel squares; square i is column i % 4, row i / 4.
inline constexpr int kSquareColumns = 4;
inline constexpr int kSquareRows = 3;
inline constexpr int kSquarePixels = 120;

// Every pair of squares of every jigsaw painting must lie further apart than
// this. Squares that pupils mistook for one another measured 6 to 12 (four
// squares of one dark floor, corners of plain brown, two of one sunset sky);
// squares with a figure, an object or a change of light of their own measure
// 20 and more.
inline constexpr double kSquareDistanceFloor = 18.0;

// Square i of a jigsaw painting (column i % 4, row i / 4).
QImage jigsawSquare(const QImage &painting, int index);

// The mean absolute difference, 0 to 255, between 12 x 12 greyscale
// thumbnails of two squares (each thumbnail cell is the mean grey of 10 x 10
// pixels): what an eye sees at a glance, blind to grain and noise.
double squareDistance(const QImage &first, const QImage &second);

struct SquarePair {
    int first = 0;
    int second = 0;
    double distance = 0;
};

// The two squares of a painting that look most alike.
SquarePair leastDistantSquares(const QImage &painting);
