#include "wmf/reader.h"

#include "core/codepages.h"
#include "wmf/log.h"
#include "wmf/records.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace wmf {

RectF RectF::normalised() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

RectF RectF::intersected(const RectF &other) const {
    RectF r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
    if (r.isEmpty()) r = {r.left, r.top, r.left, r.top};
    return r;
}

const char *problemName(Problem problem) {
    switch (problem) {
    case Problem::None:
        return "none";
    case Problem::NotAMetafile:
        return "not a metafile";
    case Problem::EmptyPicture:
        return "empty picture";
    case Problem::BadRecordSize:
        return "bad record size";
    case Problem::MissingEof:
        return "missing EOF";
    case Problem::TooManyRecords:
        return "too many records";
    case Problem::TooManyItems:
        return "too many items";
    case Problem::TooManyObjects:
        return "too many objects";
    case Problem::BadObjectIndex:
        return "bad object index";
    case Problem::SaveDepth:
        return "SAVEDC too deep";
    case Problem::BadRecord:
        return "bad record";
    case Problem::BadBitmap:
        return "bad bitmap";
    case Problem::TooManyPixels:
        return "too many pixels";
    }
    return "unknown";
}

namespace {

quint16 word16(const uchar *p) {
    return static_cast<quint16>(p[0] | (p[1] << 8));
}
quint32 word32(const uchar *p) {
    return quint32(word16(p)) | (quint32(word16(p + 2)) << 16);
}

// The parameters of one record: every read is checked against its end.
struct Params {
    const uchar *data = nullptr;
    qint64 bytes = 0;
    bool has(qint64 words) const { return words * 2 <= bytes; }
    quint16 u(qint64 i) const { return word16(data + 2 * i); }
    qint16 s(qint64 i) const { return static_cast<qint16>(u(i)); }
    quint32 u32(qint64 i) const { return word32(data + 2 * i); }
    Rgb colour(qint64 i) const { return {data[2 * i], data[2 * i + 1], data[2 * i + 2]}; }
};

struct Slot {
    enum class Kind { Free, Pen, Brush, Font, Other };
    Kind kind = Kind::Free;
    Pen pen;
    Brush brush;
    Font font;
};

struct Dc {
    Pen pen;
    Brush brush;
    Font font;
    Rgb text;
    Rgb background{255, 255, 255};
    bool opaque = true;
    quint16 align = 0;
    bool winding = false;
    Rop2 rop = Rop2::CopyPen;
    int mapMode = 1;
    double windowX = 0, windowY = 0, windowW = 1, windowH = 1;
    double viewX = 0, viewY = 0, viewW = 1, viewH = 1;
    double scaleX = 1, scaleY = 1;
    std::optional<RectF> clip;
    int currentX = 0, currentY = 0;
};

class Reader {
  public:
    explicit Reader(const QByteArray &bytes)
        : data_(reinterpret_cast<const uchar *>(bytes.constData())), size_(bytes.size()) {}

    ReadResult run() {
        qint64 offset = 0;
        if (!readHeaders(offset)) return std::move(result_);
        int records = 0;
        while (true) {
            if (size_ - offset < 6) {
                note(Problem::MissingEof, offset);
                break;
            }
            const quint32 words = word32(data_ + offset);
            const quint16 function = word16(data_ + offset + 4);
            if (words < 3 || qint64(words) * 2 > size_ - offset) {
                note(Problem::BadRecordSize, offset);
                break;
            }
            if (function == rec::Eof) break;
            if (++records > kMaxRecords) {
                note(Problem::TooManyRecords, offset);
                break;
            }
            offset_ = offset;
            play(function, Params{data_ + offset + 6, qint64(words) * 2 - 6});
            if (stopped_) break;
            offset += qint64(words) * 2;
        }
        // A metafile without the placeable header and without a window extent has no size.
        if (!result_.list.placeable && !sized_) note(Problem::EmptyPicture, offset);
        return std::move(result_);
    }

  private:
    void note(Problem problem, qint64 offset) {
        if (result_.problem != Problem::None) return;
        result_.problem = problem;
        result_.problemOffset = offset;
    }
    void bad(Problem problem = Problem::BadRecord) { note(problem, offset_); }

