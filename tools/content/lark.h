#pragma once
// The publisher's lark: the bird itself, the two logos and the flight frames.

#include <QPointF>

class Brush;

// A skylark seen from the side, flying to the right; wing 0 is fully up, 1 fully down.
void drawLark(Brush &brush, const QPointF &centre, double length, double wing);

// The main menu's upright logo (larkspur spike and lark) and the
// acknowledgments' wide logo with the publisher's name.
void drawLogoUpright(Brush &brush);
void drawLogoWide(Brush &brush);
