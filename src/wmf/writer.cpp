#include "wmf/writer.h"

#include "core/codepages.h"
#include "core/wholefile.h"
#include "wmf/records.h"

#include <algorithm>
#include <cmath>

namespace wmf {
namespace {

qint16 clampCoordinate(int value) {
    return static_cast<qint16>(std::clamp(value, -32768, 32767));
}

void putWord(QByteArray &out, quint16 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}
void putLong(QByteArray &out, quint32 value) {
    putWord(out, static_cast<quint16>(value & 0xFFFF));
    putWord(out, static_cast<quint16>(value >> 16));
}
void putColour(QByteArray &out, Rgb colour) {
    out.append(static_cast<char>(colour.red));
    out.append(static_cast<char>(colour.green));
    out.append(static_cast<char>(colour.blue));
    out.append('\0');
}
void putString(QByteArray &out, const QByteArray &text) {
    out.append(text);
    if (text.size() % 2) out.append('\0');
}

} // namespace

Writer::Writer(int widthTwips, int heightTwips)
    : width_(std::clamp(widthTwips, 1, 32767)), height_(std::clamp(heightTwips, 1, 32767)) {
    // Twips as logical units, mapped onto the placeable bounding box.
    record(rec::SetMapMode, {8});
    record(rec::SetWindowOrg, {0, 0});
    record(rec::SetWindowExt, {static_cast<qint16>(height_), static_cast<qint16>(width_)});
    record(rec::SetBkMode, {1});
    setTextAlign(HAlign::Left, VAlign::Baseline);
    setTextColour({});
    setFont({});
    setNullPen();
    setNullBrush();
}

void Writer::record(quint16 function, std::initializer_list<qint16> words) {
    QByteArray parameters;
    for (qint16 word : words)
        putWord(parameters, static_cast<quint16>(word));
    record(function, parameters);
}

void Writer::record(quint16 function, const QByteArray &parameters) {
    const auto words = static_cast<quint32>(3 + (parameters.size() + 1) / 2);
    putLong(records_, words);
    putWord(records_, function);
    records_.append(parameters);
    if (parameters.size() % 2) records_.append('\0');
    largestRecordWords_ = std::max(largestRecordWords_, words);
}

int Writer::createObject(quint16 function, const QByteArray &parameters) {
    // A reader puts a new object in the lowest free slot, so the writer does too.
    const auto free = std::find(slotUsed_.begin(), slotUsed_.end(), false);
    const int slot = static_cast<int>(free - slotUsed_.begin());
    if (free == slotUsed_.end())
        slotUsed_.push_back(true);
    else
        *free = true;
    objectSlots_ = std::max(objectSlots_, static_cast<int>(slotUsed_.size()));
    record(function, parameters);
    return slot;
}

void Writer::selectReplacing(int &current, int created) {
    record(rec::SelectObject, {static_cast<qint16>(created)});
    if (current >= 0) {
        record(rec::DeleteObject, {static_cast<qint16>(current)});
        slotUsed_[static_cast<std::size_t>(current)] = false;
    }
    current = created;
}

namespace {
// CREATEFONTINDIRECT's parameters: a LOGFONT with the face name in the code
// page of its character set.
QByteArray logFont(const WriterFont &font, int charset) {
    QByteArray p;
    putWord(p, static_cast<quint16>(clampCoordinate(-static_cast<int>(std::lround(font.points * 20.0)))));
    putWord(p, 0); // width: the face's own
    putWord(p, 0); // escapement
    putWord(p, 0); // orientation
    putWord(p, static_cast<quint16>(std::clamp(font.weight, 0, 1000)));
    p.append(static_cast<char>(font.italic ? 1 : 0));
    p.append(static_cast<char>(font.underline ? 1 : 0));
    p.append('\0'); // strike-out
    p.append(static_cast<char>(charset));
    p.append('\0'); // output precision
    p.append('\0'); // clip precision
    p.append('\0'); // quality
    p.append('\0'); // pitch and family
    QByteArray face = toCodePage(codePageOfCharset(charset), font.face).left(31);
    face.resize(32, '\0');
    p.append(face);
    return p;
}
} // namespace

void Writer::setFont(const WriterFont &font) {
    writeFont(font, 0);
}

void Writer::writeFont(const WriterFont &font, int charset) {
    font_ = font;
    fontCharset_ = charset;
    fontUsed_ = false;
    // The parameters start after the record's size and function.
    fontParameters_ = records_.size() + 6;
    selectReplacing(fontSlot_, createObject(rec::CreateFontIndirect, logFont(font, charset)));
}

bool Writer::canWrite(const QString &text) {
    return charsetForText(text) >= 0;
}

QByteArray Writer::encode(const QString &text) {
    if (!codePageHolds(codePageOfCharset(fontCharset_), text)) {
        const int charset = charsetForText(text);
        if (charset >= 0 && !fontUsed_) {
            // No text has used the font yet: it takes the character set itself.
            fontCharset_ = charset;
            records_.replace(fontParameters_, kLogFontBytes, logFont(font_, charset));
        } else if (charset >= 0) {
            writeFont(font_, charset);
        }
    }
    fontUsed_ = true;
    return toCodePage(codePageOfCharset(fontCharset_), text);
}

void Writer::setTextColour(Rgb colour) {
    QByteArray p;
    putColour(p, colour);
    record(rec::SetTextColor, p);
}

void Writer::setTextAlign(HAlign horizontal, VAlign vertical) {
    quint16 flags = 0;
    if (horizontal == HAlign::Centre) flags |= rec::TaCenter;
    if (horizontal == HAlign::Right) flags |= rec::TaRight;
    if (vertical == VAlign::Baseline) flags |= rec::TaBaseline;
    if (vertical == VAlign::Bottom) flags |= rec::TaBottom;
    record(rec::SetTextAlign, {static_cast<qint16>(flags)});
}

void Writer::textOut(int x, int y, const QString &text) {
    const QByteArray bytes = encode(text.left(32000));
    QByteArray p;
    putWord(p, static_cast<quint16>(bytes.size()));
    putString(p, bytes);
    putWord(p, static_cast<quint16>(clampCoordinate(y)));
    putWord(p, static_cast<quint16>(clampCoordinate(x)));
    record(rec::TextOut, p);
}

void Writer::extTextOut(int x, int y, const QString &text, const std::vector<int> &dx) {
    const QByteArray bytes = encode(text.left(16000));
    QByteArray p;
    putWord(p, static_cast<quint16>(clampCoordinate(y)));
    putWord(p, static_cast<quint16>(clampCoordinate(x)));
    putWord(p, static_cast<quint16>(bytes.size()));
    putWord(p, 0); // options
    putString(p, bytes);
    if (static_cast<qsizetype>(dx.size()) >= bytes.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            putWord(p, static_cast<quint16>(clampCoordinate(dx[static_cast<std::size_t>(i)])));
    }
    record(rec::ExtTextOut, p);
}

void Writer::setPen(Rgb colour, int widthTwips, PenStyle style) {
    QByteArray p;
    putWord(p, static_cast<quint16>(style));
    putWord(p, static_cast<quint16>(clampCoordinate(std::max(0, widthTwips))));
    putWord(p, 0);
    putColour(p, colour);
    selectReplacing(pen_, createObject(rec::CreatePenIndirect, p));
}

void Writer::setNullPen() {
    setPen({}, 0, PenStyle::Null);
}

void Writer::setBrush(Rgb colour) {
    QByteArray p;
    putWord(p, 0); // BS_SOLID
    putColour(p, colour);
    putWord(p, 0);
    selectReplacing(brush_, createObject(rec::CreateBrushIndirect, p));
}

void Writer::setNullBrush() {
    QByteArray p;
    putWord(p, 1); // BS_NULL
    putColour(p, {});
    putWord(p, 0);
    selectReplacing(brush_, createObject(rec::CreateBrushIndirect, p));
}

void Writer::line(int x1, int y1, int x2, int y2) {
    record(rec::MoveTo, {clampCoordinate(y1), clampCoordinate(x1)});
    record(rec::LineTo, {clampCoordinate(y2), clampCoordinate(x2)});
}

void Writer::rectangle(int left, int top, int right, int bottom) {
    record(rec::Rectangle,
           {clampCoordinate(bottom), clampCoordinate(right), clampCoordinate(top), clampCoordinate(left)});
}

void Writer::ellipse(int left, int top, int right, int bottom) {
    record(rec::Ellipse,
           {clampCoordinate(bottom), clampCoordinate(right), clampCoordinate(top), clampCoordinate(left)});
}

namespace {
QByteArray pointList(const std::vector<Point> &points) {
    QByteArray p;
    const std::size_t count = std::min<std::size_t>(points.size(), 16000);
    putWord(p, static_cast<quint16>(count));
    for (std::size_t i = 0; i < count; ++i) {
        putWord(p, static_cast<quint16>(clampCoordinate(points[i].x)));
        putWord(p, static_cast<quint16>(clampCoordinate(points[i].y)));
    }
    return p;
}
} // namespace

void Writer::polygon(const std::vector<Point> &points) {
    record(rec::Polygon, pointList(points));
}

void Writer::polyline(const std::vector<Point> &points) {
    record(rec::Polyline, pointList(points));
}

bool Writer::picture(int x, int y, int w, int h, const QByteArray &rgbRows, int pixelWidth, int pixelHeight) {
    if (pixelWidth <= 0 || pixelHeight <= 0 || pixelWidth > 32767 || pixelHeight > 32767) return false;
    const qint64 rowBytes = qint64(pixelWidth) * 3;
    if (rgbRows.size() != rowBytes * pixelHeight) return false;
    const qint64 stride = (rowBytes + 3) & ~qint64(3);
    if (stride * pixelHeight > 256LL * 1024 * 1024) return false;

    QByteArray p;
    putLong(p, rec::SrcCopy);
    putWord(p, 0); // DIB_RGB_COLORS
    putWord(p, static_cast<quint16>(pixelHeight));
    putWord(p, static_cast<quint16>(pixelWidth));
    putWord(p, 0);
    putWord(p, 0);
    putWord(p, static_cast<quint16>(clampCoordinate(h)));
    putWord(p, static_cast<quint16>(clampCoordinate(w)));
    putWord(p, static_cast<quint16>(clampCoordinate(y)));
    putWord(p, static_cast<quint16>(clampCoordinate(x)));
    // BITMAPINFOHEADER of a bottom-up 24-bit DIB.
    putLong(p, 40);
    putLong(p, static_cast<quint32>(pixelWidth));
    putLong(p, static_cast<quint32>(pixelHeight));
    putWord(p, 1);
    putWord(p, 24);
    putLong(p, 0);
    putLong(p, static_cast<quint32>(stride * pixelHeight));
    putLong(p, 3780); // 96 dpi in pixels per metre
    putLong(p, 3780);
    putLong(p, 0);
    putLong(p, 0);
    const qsizetype start = p.size();
    p.resize(start + stride * pixelHeight, '\0');
    char *bits = p.data() + start;
    for (int row = 0; row < pixelHeight; ++row) {
        const char *in = rgbRows.constData() + (pixelHeight - 1 - row) * rowBytes;
        char *out = bits + row * stride;
        for (int col = 0; col < pixelWidth; ++col) {
            out[col * 3] = in[col * 3 + 2];
            out[col * 3 + 1] = in[col * 3 + 1];
            out[col * 3 + 2] = in[col * 3];
        }
    }
    record(rec::StretchDib, p);
    return true;
}

QByteArray Writer::bytes() const {
    QByteArray out;
    QByteArray placeable;
    putLong(placeable, rec::PlaceableKey);
    putWord(placeable, 0);
    putWord(placeable, 0);
    putWord(placeable, 0);
    putWord(placeable, static_cast<quint16>(width_));
    putWord(placeable, static_cast<quint16>(height_));
    putWord(placeable, 1440);
    putLong(placeable, 0);
    quint16 checksum = 0;
    for (int i = 0; i < placeable.size(); i += 2)
        checksum ^= static_cast<quint16>(static_cast<quint8>(placeable[i]) |
                                         (static_cast<quint8>(placeable[i + 1]) << 8));
    putWord(placeable, checksum);
    out.append(placeable);

    const QByteArray eof = QByteArray::fromRawData("\x03\0\0\0\0\0", 6);
    const auto totalWords = static_cast<quint32>(9 + records_.size() / 2 + 3);
    putWord(out, 1);      // memory metafile
    putWord(out, 9);      // header words
    putWord(out, 0x0300); // version
    putLong(out, totalWords);
    putWord(out, static_cast<quint16>(std::max(objectSlots_, 1)));
    putLong(out, std::max<quint32>(largestRecordWords_, 3));
    putWord(out, 0);
    out.append(records_);
    out.append(eof);
    return out;
}

std::optional<QString> Writer::save(const QString &path) const {
    return writeFileWhole(path, bytes());
}

} // namespace wmf
