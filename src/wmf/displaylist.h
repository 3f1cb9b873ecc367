#pragma once
// A metafile as drawing operations: every record already resolved to the pen,
// brush, font and colours in force, and every coordinate mapped into the
// picture's own frame, in twips from its top-left corner.

#include "wmf/types.h"

#include <QString>
#include <QtGlobal>
#include <optional>
#include <variant>
#include <vector>

namespace wmf {

struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF &, const PointF &) = default;
};

// Corners as mapped; left may lie right of right where the mapping mirrors.
struct RectF {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    RectF normalised() const;
    RectF intersected(const RectF &other) const; // both normalised
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const RectF &, const RectF &) = default;
};

enum class LineCap { Round, Square, Flat };
enum class LineJoin { Round, Bevel, Miter };

struct Pen {
    PenStyle style = PenStyle::Solid;
    double width = 0; // twips; 0 draws one device pixel wide
    Rgb colour;
    LineCap cap = LineCap::Round;
    LineJoin join = LineJoin::Round;
    friend bool operator==(const Pen &, const Pen &) = default;
};

struct Brush {
    enum class Style { Solid, Null, Hatched };
    Style style = Style::Solid;
    Rgb colour{255, 255, 255};
    int hatch = 0; // HS_HORIZONTAL .. HS_DIAGCROSS for a hatched brush
    friend bool operator==(const Brush &, const Brush &) = default;
};

struct Font {
    QString face;
    // Twips: negative is the character height (the em), positive the cell
    // height (em and internal leading), zero the face's default size.
    double height = 0;
    double width = 0;
    int escapement = 0; // tenths of a degree, anticlockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    friend bool operator==(const Font &, const Font &) = default;
};

// How a shape's pen and brush mix with what is already drawn (the binary
// raster operations, numbered as the metafile numbers them): P is the pen or
// brush colour, D what lies under it.
enum class Rop2 {
    Black = 1,   // 0
    NotMergePen, // ~(P | D)
    MaskNotPen,  // ~P & D
    NotCopyPen,  // ~P
    MaskPenNot,  // P & ~D
    Not,         // ~D
    XorPen,      // P ^ D
    NotMaskPen,  // ~(P & D)
    MaskPen,     // P & D
    NotXorPen,   // ~(P ^ D)
    Nop,         // D: nothing is drawn
    MergeNotPen, // ~P | D
    CopyPen,     // P: the shape is simply drawn
    MergePenNot, // P | ~D
    MergePen,    // P | D
    White,       // 1
};

struct Shape {
    enum class Kind { Polyline, Polygon, PolyPolygon, Rectangle, RoundRect, Ellipse, Arc, Pie, Chord };
    Kind kind = Kind::Polyline;
    std::vector<PointF> points; // polylines and polygons; all polygons of a polypolygon
    std::vector<int> counts;    // points of each polygon of a polypolygon
    RectF box;                  // rectangles, ellipses, and the ellipse of arcs, pies and chords
    PointF corner;              // width and height of a rounded rectangle's corner ellipse
    PointF start;               // arcs, pies and chords run anticlockwise from start to end
    PointF end;
    Pen pen;
    Brush brush;
    bool winding = false; // fill rule of polygons: alternate unless winding
    Rop2 rop = Rop2::CopyPen;
    friend bool operator==(const Shape &, const Shape &) = default;
};

struct TextRun {
    PointF at; // the reference point the alignment names
    QString text;
    Font font;
    Rgb colour;
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Top;
    bool opaque = false; // the cell is first filled with the background colour
    Rgb background{255, 255, 255};
    std::vector<double> dx;   // advance of each character in twips; empty: the font's own
    std::optional<RectF> box; // the record's rectangle
    bool clipToBox = false;
    bool fillBox = false;
    friend bool operator==(const TextRun &, const TextRun &) = default;
};

// Decoded pixels, top row first, as 0xAARRGGBB.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<quint32> pixels;
    friend bool operator==(const Bitmap &, const Bitmap &) = default;
};

struct Picture {
    RectF target;
    Bitmap bitmap;
    // The part of the bitmap shown, in its pixels from the top-left.
    int sourceX = 0;
    int sourceY = 0;
    int sourceWidth = 0;
    int sourceHeight = 0;
    friend bool operator==(const Picture &, const Picture &) = default;
};

// A rectangle filled with one colour (pattern copies, blackness, whiteness).
struct Fill {
    RectF rect;
    Rgb colour;
    friend bool operator==(const Fill &, const Fill &) = default;
};

struct Item {
    std::variant<Shape, TextRun, Picture, Fill> what;
    std::optional<RectF> clip; // nothing outside it shows
    friend bool operator==(const Item &, const Item &) = default;
};

struct DisplayList {
    double widthTwips = 0;
    double heightTwips = 0;
    bool placeable = false;
    int unitsPerInch = 0; // of the placeable header
    std::vector<Item> items;
    friend bool operator==(const DisplayList &, const DisplayList &) = default;
};

} // namespace wmf
