#pragma once
// Builds metafile bytes record by record for the reader's and the painter's
// tests, independently of the writer.

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <vector>

namespace wmfbytes {

inline void word(QByteArray &out, quint16 value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}
inline void longWord(QByteArray &out, quint32 value) {
    word(out, quint16(value & 0xFFFF));
    word(out, quint16(value >> 16));
}
inline QByteArray words(std::initializer_list<int> values) {
    QByteArray p;
    for (int w : values)
        word(p, quint16(w));
    return p;
}

// One record: its size, its function and its parameters, padded to words.
inline QByteArray rec(quint16 function, const QByteArray &parameters) {
    QByteArray r, p = parameters;
    if (p.size() % 2) p.append('\0');
    longWord(r, quint32(3 + p.size() / 2));
    word(r, function);
    return r + p;
}
inline QByteArray rec(quint16 function, std::initializer_list<int> values) {
    return rec(function, words(values));
}

// The whole file: the metafile header, the records and (unless told not to)
// EOF; with a placeable header of the given box and units per inch before them.
inline QByteArray bare(const QByteArray &records, int objects = 8, bool eof = true) {
    const QByteArray body = eof ? records + rec(0x0000, {}) : records;
    QByteArray out = words({1, 9, 0x0300});
    longWord(out, quint32(9 + body.size() / 2));
    word(out, quint16(objects));
    longWord(out, 0);
    word(out, 0);
    return out + body;
}
inline QByteArray placeable(const QByteArray &records, int left, int top, int right, int bottom, int inch,
                            int objects = 8, bool eof = true) {
    QByteArray out;
    longWord(out, 0x9AC6CDD7);
    out += words({0, left, top, right, bottom, inch, 0, 0});
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(out[i]) | quint8(out[i + 1]) << 8);
    word(out, sum);
    return out + bare(records, objects, eof);
}

inline QByteArray colour(int r, int g, int b) {
    const char c[4] = {char(r), char(g), char(b), 0};
    return QByteArray(c, 4);
}
// The parameters of CREATEPENINDIRECT and CREATEBRUSHINDIRECT.
inline QByteArray pen(int style, int width, int r, int g, int b) {
    return words({style, width, 0}) + colour(r, g, b);
}
inline QByteArray brush(int style, int r, int g, int b, int hatch = 0) {
    return words({style}) + colour(r, g, b) + words({hatch});
}
// A LOGFONT cut after the face name's NUL when `full` is false, as Inkscape writes it.
inline QByteArray font(int height, int weight, bool italic, bool underline, const QByteArray &face,
                       bool full = true, int escapement = 0, int charset = 0) {
    QByteArray p = words({height, 0, escapement, escapement, weight});
    p += QByteArray(1, char(italic)) + QByteArray(1, char(underline)) + '\0' + char(charset) +
         QByteArray(4, '\0');
    QByteArray name = face + '\0';
    if (full) name.resize(32, '\0');
    return p + name;
}
// A counted, padded Latin-1 string as TEXTOUT stores it.
inline QByteArray text(const QByteArray &latin1) {
    QByteArray p = words({int(latin1.size())}) + latin1;
    if (p.size() % 2) p.append('\0');
    return p;
}
// EXTTEXTOUT's parameters without a rectangle: reference point, string, one advance a character.
inline QByteArray extText(int x, int y, const QByteArray &latin1, const std::vector<int> &dx) {
    QByteArray p = words({y, x, int(latin1.size()), 0}) + latin1;
    if (p.size() % 2) p.append('\0');
    for (int d : dx)
        word(p, quint16(d));
    return p;
}

} // namespace wmfbytes