    bool readHeaders(qint64 &offset) {
        DisplayList &list = result_.list;
        if (size_ >= 22 && word32(data_) == rec::PlaceableKey) {
            const qint16 left = static_cast<qint16>(word16(data_ + 6));
            const qint16 top = static_cast<qint16>(word16(data_ + 8));
            const qint16 right = static_cast<qint16>(word16(data_ + 10));
            const qint16 bottom = static_cast<qint16>(word16(data_ + 12));
            int inch = word16(data_ + 14);
            // A file that leaves the units out is taken to be in twips.
            if (inch == 0) inch = 1440;
            list.placeable = true;
            list.unitsPerInch = inch;
            unitTwips_ = 1440.0 / inch;
            list.widthTwips = std::abs(right - left) * unitTwips_;
            list.heightTwips = std::abs(bottom - top) * unitTwips_;
            dc_.windowX = std::min(left, right);
            dc_.windowY = std::min(top, bottom);
            dc_.windowW = std::abs(right - left);
            dc_.windowH = std::abs(bottom - top);
            dc_.viewW = list.widthTwips;
            dc_.viewH = list.heightTwips;
            offset = 22;
        }
        if (size_ - offset < 18) {
            note(Problem::NotAMetafile, offset);
            return false;
        }
        const quint16 type = word16(data_ + offset);
        const quint16 headerWords = word16(data_ + offset + 2);
        if ((type != 1 && type != 2) || headerWords != 9) {
            note(Problem::NotAMetafile, offset);
            return false;
        }
        if (list.placeable && (dc_.windowW == 0 || dc_.windowH == 0)) {
            note(Problem::EmptyPicture, 0);
            return false;
        }
        if (!list.placeable) {
            unitTwips_ = 15.0; // a logical unit is a pixel at 96 dpi
            dc_.viewW = dc_.viewH = unitTwips_;
        }
        updateScale();
        offset += 18;
        return true;
    }

    void updateScale() {
        constexpr double kMetricUnits[] = {0, 0, 1440.0 / 254, 1440.0 / 2540, 14.4, 1.44, 1.0};
        if (dc_.mapMode >= 2 && dc_.mapMode <= 6) {
            dc_.scaleX = kMetricUnits[dc_.mapMode];
            dc_.scaleY = -kMetricUnits[dc_.mapMode];
            return;
        }
        dc_.scaleX = dc_.viewW / dc_.windowW;
        dc_.scaleY = dc_.viewH / dc_.windowH;
        if (dc_.mapMode == 7) {
            const double scale = std::min(std::abs(dc_.scaleX), std::abs(dc_.scaleY));
            dc_.scaleX = std::copysign(scale, dc_.scaleX);
            dc_.scaleY = std::copysign(scale, dc_.scaleY);
        }
    }

    PointF map(double x, double y) const {
        return {(x - dc_.windowX) * dc_.scaleX + dc_.viewX, (y - dc_.windowY) * dc_.scaleY + dc_.viewY};
    }
    RectF mapRect(double left, double top, double right, double bottom) const {
        const PointF a = map(left, top);
        const PointF b = map(right, bottom);
        return {a.x, a.y, b.x, b.y};
    }

    // Extents must keep every mapped coordinate finite and within reach.
    static bool usableExtent(double w, double h) {
        return std::abs(w) >= 1e-3 && std::abs(h) >= 1e-3 && std::abs(w) <= 1e9 && std::abs(h) <= 1e9;
    }

    void setWindowExt(double w, double h) {
        if (!usableExtent(w, h)) return bad();
        // Without a placeable header the first window extent gives the
        // picture its size, a logical unit being a pixel.
        if (!result_.list.placeable && !sized_) {
            sized_ = true;
            result_.list.widthTwips = std::abs(w) * unitTwips_;
            result_.list.heightTwips = std::abs(h) * unitTwips_;
            dc_.viewW = result_.list.widthTwips;
            dc_.viewH = result_.list.heightTwips;
        }
        dc_.windowW = w;
        dc_.windowH = h;
        updateScale();
    }

    void setViewportExt(double w, double h) {
        if (!usableExtent(w, h)) return bad();
        dc_.viewW = w * unitTwips_;
        dc_.viewH = h * unitTwips_;
        updateScale();
    }

