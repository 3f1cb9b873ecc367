#include "wmf/painter.h"

#include "wmf/reader.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wmf {
namespace {

constexpr int kMaxSide = 4096;
constexpr double kFar = 1e6;

QColor toColour(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

struct TextFont {
    QFont font;
    // Advances from the metafile leave no room for kerning or ligatures:
    // pieces of a run drawn at once must add up character by character.
    QFont unkerned;
    double ascent = 0;
    double descent = 0;
};

// The composition mode that draws a raster operation on a device that has them.
QPainter::CompositionMode compositionMode(Rop2 rop) {
    switch (rop) {
    case Rop2::Black:
        return QPainter::RasterOp_ClearDestination;
    case Rop2::NotMergePen:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case Rop2::MaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case Rop2::NotCopyPen:
        return QPainter::RasterOp_NotSource;
    case Rop2::MaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case Rop2::Not:
        return QPainter::RasterOp_NotDestination;
    case Rop2::XorPen:
        return QPainter::RasterOp_SourceXorDestination;
    case Rop2::NotMaskPen:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case Rop2::MaskPen:
        return QPainter::RasterOp_SourceAndDestination;
    case Rop2::NotXorPen:
        return QPainter::RasterOp_NotSourceXorDestination;
    case Rop2::MergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case Rop2::MergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case Rop2::MergePen:
        return QPainter::RasterOp_SourceOrDestination;
    case Rop2::White:
        return QPainter::RasterOp_SetDestination;
    case Rop2::Nop:
    case Rop2::CopyPen:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

constexpr std::size_t kMaxMixedRuns = 32;
// Images for paper are drawn at the printer's resolution up to this size, coarser beyond it.
constexpr qint64 kMaxLayerPixels = 16LL * 1024 * 1024;

bool mixes(const Item &item) {
    const auto *shape = std::get_if<Shape>(&item.what);
    return shape && shape->rop != Rop2::CopyPen && shape->rop != Rop2::Nop;
}

// Items from a shape drawn with a raster operation to the last such shape
// that follows with only shapes and fills between. LibreOffice draws a
// gradient in a shape as bands XORed in, the shape in black, the bands XORed
// again, so the bands cancel outside the shape.
struct MixedRun {
    std::size_t first = 0;
    std::size_t last = 0;
};

std::vector<MixedRun> mixedRuns(const DisplayList &list) {
    std::vector<MixedRun> runs;
    const std::size_t count = list.items.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!mixes(list.items[i])) continue;
        MixedRun run{i, i};
        for (std::size_t k = i + 1; k < count; ++k) {
            const auto &what = list.items[k].what;
            if (!std::holds_alternative<Shape>(what) && !std::holds_alternative<Fill>(what)) break;
            if (mixes(list.items[k])) run.last = k;
        }
        runs.push_back(run);
        i = run.last;
    }
    // On paper each run redraws the page up to its end into an image, so a
    // page of very many runs has its last ones drawn as one.
    if (runs.size() > kMaxMixedRuns) {
        runs[kMaxMixedRuns - 1].last = runs.back().last;
        runs.resize(kMaxMixedRuns);
    }
    return runs;
}

class Painter {
  public:
    Painter(QPainter &painter, const DisplayList &list, const QRectF &target, Mixing mixing)
        : p_(painter), target_(target), scaleX_(target.width() / list.widthTwips),
          scaleY_(target.height() / list.heightTwips), mixing_(mixing) {}

    // Draws the items before end.
    void paint(const DisplayList &list, std::size_t end) {
        end = std::min(end, list.items.size());
        const std::vector<MixedRun> runs = mixedRuns(list);
        auto run = runs.begin();
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        p_.setRenderHint(QPainter::SmoothPixmapTransform);
        p_.save();
        p_.setClipRect(target_, Qt::IntersectClip);
        for (std::size_t i = 0; i < end; ++i) {
            while (run != runs.end() && run->last < i)
                ++run;
            const bool inRun = run != runs.end() && run->first <= i;
            const Item &item = list.items[i];
            setClip(item.clip);
            if (const auto *shape = std::get_if<Shape>(&item.what))
                drawShape(*shape, inRun);
            else if (const auto *text = std::get_if<TextRun>(&item.what))
                drawText(*text);
            else if (const auto *picture = std::get_if<Picture>(&item.what))
                drawPicture(*picture);
            else if (const auto *fill = std::get_if<Fill>(&item.what))
                p_.fillRect(rect(fill->rect), toColour(fill->colour));
            if (inRun && i == run->last && mixing_ == Mixing::AsImages) drawAsImage(list, *run);
        }
        p_.restore();
        p_.restore();
    }

  private:
    // Points far off the target are pulled in: what lies beyond it is clipped
    // anyway, and the rasteriser slows down or overflows on huge coordinates.
    QPointF point(const PointF &pt) const {
        return {std::clamp(target_.left() + pt.x * scaleX_, -kFar, kFar),
                std::clamp(target_.top() + pt.y * scaleY_, -kFar, kFar)};
    }
    QRectF rect(const RectF &r) const {
        const RectF n = r.normalised();
        return QRectF(point({n.left, n.top}), point({n.right, n.bottom})).normalized();
    }

    void setClip(const std::optional<RectF> &clip) {
        if (clip == clip_) return;
        clip_ = clip;
        applyClip();
    }
    void applyClip() {
        p_.restore();
        p_.save();
        p_.setClipRect(target_, Qt::IntersectClip);
        if (clip_) p_.setClipRect(rect(*clip_), Qt::IntersectClip);
    }

    // Where a shape can leave ink, in the painter's coordinates.
    QRectF bounds(const Shape &s) const {
        const QRectF shape =
            s.points.empty() ? rect(s.box) : polygon(s.points, 0, s.points.size()).boundingRect();
        const double margin = pen(s.pen).widthF() / 2 + 1;
        return shape.adjusted(-margin, -margin, margin, margin);
    }

    // A device that cannot mix colours (a printer) gets the part of the page a
    // mixed run touches as an image at its own resolution: the page drawn up
    // to the run's end on white paper, with the raster operations done.
    void drawAsImage(const DisplayList &list, const MixedRun &run) {
        QRectF area;
        for (std::size_t i = run.first; i <= run.last; ++i) {
            const Item &item = list.items[i];
            if (!mixes(item)) continue;
            QRectF touched = bounds(std::get<Shape>(item.what));
            if (item.clip) touched &= rect(*item.clip);
            area |= touched;
        }
        area &= target_;
        const QTransform device = p_.deviceTransform();
        if (area.isEmpty() || !device.isInvertible()) return;
        const QRect pixels = device.mapRect(area).toAlignedRect().adjusted(-1, -1, 1, 1);
        const qint64 count = qint64(pixels.width()) * pixels.height();
        const double shrink =
            count > kMaxLayerPixels ? std::sqrt(double(kMaxLayerPixels) / double(count)) : 1.0;
        QImage layer(std::max(1, int(pixels.width() * shrink)), std::max(1, int(pixels.height() * shrink)),
                     QImage::Format_RGB32);
        if (layer.isNull()) return;
        layer.fill(Qt::white);
        QPainter onLayer(&layer);
        onLayer.scale(double(layer.width()) / pixels.width(), double(layer.height()) / pixels.height());
        onLayer.translate(-pixels.topLeft());
        onLayer.setTransform(device, true);
        Painter(onLayer, list, target_, Mixing::ByDevice).paint(list, run.last + 1);
        onLayer.end();

        p_.restore();
        p_.save();
        p_.setClipRect(target_, Qt::IntersectClip);
        p_.resetTransform();
        p_.drawImage(QRectF(pixels), layer);
        applyClip();
    }

    QPen pen(const Pen &pen) const {
        if (pen.style == PenStyle::Null) return Qt::NoPen;
        // A pen of width 0 is one device pixel on screen; on a fine printer it
        // keeps the width of a screen pixel so hairlines stay visible.
        double width = pen.width * (std::abs(scaleX_) + std::abs(scaleY_)) / 2;
        if (pen.width == 0) width = 15.0 * (std::abs(scaleX_) + std::abs(scaleY_)) / 2;
        if (width <= 1.0) width = 0;
        width = std::min(width, 4 * std::max(target_.width(), target_.height()));
        QPen out(toColour(pen.colour), width);
        switch (pen.style) {
        case PenStyle::Dash:
            out.setStyle(Qt::DashLine);
            break;
        case PenStyle::Dot:
            out.setStyle(Qt::DotLine);
            break;
        case PenStyle::DashDot:
            out.setStyle(Qt::DashDotLine);
            break;
        case PenStyle::DashDotDot:
            out.setStyle(Qt::DashDotDotLine);
            break;
        default:
            out.setStyle(Qt::SolidLine);
            break;
        }
        out.setCapStyle(pen.cap == LineCap::Flat     ? Qt::FlatCap
                        : pen.cap == LineCap::Square ? Qt::SquareCap
                                                     : Qt::RoundCap);
        out.setJoinStyle(pen.join == LineJoin::Bevel   ? Qt::BevelJoin
                         : pen.join == LineJoin::Miter ? Qt::MiterJoin
                                                       : Qt::RoundJoin);
        return out;
    }

    static QBrush brush(const Brush &brush) {
        switch (brush.style) {
        case Brush::Style::Null:
            return Qt::NoBrush;
        case Brush::Style::Hatched: {
            constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                   Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(toColour(brush.colour), kHatches[std::clamp(brush.hatch, 0, 5)]);
        }
        default:
            return QBrush(toColour(brush.colour));
        }
    }

    QPolygonF polygon(const std::vector<PointF> &points, std::size_t from, std::size_t count) const {
        QPolygonF out;
        out.reserve(qsizetype(count));
        for (std::size_t i = from; i < from + count && i < points.size(); ++i)
            out.append(point(points[i]));
        return out;
    }

    // The parametric angle, in degrees, of the point where the line from the
    // ellipse's centre towards pt meets it.
    static double angle(const QRectF &box, const QPointF &pt) {
        const double rx = std::max(box.width() / 2, 1e-9);
        const double ry = std::max(box.height() / 2, 1e-9);
        return std::atan2(-(pt.y() - box.center().y()) / ry, (pt.x() - box.center().x()) / rx) * 180 /
               std::numbers::pi;
    }

    // Shapes of a mixed run are drawn without anti-aliasing, so that a shape
    // drawn twice with XOR covers the same pixels both times and cancels,
    // and bands side by side share no pixel.
    void drawShape(const Shape &s, bool inMixedRun) {
        if (s.rop == Rop2::Nop) return;
        const bool mixing = s.rop != Rop2::CopyPen;
        if (mixing && mixing_ == Mixing::AsImages) return; // in the run's image
        if (inMixedRun) {
            p_.save();
            p_.setRenderHint(QPainter::Antialiasing, false);
            if (mixing) p_.setCompositionMode(compositionMode(s.rop));
            drawGeometry(s);
            p_.restore();
            return;
        }
        drawGeometry(s);
    }

    void drawGeometry(const Shape &s) {
        p_.setPen(pen(s.pen));
        p_.setBrush(brush(s.brush));
        const Qt::FillRule rule = s.winding ? Qt::WindingFill : Qt::OddEvenFill;
        switch (s.kind) {
        case Shape::Kind::Polyline:
            p_.drawPolyline(polygon(s.points, 0, s.points.size()));
            break;
        case Shape::Kind::Polygon:
            p_.drawPolygon(polygon(s.points, 0, s.points.size()), rule);
            break;
        case Shape::Kind::PolyPolygon: {
            QPainterPath path;
            path.setFillRule(rule);
            std::size_t from = 0;
            for (int count : s.counts) {
                path.addPolygon(polygon(s.points, from, std::size_t(count)));
                path.closeSubpath();
                from += std::size_t(count);
            }
            p_.drawPath(path);
            break;
        }
        case Shape::Kind::Rectangle:
            p_.drawRect(rect(s.box));
            break;
        case Shape::Kind::Ellipse:
            p_.drawEllipse(rect(s.box));
            break;
        case Shape::Kind::RoundRect:
            p_.drawRoundedRect(rect(s.box), std::abs(s.corner.x * scaleX_) / 2,
                               std::abs(s.corner.y * scaleY_) / 2);
            break;
        case Shape::Kind::Arc:
        case Shape::Kind::Pie:
        case Shape::Kind::Chord: {
            const QRectF box = rect(s.box);
            const double start = angle(box, point(s.start));
            double span = angle(box, point(s.end)) - start;
            while (span <= 0)
                span += 360;
            QPainterPath path;
            if (s.kind == Shape::Kind::Pie) {
                path.moveTo(box.center());
                path.arcTo(box, start, span);
                path.closeSubpath();
            } else {
                path.arcMoveTo(box, start);
                path.arcTo(box, start, span);
                if (s.kind == Shape::Kind::Chord) path.closeSubpath();
            }
            if (s.kind == Shape::Kind::Arc) p_.setBrush(Qt::NoBrush);
            p_.drawPath(path);
            break;
        }
        }
    }

    const TextFont &textFont(const Font &f) {
        const double sy = std::abs(scaleY_);
        const QString key = f.face + QLatin1Char('/') + QString::number(f.height * sy) + QLatin1Char('/') +
                            QString::number(f.weight) + QLatin1Char(f.italic ? 'i' : '-') +
                            QLatin1Char(f.underline ? 'u' : '-') + QLatin1Char(f.strikeOut ? 's' : '-');
        auto found = fonts_.find(key);
        if (found != fonts_.end()) return *found;

        // An empty face is the player's default; 12 points when no height is given.
        QFont font(f.face.isEmpty() ? QStringLiteral("Arial") : f.face);
        font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
        font.setItalic(f.italic);
        font.setUnderline(f.underline);
        font.setStrikeOut(f.strikeOut);
        // Text taller than twice the picture cannot show whole, and huge
        // glyphs are slow to draw, so that is the largest size drawn.
        const double largest = std::max(64.0, 2 * std::abs(target_.height()));
        double em = std::min(largest, f.height == 0 ? 240 * sy : std::abs(f.height) * sy);
        font.setPixelSize(std::max(1, int(std::lround(em))));
        if (f.height > 0) {
            // A positive height is the cell: the em is what is left after the leading.
            const QFontMetricsF metrics(font);
            const double cell = metrics.ascent() + metrics.descent();
            if (cell > 0) em = std::min(largest, em * em / cell);
            font.setPixelSize(std::max(1, int(std::lround(em))));
        }
        TextFont out;
        out.font = font;
        out.unkerned = font;
        out.unkerned.setKerning(false);
        out.unkerned.setStyleStrategy(QFont::PreferNoShaping);
        const QFontMetricsF metrics(font);
        out.ascent = metrics.ascent();
        out.descent = metrics.descent();
        return *fonts_.insert(key, out);
    }

    void drawText(const TextRun &run) {
        if (run.text.isEmpty() && !run.fillBox) return;
        const TextFont &tf = textFont(run.font);
        const QPointF at = point(run.at);
        const double sx = std::abs(scaleX_);

        if (run.fillBox && run.box) p_.fillRect(rect(*run.box), toColour(run.background));
        if (run.text.isEmpty()) return;

        std::vector<double> advances;
        double width = 0;
        if (!run.dx.empty()) {
            advances.reserve(run.dx.size());
            for (double d : run.dx) {
                advances.push_back(d * sx);
                width += d * sx;
            }
        } else {
            width = QFontMetricsF(tf.font).horizontalAdvance(run.text);
        }
        double x = 0;
        if (run.horizontal == HAlign::Centre) x = -width / 2;
        if (run.horizontal == HAlign::Right) x = -width;
        double baseline = 0;
        if (run.vertical == VAlign::Top) baseline = tf.ascent;
        if (run.vertical == VAlign::Bottom) baseline = -tf.descent;

        p_.save();
        if (run.clipToBox && run.box) p_.setClipRect(rect(*run.box), Qt::IntersectClip);
        p_.translate(at);
        if (run.font.escapement != 0) p_.rotate(-run.font.escapement / 10.0);
        if (run.opaque)
            p_.fillRect(QRectF(x, baseline - tf.ascent, width, tf.ascent + tf.descent),
                        toColour(run.background));
        p_.setPen(toColour(run.colour));
        if (advances.empty()) {
            p_.setFont(tf.font);
            p_.drawText(QPointF(x, baseline), run.text);
        } else {
            p_.setFont(tf.unkerned);
            drawSpaced(tf, run.text, advances, x, baseline);
        }
        p_.restore();
    }

    // Each character at the advance the metafile gives it. Runs of characters
    // whose advances match the face's own are drawn as one piece, in a font
    // that neither kerns nor forms ligatures, so each glyph keeps its own
    // advance. A glyph run of raw glyphs would be quicker but Qt 6.4 draws an
    // application font's bold glyphs from its regular face.
    //
    // Characters given no advance after one that has some are a ligature of
    // the writer's layout ("fi" written as f: the pair's width, i: 0): they
    // are drawn with their leader as the font sets the pair, so no letter
    // lands on the next one.
    void drawSpaced(const TextFont &tf, const QString &text, const std::vector<double> &advances, double x,
                    double baseline) {
        const QFontMetricsF metrics(tf.unkerned);
        const auto advance = [&](qsizetype i) {
            return i < qsizetype(advances.size()) ? advances[std::size_t(i)] : 0.0;
        };
        qsizetype pieceStart = 0;
        double pieceX = x;
        double expected = x;
        double pen = x;
        const auto flush = [&](qsizetype end) {
            if (end > pieceStart)
                p_.drawText(QPointF(pieceX, baseline), text.mid(pieceStart, end - pieceStart));
        };
        for (qsizetype i = 0; i < text.size();) {
            qsizetype end = i + 1;
            if (advance(i) != 0)
                while (end < text.size() && advance(end) == 0 && !text[end].isSpace())
                    ++end;
            if (end > i + 1) {
                flush(i);
                p_.setFont(tf.font);
                p_.drawText(QPointF(pen, baseline), text.mid(i, end - i));
                p_.setFont(tf.unkerned);
                for (; i < end; ++i)
                    pen += advance(i);
                pieceStart = i;
                pieceX = expected = pen;
                continue;
            }
            if (std::abs(pen - expected) > 0.5) {
                flush(i);
                pieceStart = i;
                pieceX = expected = pen;
            }
            expected += metrics.horizontalAdvance(text[i]);
            pen += advance(i);
            ++i;
        }
        flush(text.size());
    }

    void drawPicture(const Picture &pic) {
        const Bitmap &b = pic.bitmap;
        if (b.width <= 0 || b.height <= 0 || b.pixels.size() != std::size_t(b.width) * std::size_t(b.height))
            return;
        const QImage image(reinterpret_cast<const uchar *>(b.pixels.data()), b.width, b.height, b.width * 4,
                           QImage::Format_ARGB32);
        p_.drawImage(rect(pic.target), image,
                     QRectF(pic.sourceX, pic.sourceY, pic.sourceWidth, pic.sourceHeight));
    }

    QPainter &p_;
    QRectF target_;
    double scaleX_;
    double scaleY_;
    Mixing mixing_;
    std::optional<RectF> clip_;
    QHash<QString, TextFont> fonts_;
};

} // namespace

QSize pixelSize(const DisplayList &list) {
    return {std::max(1, int(std::lround(list.widthTwips / 15.0))),
            std::max(1, int(std::lround(list.heightTwips / 15.0)))};
}

void paintDisplayList(QPainter &painter, const DisplayList &list, const QRectF &target, Mixing mixing) {
    if (list.widthTwips <= 0 || list.heightTwips <= 0 || target.isEmpty()) return;
    if (mixing == Mixing::AsDeviceCan) {
        // Printers and PDF claim raster operations and draw them as plain
        // copies; only the raster engine of images and widgets does them.
        const QPaintEngine *engine = painter.paintEngine();
        mixing = engine && engine->type() == QPaintEngine::Raster ? Mixing::ByDevice : Mixing::AsImages;
    }
    Painter(painter, list, target, mixing).paint(list, list.items.size());
}

bool drawMetafile(QPainter &painter, const QString &path, const QRectF &target) {
    const ReadResult read = readMetafileFile(path);
    if (read.problem == Problem::NotAMetafile || read.problem == Problem::EmptyPicture) return false;
    paintDisplayList(painter, read.list, target);
    return true;
}

QImage renderDisplayList(const DisplayList &list, QSize size, const QColor &background) {
    if (list.widthTwips <= 0 || list.heightTwips <= 0) return {};
    if (size.isEmpty()) size = pixelSize(list);
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        size.scale(kMaxSide, kMaxSide, Qt::KeepAspectRatio);
    size = size.expandedTo({1, 1});
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    paintDisplayList(painter, list, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    // A raster operation over a transparent pixel gives it colour but no
    // opacity, which no premultiplied pixel may have: it shows opaque.
    if (background.alpha() < 255 && std::any_of(list.items.begin(), list.items.end(), mixes))
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(row[x]) < std::max({qRed(row[x]), qGreen(row[x]), qBlue(row[x])}))
                    row[x] |= 0xFF000000;
        }
    return image;
}

QImage renderMetafile(const QString &path, QSize size, const QColor &background) {
    const ReadResult read = readMetafileFile(path);
    if (read.problem == Problem::NotAMetafile || read.problem == Problem::EmptyPicture) return {};
    return renderDisplayList(read.list, size, background);
}

} // namespace wmf
