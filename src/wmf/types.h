#pragma once
// Plain values shared by the metafile reader, writer and painter.

#include <QtGlobal>

namespace wmf {

struct Rgb {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

// Horizontal reference of a text run: its left end, its middle or its right end.
enum class HAlign { Left, Centre, Right };
// Vertical reference of a text run: the top of its cell, its baseline or the bottom of its cell.
enum class VAlign { Top, Baseline, Bottom };

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };

} // namespace wmf