    bool add(Item &&item) {
        if (result_.list.items.size() >= std::size_t(kMaxItems)) {
            bad(Problem::TooManyItems);
            stopped_ = true;
            return false;
        }
        item.clip = dc_.clip;
        result_.list.items.push_back(std::move(item));
        return true;
    }

    Shape shape(Shape::Kind kind) const {
        Shape s;
        s.kind = kind;
        s.pen = dc_.pen;
        s.brush = dc_.brush;
        s.winding = dc_.winding;
        s.rop = dc_.rop;
        return s;
    }

    // Object table: a new object takes the lowest free slot, as GDI does;
    // the table grows as objects come, whatever the header announced.
    Slot *newSlot() {
        for (auto &slot : slots_)
            if (slot.kind == Slot::Kind::Free) return &slot;
        if (slots_.size() >= std::size_t(kMaxObjects)) {
            bad(Problem::TooManyObjects);
            return nullptr;
        }
        return &slots_.emplace_back();
    }

    Slot *slotAt(const Params &p) {
        if (!p.has(1)) return bad(), nullptr;
        const quint16 index = p.u(0);
        if (index >= slots_.size() || slots_[index].kind == Slot::Kind::Free) {
            bad(Problem::BadObjectIndex);
            return nullptr;
        }
        return &slots_[index];
    }

    void createPen(const Params &p) {
        Slot *slot = newSlot();
        if (!slot) return;
        slot->kind = Slot::Kind::Pen;
        slot->pen = {};
        if (!p.has(5)) return bad();
        const quint16 style = p.u(0);
        const int kind = style & 0x0F;
        slot->pen.style = kind <= 6 ? static_cast<PenStyle>(kind) : PenStyle::Solid;
        slot->pen.width = std::abs(p.s(1) * dc_.scaleX);
        slot->pen.colour = p.colour(3);
        const int cap = style & 0x0F00;
        slot->pen.cap = cap == 0x0100 ? LineCap::Square : cap == 0x0200 ? LineCap::Flat : LineCap::Round;
        const int join = style & 0xF000;
        slot->pen.join = join == 0x1000   ? LineJoin::Bevel
                         : join == 0x2000 ? LineJoin::Miter
                                          : LineJoin::Round;
    }

    void createBrush(const Params &p) {
        Slot *slot = newSlot();
        if (!slot) return;
        slot->kind = Slot::Kind::Brush;
        slot->brush = {};
        if (!p.has(4)) return bad();
        const quint16 style = p.u(0);
        slot->brush.colour = p.colour(1);
        if (style == 0) {
            slot->brush.style = Brush::Style::Solid;
        } else if (style == 2 && p.u(3) <= 5) {
            slot->brush.style = Brush::Style::Hatched;
            slot->brush.hatch = p.u(3);
        } else {
            slot->brush.style = Brush::Style::Null;
        }
    }

    void createFont(const Params &p) {
        Slot *slot = newSlot();
        if (!slot) return;
        slot->kind = Slot::Kind::Font;
        slot->font = {};
        if (!p.has(9)) return bad();
        Font &f = slot->font;
        f.height = p.s(0) * std::abs(dc_.scaleY);
        f.width = std::abs(p.s(1) * dc_.scaleX);
        f.escapement = p.s(2);
        f.weight = p.s(4);
        f.italic = p.data[10] != 0;
        f.underline = p.data[11] != 0;
        f.strikeOut = p.data[12] != 0;
        f.charset = p.data[13];
        const qint64 room = std::min<qint64>(p.bytes - 18, 32);
        const auto *face = reinterpret_cast<const char *>(p.data + 18);
        const auto *nul = static_cast<const char *>(std::memchr(face, 0, std::size_t(room)));
        // The name is in the code page of the font's own character set; a
        // symbol font's name is plain text.
        const int codePage = codePageOfCharset(f.charset);
        f.face = fromCodePage(codePage == kSymbolCodePage ? 1252 : codePage, face, nul ? nul - face : room);
    }

    void createOther() {
        if (Slot *slot = newSlot()) slot->kind = Slot::Kind::Other;
    }

