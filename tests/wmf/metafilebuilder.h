#pragma once
// Builds metafile bytes record by record for the reader's tests, independently of the writer.

#include <QByteArray>
#include <QString>
#include <initializer_list>

class MetafileBuilder {
  public:
    // Word parameters as the record stores them.
    MetafileBuilder &record(quint16 function, std::initializer_list<int> words) {
        QByteArray p;
        for (int w : words)
            word(p, quint16(w));
        return raw(function, p);
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
        for (int w : {0, left, top, right, bottom, inch, 0, 0})
            word(out, quint16(w));
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
    static QByteArray colour(int r, int g, int b) {
        QByteArray c;
        for (int v : {r, g, b, 0})
            c.append(char(v));
        return c;
    }

    QByteArray records;

  private:
    QByteArray header(int objects) const {
        QByteArray out;
        word(out, 1);
        word(out, 9);
        word(out, 0x0300);
        longWord(out, quint32(9 + records.size() / 2));
        word(out, quint16(objects));
        longWord(out, 0);
        word(out, 0);
        return out + records;
    }
};
