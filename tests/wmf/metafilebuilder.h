#pragma once
// Builds metafile bytes record by record for the reader's tests, independently of the writer.

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <vector>

class MetafileBuilder {
  public:
    // Word parameters as the record stores them.
    MetafileBuilder &record(quint16 function, std::initializer_list<int> values) {
        return raw(function, words(values));
    }
    MetafileBuilder &raw(quint16 function, const QByteArray &parameters) {
        QByteArray p = parameters;
        if (p.size() % 2) p.append('\0');
        longWord(records, quint32(3 + p.size() / 2));
        word(records, function);
        records.append(p);
        return *this;
    }
    MetafileBuilder &eof() { return record(0x0000, {}); }

    // With a placeable header of the given box and units per inch.
    QByteArray placeable(int left, int top, int right, int bottom, int inch, int objects = 8) const {
        QByteArray out;
        longWord(out, 0x9AC6CDD7);
        out += words({0, left, top, right, bottom, inch, 0, 0});
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= quint16(quint8(out[i]) | quint8(out[i + 1]) << 8);
        word(out, sum);
        return out + header(objects);
    }
    QByteArray bare(int objects = 8) const { return header(objects); }

    static void word(QByteArray &out, quint16 value) {
        out.append(char(value & 0xFF));
        out.append(char(value >> 8));
    }
    static void longWord(QByteArray &out, quint32 value) {
        word(out, quint16(value & 0xFFFF));
        word(out, quint16(value >> 16));
    }
    static QByteArray words(std::initializer_list<int> values) {
        QByteArray p;
        for (int w : values)
            word(p, quint16(w));
        return p;
    }
    static QByteArray colour(int r, int g, int b) {
        const char c[4] = {char(r), char(g), char(b), 0};
        return QByteArray(c, 4);
    }
    // The parameters of CREATEPENINDIRECT and CREATEBRUSHINDIRECT.
    static QByteArray pen(int style, int width, int r, int g, int b) {
        return words({style, width, 0}) + colour(r, g, b);
    }
    static QByteArray brush(int style, int r, int g, int b, int hatch = 0) {
        return words({style}) + colour(r, g, b) + words({hatch});
    }
    // A LOGFONT cut after the face name's NUL when `full` is false, as Inkscape writes it.
    static QByteArray font(int height, int weight, bool italic, bool underline, const QByteArray &face,
                           bool full = true, int escapement = 0, int charset = 0) {
        QByteArray p = words({height, 0, escapement, escapement, weight});
        p += QByteArray(1, char(italic)) + QByteArray(1, char(underline)) + '\0' + char(charset) +
             QByteArray(4, '\0');
        QByteArray name = face + '\0';
        if (full) name.resize(32, '\0');
        return p + name;
    }
    // A counted, padded Latin-1 string as TEXTOUT stores it.
    static QByteArray text(const QByteArray &latin1) {
        QByteArray p = words({int(latin1.size())}) + latin1;
        if (p.size() % 2) p.append('\0');
        return p;
    }

    // EXTTEXTOUT's parameters without a rectangle: reference point, string, one advance a character.
    static QByteArray extText(int x, int y, const QByteArray &latin1, const std::vector<int> &dx) {
        QByteArray p = words({y, x, int(latin1.size()), 0}) + latin1;
        if (p.size() % 2) p.append('\0');
        for (int d : dx)
            word(p, quint16(d));
        return p;
    }

    QByteArray records;

  private:
    QByteArray header(int objects) const {
        QByteArray out = words({1, 9, 0x0300});
        longWord(out, quint32(9 + records.size() / 2));
        word(out, quint16(objects));
        longWord(out, 0);
        word(out, 0);
        return out + records;
    }
};