    void selectObject(const Params &p) {
        Slot *slot = slotAt(p);
        if (!slot) return;
        switch (slot->kind) {
        case Slot::Kind::Pen:
            dc_.pen = slot->pen;
            break;
        case Slot::Kind::Brush:
            dc_.brush = slot->brush;
            break;
        case Slot::Kind::Font:
            dc_.font = slot->font;
            break;
        default:
            break;
        }
    }

    void deleteObject(const Params &p) {
        if (Slot *slot = slotAt(p)) *slot = Slot{};
    }

    void restoreDc(const Params &p) {
        if (!p.has(1)) return bad();
        const qint16 which = p.s(0);
        const qint64 depth = qint64(saved_.size());
        const qint64 index = which < 0 ? depth + which : qint64(which) - 1;
        if (index < 0 || index >= depth) return bad();
        dc_ = saved_[std::size_t(index)];
        saved_.resize(std::size_t(index));
    }

    void points(const Params &p, Shape::Kind kind) {
        if (!p.has(1)) return bad();
        const int count = p.s(0);
        if (count < 0 || !p.has(1 + 2 * qint64(count))) return bad();
        Shape s = shape(kind);
        s.points.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            s.points.push_back(map(p.s(1 + 2 * i), p.s(2 + 2 * i)));
        add({std::move(s), {}});
    }

    void polyPolygon(const Params &p) {
        if (!p.has(1)) return bad();
        const int polygons = p.s(0);
        if (polygons < 0 || !p.has(1 + qint64(polygons))) return bad();
        Shape s = shape(Shape::Kind::PolyPolygon);
        qint64 total = 0;
        for (int i = 0; i < polygons; ++i) {
            const int count = p.s(1 + i);
            if (count < 0) return bad();
            s.counts.push_back(count);
            total += count;
        }
        const qint64 first = 1 + polygons;
        if (!p.has(first + 2 * total)) return bad();
        s.points.reserve(std::size_t(total));
        for (qint64 i = 0; i < total; ++i)
            s.points.push_back(map(p.s(first + 2 * i), p.s(first + 2 * i + 1)));
        add({std::move(s), {}});
    }

    void box(const Params &p, Shape::Kind kind) {
        if (!p.has(4)) return bad();
        Shape s = shape(kind);
        s.box = mapRect(p.s(3), p.s(2), p.s(1), p.s(0));
        add({std::move(s), {}});
    }

    void roundRect(const Params &p) {
        if (!p.has(6)) return bad();
        Shape s = shape(Shape::Kind::RoundRect);
        s.box = mapRect(p.s(5), p.s(4), p.s(3), p.s(2));
        s.corner = {std::abs(p.s(1) * dc_.scaleX), std::abs(p.s(0) * dc_.scaleY)};
        add({std::move(s), {}});
    }

    void arc(const Params &p, Shape::Kind kind) {
        if (!p.has(8)) return bad();
        Shape s = shape(kind);
        s.box = mapRect(p.s(7), p.s(6), p.s(5), p.s(4));
        s.start = map(p.s(3), p.s(2));
        s.end = map(p.s(1), p.s(0));
        add({std::move(s), {}});
    }

    // The bytes in the code page of the selected font's character set: a
    // Greek font's bytes are Windows-1253, a symbol font's are its glyph codes.
    QString decode(const uchar *bytes, int length) const {
        return fromCodePage(codePageOfCharset(dc_.font.charset), reinterpret_cast<const char *>(bytes),
                            length);
    }

    // The advance of each character from the advance of each byte: a
    // character of two bytes in a double-byte code page advances by both. When
    // the bytes do not split into as many characters as the text has, the
    // advances are dropped and the font decides.
    std::vector<double> characterAdvances(const std::vector<double> &byteAdvances, const uchar *bytes,
                                          int length, qsizetype characters) const {
        if (qsizetype(byteAdvances.size()) == characters) return byteAdvances;
        const int codePage = codePageOfCharset(dc_.font.charset);
        std::vector<double> advances;
        advances.reserve(std::size_t(characters));
        for (int i = 0; i < length; ++i) {
            double advance = byteAdvances[std::size_t(i)];
            if (isLeadByte(codePage, bytes[i]) && i + 1 < length) advance += byteAdvances[std::size_t(++i)];
            advances.push_back(advance);
        }
        if (qsizetype(advances.size()) != characters) advances.clear();
        return advances;
    }

