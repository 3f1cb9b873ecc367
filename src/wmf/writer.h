#pragma once
// Writes Windows metafiles (16-bit, with the placeable header) for laying out pages.

#include "wmf/types.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace wmf {

// A font for the writer: face name as Windows names it ("Times New Roman", "Tahoma"),
// size in points (1 point = 20 twips) as character height, as a word processor sizes it.
struct WriterFont {
    QString face = QStringLiteral("Arial");
    double points = 12.0;
    int weight = 400; // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
};

// Lays out one picture in twips: the logical unit of the metafile is the twip
// (placeable header Inch = 1440) and (0,0) is the top-left corner of the page,
// y growing downwards. Coordinates must lie within 0..32767 (a page of up to
// 22 inches); larger values are clamped.
//
// A text record holds 8-bit text in the code page of its font's character
// set, so text is written as Windows programs write it: in Windows-1252 with
// the ANSI character set where that holds it, else in the first code page that
// does (Greek text in Windows-1253, its font given the Greek character set,
// 161). The writer chooses: when the font in use cannot hold a run, the font
// takes the character set that can, or when text has used it already, a font
// of the same face with that set is made. A character no single code page
// holds together with the rest of its run is written as "?".
//
// Typical use:
//   wmf::Writer page(10485, 7800);
//   page.setBrush({255, 255, 255}); page.setNullPen(); page.rectangle(0, 0, 10485, 7800);
//   page.setFont({"Times New Roman", 20, 700}); page.setTextColour({128, 0, 0});
//   page.textOut(600, 900, "Phidias");                    // baseline at y = 900
//   page.picture(600, 1200, 3000, 2250, rgb, 200, 150);   // rows top-down, 3 bytes a pixel
//   page.save("wmf/key phidiasa.wmf");
class Writer {
  public:
    Writer(int widthTwips, int heightTwips);

    int width() const { return width_; }
    int height() const { return height_; }

    // Text state: every following text run uses the font, colour and alignment
    // last set. Defaults: Arial 12 pt regular, black, left on the baseline.
    void setFont(const WriterFont &font);
    // True when the run of text can be written whole, some one code page holding all of it.
    static bool canWrite(const QString &text);
    void setTextColour(Rgb colour);
    void setTextAlign(HAlign horizontal, VAlign vertical = VAlign::Baseline);

    // One run of text at (x, y), its reference point per the alignment (TEXTOUT).
    void textOut(int x, int y, const QString &text);
    // One run of text with the advance of every character given in twips
    // (EXTTEXTOUT), e.g. to justify a line; an empty dx lets the reader's font
    // decide the advances. dx, when given, has one entry per character.
    void extTextOut(int x, int y, const QString &text, const std::vector<int> &dx = {});

    // Outline of the shapes that follow: width 0 draws one device pixel wide.
    void setPen(Rgb colour, int widthTwips = 0, PenStyle style = PenStyle::Solid);
    void setNullPen();
    // Fill of the shapes that follow.
    void setBrush(Rgb colour);
    void setNullBrush();

    void line(int x1, int y1, int x2, int y2);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    void polygon(const std::vector<Point> &points);
    void polyline(const std::vector<Point> &points);

    // A picture stretched onto the rectangle (x, y, w, h): rgbRows holds
    // pixelHeight rows from the top, each pixelWidth * 3 bytes of red, green,
    // blue with no padding. Returns false (and writes nothing) when the bytes
    // do not match the dimensions.
    bool picture(int x, int y, int w, int h, const QByteArray &rgbRows, int pixelWidth, int pixelHeight);

    // The complete metafile: placeable header with its checksum, metafile
    // header, the records, EOF. The writer can go on adding records afterwards.
    QByteArray bytes() const;
    // Writes the metafile whole or not at all; the reason when it failed.
    std::optional<QString> save(const QString &path) const;

  private:
    void record(quint16 function, std::initializer_list<qint16> words);
    void record(quint16 function, const QByteArray &parameters);
    int createObject(quint16 function, const QByteArray &parameters);
    void selectReplacing(int &current, int created);
    void writeFont(const WriterFont &font, int charset);
    // The run's bytes in the code page of the font in use, which changes
    // character set first when it cannot hold them.
    QByteArray encode(const QString &text);

    static constexpr qsizetype kLogFontBytes = 50;

    int width_;
    int height_;
    QByteArray records_;
    quint32 largestRecordWords_ = 0;
    int objectSlots_ = 0;
    std::vector<bool> slotUsed_;
    int pen_ = -1;
    int brush_ = -1;
    int fontSlot_ = -1;
    WriterFont font_;
    int fontCharset_ = 0;
    qsizetype fontParameters_ = 0; // where the font's LOGFONT stands in records_
    bool fontUsed_ = false;        // a text run has been written with it
};

} // namespace wmf