    void text(int x, int y, const uchar *bytes, int length, const Params &p, qint64 dxWord, quint16 options,
              std::optional<RectF> rect) {
        TextRun run;
        if (dc_.align & rec::TaUpdateCp) {
            x = dc_.currentX;
            y = dc_.currentY;
        }
        run.at = map(x, y);
        run.text = decode(bytes, length);
        run.font = dc_.font;
        run.colour = dc_.text;
        const quint16 h = dc_.align & rec::TaCenter;
        run.horizontal = h == rec::TaCenter  ? HAlign::Centre
                         : h == rec::TaRight ? HAlign::Right
                                             : HAlign::Left;
        const quint16 v = dc_.align & rec::TaBaseline;
        run.vertical = v == rec::TaBaseline ? VAlign::Baseline
                       : v == rec::TaBottom ? VAlign::Bottom
                                            : VAlign::Top;
        run.opaque = dc_.opaque;
        run.background = dc_.background;
        // Some writers leave the advances out; then the font decides.
        if (dxWord >= 0 && p.has(dxWord + length)) {
            run.dx.reserve(std::size_t(length));
            qint64 advance = 0;
            for (int i = 0; i < length; ++i) {
                run.dx.push_back(p.s(dxWord + i) * std::abs(dc_.scaleX));
                advance += p.s(dxWord + i);
            }
            run.dx = characterAdvances(run.dx, bytes, length, run.text.size());
            if (dc_.align & rec::TaUpdateCp)
                dc_.currentX = int(std::clamp<qint64>(x + advance, -32768, 32767));
        }
        if (rect) {
            run.box = rect->normalised();
            run.clipToBox = options & rec::EtoClipped;
            run.fillBox = options & rec::EtoOpaque;
        }
        add({std::move(run), {}});
    }

    void textOut(const Params &p) {
        if (!p.has(1)) return bad();
        const int length = p.s(0);
        const qint64 stringWords = (qint64(length) + 1) / 2;
        if (length < 0 || !p.has(1 + stringWords + 2)) return bad();
        text(p.s(2 + stringWords), p.s(1 + stringWords), p.data + 2, length, p, -1, 0, std::nullopt);
    }

    void extTextOut(const Params &p) {
        if (!p.has(4)) return bad();
        const int length = p.s(2);
        const quint16 options = p.u(3);
        qint64 at = 4;
        std::optional<RectF> rect;
        if (options & (rec::EtoOpaque | rec::EtoClipped)) {
            if (!p.has(8)) return bad();
            rect = mapRect(p.s(4), p.s(5), p.s(6), p.s(7));
            at = 8;
        }
        const qint64 stringWords = (qint64(length) + 1) / 2;
        if (length < 0 || !p.has(at + stringWords)) return bad();
        text(p.s(1), p.s(0), p.data + 2 * at, length, p, at + stringWords, options, rect);
    }

    void fill(double left, double top, double width, double height, quint32 rop) {
        Rgb colour;
        if (rop == rec::PatCopy) {
            if (dc_.brush.style == Brush::Style::Null) return;
            colour = dc_.brush.colour;
        } else if (rop == rec::Whiteness) {
            colour = {255, 255, 255};
        } else if (rop != rec::Blackness) {
            return; // raster operations that read the destination are not drawn
        }
        add({Fill{mapRect(left, top, left + width, top + height).normalised(), colour}, {}});
    }

    // A device-independent bitmap from the parameter word `at` to the record's end.
    std::optional<Bitmap> dib(const Params &p, qint64 at, bool paletteIndexes) {
        if (!p.has(at + 2)) return bad(), std::nullopt;
        const uchar *base = p.data + 2 * at;
        const qint64 available = p.bytes - 2 * at;
        const quint32 headerSize = word32(base);
        qint64 width = 0, height = 0;
        int bits = 0;
        quint32 compression = 0, used = 0;
        int entryBytes = 4;
        if (headerSize == 12 && available >= 12) {
            width = word16(base + 4);
            height = static_cast<qint16>(word16(base + 6));
            bits = word16(base + 10);
            entryBytes = 3;
        } else if (headerSize >= 40 && headerSize <= available) {
            width = static_cast<qint32>(word32(base + 4));
            height = static_cast<qint32>(word32(base + 8));
            bits = word16(base + 14);
            compression = word32(base + 16);
            used = word32(base + 32);
        } else {
            return bad(Problem::BadBitmap), std::nullopt;
        }
        const bool topDown = height < 0;
        height = std::abs(height);
        if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || compression != 0 ||
            (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
            return bad(Problem::BadBitmap), std::nullopt;
        if (width * height > kMaxBitmapPixels) return bad(Problem::BadBitmap), std::nullopt;
        if (pixels_ + width * height > kMaxTotalPixels) return bad(Problem::TooManyPixels), std::nullopt;

        qint64 offset = headerSize;
        std::vector<quint32> palette;
        if (bits <= 8) {
            const qint64 entries = (used == 0 || used > (1u << bits)) ? (1 << bits) : used;
            const qint64 tableBytes = entries * (paletteIndexes ? 2 : entryBytes);
            if (offset + tableBytes > available) return bad(Problem::BadBitmap), std::nullopt;
            palette.resize(std::size_t(1) << bits, 0xFF000000);
            for (qint64 i = 0; i < entries; ++i) {
                if (paletteIndexes) {
                    // No palette is kept, so a palette index shows as a grey of its value.
                    const quint32 grey = word16(base + offset + 2 * i) & 0xFF;
                    palette[std::size_t(i)] = 0xFF000000 | grey << 16 | grey << 8 | grey;
                } else {
                    const uchar *e = base + offset + entryBytes * i;
                    palette[std::size_t(i)] = 0xFF000000 | quint32(e[2]) << 16 | quint32(e[1]) << 8 | e[0];
                }
            }
            offset += tableBytes;
        } else if (used > 0 && headerSize >= 40) {
            offset += std::min<qint64>(used, 256) * 4;
        }
        const qint64 rowBytes = ((width * bits + 31) / 32) * 4;
        if (offset > available || rowBytes * height > available - offset)
            return bad(Problem::BadBitmap), std::nullopt;

        Bitmap bitmap;
        bitmap.width = int(width);
        bitmap.height = int(height);
        bitmap.pixels.resize(std::size_t(width * height));
        for (qint64 row = 0; row < height; ++row) {
            const uchar *in = base + offset + rowBytes * (topDown ? row : height - 1 - row);
            quint32 *out = bitmap.pixels.data() + row * width;
            for (qint64 x = 0; x < width; ++x) {
                quint32 pixel = 0;
                switch (bits) {
                case 1:
                    pixel = palette[(in[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    pixel = palette[(in[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                    break;
                case 8:
                    pixel = palette[in[x]];
                    break;
                case 16: {
                    const quint16 v = word16(in + 2 * x);
                    const quint32 r = (v >> 10) & 0x1F, g = (v >> 5) & 0x1F, b = v & 0x1F;
                    pixel = 0xFF000000 | (r << 3 | r >> 2) << 16 | (g << 3 | g >> 2) << 8 | (b << 3 | b >> 2);
                    break;
                }
                case 24: {
                    const uchar *e = in + 3 * x;
                    pixel = 0xFF000000 | quint32(e[2]) << 16 | quint32(e[1]) << 8 | e[0];
                    break;
                }
                default: {
                    // GDI draws the fourth byte of an uncompressed 32-bit DIB as
                    // unused, so the picture is opaque whatever it holds.
                    const uchar *e = in + 4 * x;
                    pixel = 0xFF000000 | quint32(e[2]) << 16 | quint32(e[1]) << 8 | e[0];
                    break;
                }
                }
                out[x] = pixel;
            }
        }
        pixels_ += width * height;
        return bitmap;
    }

    void picture(const Params &p, qint64 dibWord, bool paletteIndexes, int srcX, int srcY, int srcW, int srcH,
                 int x, int y, int w, int h) {
        std::optional<Bitmap> bitmap = dib(p, dibWord, paletteIndexes);
        if (!bitmap) return;
        Picture pic;
        pic.target = mapRect(x, y, double(x) + w, double(y) + h).normalised();
        if (srcW == 0 && srcH == 0) {
            srcW = bitmap->width;
            srcH = bitmap->height;
        }
        const int left = std::clamp(std::min(srcX, srcX + srcW), 0, bitmap->width);
        const int right = std::clamp(std::max(srcX, srcX + srcW), 0, bitmap->width);
        // Source rows count from the bottom of a bottom-up bitmap, as it is stored.
        const int bottomUpTop = bitmap->height - std::max(srcY, srcY + srcH);
        const int top = std::clamp(bottomUpTop, 0, bitmap->height);
        const int bottom = std::clamp(bottomUpTop + std::abs(srcH), 0, bitmap->height);
        pic.sourceX = left;
        pic.sourceY = top;
        pic.sourceWidth = right - left;
        pic.sourceHeight = bottom - top;
        pic.bitmap = std::move(*bitmap);
        add({std::move(pic), {}});
    }

    void stretchDib(const Params &p) {
        if (!p.has(11)) return bad();
        picture(p, 11, p.u(2) == 1, p.s(6), p.s(5), p.s(4), p.s(3), p.s(10), p.s(9), p.s(8), p.s(7));
    }

    void dibStretchBlt(const Params &p, quint16 function) {
        if (!p.has(2)) return bad();
        const quint32 rop = p.u32(0);
        if (p.bytes == 2 * qint64(function >> 8)) {
            if (!p.has(11)) return bad();
            return fill(p.s(10), p.s(9), p.s(8), p.s(7), rop);
        }
        if (!p.has(10)) return bad();
        picture(p, 10, false, p.s(5), p.s(4), p.s(3), p.s(2), p.s(9), p.s(8), p.s(7), p.s(6));
    }

    void dibBitBlt(const Params &p, quint16 function) {
        if (!p.has(2)) return bad();
        const quint32 rop = p.u32(0);
        if (p.bytes == 2 * qint64(function >> 8)) {
            if (!p.has(9)) return bad();
            return fill(p.s(8), p.s(7), p.s(6), p.s(5), rop);
        }
        if (!p.has(8)) return bad();
        picture(p, 8, false, p.s(3), p.s(2), p.s(5), p.s(4), p.s(7), p.s(6), p.s(5), p.s(4));
    }

    void play(quint16 function, const Params &p) {
        switch (function) {
        case rec::SaveDc:
            if (saved_.size() >= std::size_t(kMaxSaveDepth)) return bad(Problem::SaveDepth);
            saved_.push_back(dc_);
            return;
        case rec::RestoreDc:
            return restoreDc(p);
        case rec::SetWindowOrg:
            if (!p.has(2)) return bad();
            dc_.windowX = p.s(1);
            dc_.windowY = p.s(0);
            return;
        case rec::SetWindowExt:
            if (!p.has(2)) return bad();
            return setWindowExt(p.s(1), p.s(0));
        case rec::OffsetWindowOrg:
            if (!p.has(2)) return bad();
            dc_.windowX += p.s(1);
            dc_.windowY += p.s(0);
            return;
        case rec::ScaleWindowExt:
            if (!p.has(4) || p.s(0) == 0 || p.s(2) == 0) return bad();
            return setWindowExt(dc_.windowW * p.s(3) / p.s(2), dc_.windowH * p.s(1) / p.s(0));
        case rec::SetViewportOrg:
            if (!p.has(2)) return bad();
            dc_.viewX = p.s(1) * unitTwips_;
            dc_.viewY = p.s(0) * unitTwips_;
            return;
        case rec::OffsetViewportOrg:
            if (!p.has(2)) return bad();
            dc_.viewX += p.s(1) * unitTwips_;
            dc_.viewY += p.s(0) * unitTwips_;
            return;
        case rec::SetViewportExt:
            if (!p.has(2)) return bad();
            return setViewportExt(p.s(1), p.s(0));
        case rec::ScaleViewportExt:
            if (!p.has(4) || p.s(0) == 0 || p.s(2) == 0) return bad();
            return setViewportExt(dc_.viewW / unitTwips_ * p.s(3) / p.s(2),
                                  dc_.viewH / unitTwips_ * p.s(1) / p.s(0));
        case rec::SetMapMode:
            if (!p.has(1)) return bad();
            dc_.mapMode = p.s(0) >= 1 && p.s(0) <= 8 ? p.s(0) : 1;
            return updateScale();
        case rec::SetTextColor:
            if (!p.has(2)) return bad();
            dc_.text = p.colour(0);
            return;
        case rec::SetBkColor:
            if (!p.has(2)) return bad();
            dc_.background = p.colour(0);
            return;
        case rec::SetBkMode:
            if (!p.has(1)) return bad();
            dc_.opaque = p.u(0) == 2;
            return;
        case rec::SetTextAlign:
            if (!p.has(1)) return bad();
            dc_.align = p.u(0);
            return;
        case rec::SetRop2:
            if (!p.has(1) || p.u(0) < 1 || p.u(0) > 16) return bad();
            dc_.rop = static_cast<Rop2>(p.u(0));
            return;
        case rec::SetPolyFillMode:
            if (!p.has(1)) return bad();
            dc_.winding = p.u(0) == 2;
            return;
        case rec::CreatePenIndirect:
            return createPen(p);
        case rec::CreateBrushIndirect:
            return createBrush(p);
        case rec::CreateFontIndirect:
            return createFont(p);
        case rec::CreatePalette:
        case rec::CreatePatternBrush:
        case rec::DibCreatePatternBrush:
        case rec::CreateRegion:
            return createOther();
        case rec::SelectObject:
            return selectObject(p);
        case rec::DeleteObject:
            return deleteObject(p);
        case rec::MoveTo:
            if (!p.has(2)) return bad();
            dc_.currentX = p.s(1);
            dc_.currentY = p.s(0);
            return;
        case rec::LineTo: {
            if (!p.has(2)) return bad();
            Shape s = shape(Shape::Kind::Polyline);
            s.points = {map(dc_.currentX, dc_.currentY), map(p.s(1), p.s(0))};
            dc_.currentX = p.s(1);
            dc_.currentY = p.s(0);
            add({std::move(s), {}});
            return;
        }
        case rec::Rectangle:
            return box(p, Shape::Kind::Rectangle);
        case rec::Ellipse:
            return box(p, Shape::Kind::Ellipse);
        case rec::RoundRect:
            return roundRect(p);
        case rec::Polygon:
            return points(p, Shape::Kind::Polygon);
        case rec::Polyline:
            return points(p, Shape::Kind::Polyline);
        case rec::PolyPolygon:
            return polyPolygon(p);
        case rec::Arc:
            return arc(p, Shape::Kind::Arc);
        case rec::Pie:
            return arc(p, Shape::Kind::Pie);
        case rec::Chord:
            return arc(p, Shape::Kind::Chord);
        case rec::TextOut:
            return textOut(p);
        case rec::ExtTextOut:
            return extTextOut(p);
        case rec::StretchDib:
            return stretchDib(p);
        case rec::DibStretchBlt:
            return dibStretchBlt(p, function);
        case rec::DibBitBlt:
            return dibBitBlt(p, function);
        case rec::IntersectClipRect: {
            if (!p.has(4)) return bad();
            const RectF r = mapRect(p.s(3), p.s(2), p.s(1), p.s(0)).normalised();
            dc_.clip = dc_.clip ? dc_.clip->intersected(r) : r;
            return;
        }
        default:
            // ESCAPE and every record that changes nothing drawn here.
            return;
        }
    }

    const uchar *data_;
    qint64 size_;
    qint64 offset_ = 0;
    double unitTwips_ = 15.0;
    bool sized_ = false;
    bool stopped_ = false;
    qint64 pixels_ = 0;
    Dc dc_;
    std::vector<Dc> saved_;
    std::vector<Slot> slots_;
    ReadResult result_;
};

} // namespace

ReadResult readMetafile(const QByteArray &bytes) {
    return Reader(bytes).run();
}

ReadResult readMetafileFile(const QString &path) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (!opened || file.size() > kMaxFileBytes) {
        qCWarning(lcWmf).noquote() << "cannot read" << path << u':'
                                   << (opened ? QStringLiteral("larger than the cap") : file.errorString());
        ReadResult result;
        result.problem = Problem::NotAMetafile;
        return result;
    }
    ReadResult read = readMetafile(file.readAll());
    if (read.problem == Problem::NotAMetafile || read.problem == Problem::EmptyPicture)
        qCWarning(lcWmf).noquote() << "refused" << path << u':' << problemName(read.problem);
    return read;
}

} // namespace wmf
