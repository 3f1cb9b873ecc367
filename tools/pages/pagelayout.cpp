#include "pagelayout.h"

#include "wmf/writer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>
#include <cmath>

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
const QString kSans = QStringLiteral("Arial");

// The faces the program shows the pages in, by their metric-compatible
// stand-ins, measured at one pixel per twip so widths come out in twips.
QFont measuringFont(const wmf::WriterFont &font) {
    QFont measure(font.face == kSerif ? QStringLiteral("Liberation Serif")
                                      : QStringLiteral("Liberation Sans"));
    measure.setPixelSize(int(std::lround(font.points * 20)));
    measure.setWeight(QFont::Weight(font.weight));
    measure.setItalic(font.italic);
    measure.setHintingPreference(QFont::PreferNoHinting);
    return measure;
}

// The words of a text, with a short quoted phrase (the caption of a button,
// such as "Next Question >>") kept whole so a line never breaks inside it.
QStringList unbreakableUnits(const QString &text) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QStringList units;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString unit = words[i];
        if (unit.startsWith(u'"') && unit.count(u'"') == 1) {
            qsizetype close = i + 1;
            while (close < words.size() && !words[close].contains(u'"'))
                ++close;
            if (close < words.size() && close - i <= 3) {
                for (qsizetype k = i + 1; k <= close; ++k)
                    unit += u' ' + words[k];
                i = close;
            }
        }
        units << unit;
    }
    return units;
}

} // namespace

// Every character's advance is written out, so the line keeps the width it
// was laid out with whatever font the reader substitutes. Each advance runs
// from where the character stands in the whole line as the font sets it, with
// its kerning, to where the next one stands: a character measured alone would
// leave the room a kerning pair gives back after it ("W orksheets").
std::vector<int> characterAdvances(const wmf::WriterFont &font, const QString &text) {
    QTextLayout layout(text, measuringFont(font));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6); // one line, however long
    layout.endLayout();
    std::vector<int> dx;
    dx.reserve(std::size_t(text.size()));
    int previous = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const int end = int(std::lround(line.cursorToX(int(i))));
        dx.push_back(end - previous);
        previous = end;
    }
    return dx;
}

namespace {

class Layout {
  public:
    Layout(const PageStyle &style, double body, const PictureSource &pictures)
        : style_(style), body_(body), pictures_(pictures), page_(style.width, style.height),
          y_(style.marginTop) {}

    std::optional<QString> run(const PageText &text) {
        if (style_.paper) {
            page_.setPen(style_.border, 30);
            page_.setBrush(*style_.paper);
            page_.rectangle(0, 0, style_.width, style_.height);
        }
        page_.setTextAlign(wmf::HAlign::Left, wmf::VAlign::Baseline);
        title(text.title);
        for (const PageBlock &block : text.blocks) {
            switch (block.kind) {
            case PageBlock::Kind::Heading:
                heading(block.text);
                break;
            case PageBlock::Kind::Paragraph:
                words({kSerif, body_, 400}, style_.textColour, block.text, style_.marginLeft,
                      style_.marginLeft, 0.45);
                break;
            case PageBlock::Kind::Line:
                words({kSerif, body_, 400}, style_.textColour, block.text, style_.marginLeft,
                      style_.marginLeft, 0);
                break;
            case PageBlock::Kind::Item:
                item(block.text);
                break;
            case PageBlock::Kind::Picture:
                picture(block.text);
                break;
            }
            if (problem_) return problem_;
        }
        if (!style_.footer.isEmpty()) footer();
        const int bottom = std::max(y_, floatBottom_);
        if (bottom > style_.height - style_.marginBottom)
            return QStringLiteral("the text runs past the foot of the page");
        return problem_;
    }

    QByteArray bytes() const { return page_.bytes(); }

  private:
    // The right edge text may reach on a line from top to bottom, left of any picture beside it.
    int rightEdge(int top, int bottom) const {
        const int full = style_.width - style_.marginRight;
        return top < floatBottom_ && bottom > floatTop_ ? floatLeft_ - 240 : full;
    }

    void textLine(const wmf::WriterFont &font, const wmf::Rgb &colour, int x, int baseline,
                  const QString &typed) {
        // Composed, so an accented letter typed as letter and accent (or a
        // Greek vowel with the polytonic oxia) is the one character its code page holds.
        const QString text = typed.normalized(QString::NormalizationForm_C);
        if (!wmf::Writer::canWrite(text)) {
            problem_ = QStringLiteral("\"%1\" has characters a metafile cannot hold").arg(text);
            return;
        }
        page_.setFont(font);
        page_.setTextColour(colour);
        page_.extTextOut(x, baseline, text, characterAdvances(font, text));
    }

    // Sets words in lines from x (first line from firstX), wrapping at the
    // right edge; spaceAfter is in lines.
    void words(const wmf::WriterFont &font, const wmf::Rgb &colour, const QString &text, int firstX, int x,
               double spaceAfter) {
        const QFontMetricsF metrics(measuringFont(font));
        const int lineHeight = int(std::lround(metrics.lineSpacing()));
        const QStringList all = unbreakableUnits(text);
        qsizetype next = 0;
        int left = firstX;
        while (next < all.size()) {
            const int right = rightEdge(y_, y_ + lineHeight);
            QString line = all[next++];
            while (next < all.size() && metrics.horizontalAdvance(line + u' ' + all[next]) <= right - left)
                line += u' ' + all[next++];
            if (metrics.horizontalAdvance(line) > right - left) {
                problem_ = QStringLiteral("\"%1\" is wider than the page").arg(line);
                return;
            }
            textLine(font, colour, left, y_ + int(std::lround(metrics.ascent())), line);
            y_ += lineHeight;
            left = x;
        }
        y_ += int(std::lround(lineHeight * spaceAfter));
    }

    void title(const QString &text) {
        // A long title is set smaller rather than wrapped.
        wmf::WriterFont font{kSerif, style_.titlePoints, 700};
        const int room = style_.width - style_.marginLeft - style_.marginRight;
        while (font.points > body_ + 2 && QFontMetricsF(measuringFont(font)).horizontalAdvance(text) > room)
            font.points -= 1;
        const QFontMetricsF metrics(measuringFont(font));
        if (metrics.horizontalAdvance(text) > room) {
            problem_ = QStringLiteral("the title is wider than the page");
            return;
        }
        textLine(font, style_.titleColour, style_.marginLeft, y_ + int(std::lround(metrics.ascent())), text);
        y_ += int(std::lround(metrics.lineSpacing())) + 40;
        page_.setPen(style_.titleColour, 20);
        page_.line(style_.marginLeft, y_, style_.width - style_.marginRight, y_);
        y_ += 160;
    }

    void heading(const QString &text) {
        const wmf::WriterFont font{kSans, body_ + 1, 700};
        const QFontMetricsF metrics(measuringFont(font));
        y_ += int(std::lround(metrics.lineSpacing() * 0.3));
        words(font, style_.headingColour, text, style_.marginLeft, style_.marginLeft, 0.15);
    }

    void item(const QString &text) {
        const wmf::WriterFont font{kSerif, body_, 400};
        const QFontMetricsF metrics(measuringFont(font));
        const int indent = int(std::lround(body_ * 20 * 1.2));
        textLine(font, style_.headingColour, style_.marginLeft + indent / 4,
                 y_ + int(std::lround(metrics.ascent())), QStringLiteral("\u2022"));
        words(font, style_.textColour, text, style_.marginLeft + indent, style_.marginLeft + indent, 0.2);
    }

    void picture(const QString &name) {
        const QImage image = pictures_(name).convertToFormat(QImage::Format_RGB888);
        if (image.isNull()) {
            problem_ = QStringLiteral("no picture called \"%1\"").arg(name);
            return;
        }
        const int w = style_.pictureWidth;
        const int h = int(std::lround(double(w) * image.height() / image.width()));
        floatTop_ = std::max(y_, floatBottom_ + 120);
        floatBottom_ = floatTop_ + h;
        floatLeft_ = style_.width - style_.marginRight - w;
        QByteArray rows;
        rows.reserve(image.width() * image.height() * 3);
        for (int row = 0; row < image.height(); ++row)
            rows.append(reinterpret_cast<const char *>(image.constScanLine(row)), image.width() * 3);
        page_.picture(floatLeft_, floatTop_, w, h, rows, image.width(), image.height());
        page_.setPen(style_.border, 20);
        page_.setNullBrush();
        page_.rectangle(floatLeft_, floatTop_, floatLeft_ + w, floatBottom_);
    }

    void footer() {
        const wmf::WriterFont font{kSans, 9, 400};
        const QFontMetricsF metrics(measuringFont(font));
        const int baseline = style_.height - style_.marginBottom + int(std::lround(metrics.lineSpacing()));
        page_.setPen(style_.border, 10);
        page_.line(style_.marginLeft, baseline - int(std::lround(metrics.lineSpacing())),
                   style_.width - style_.marginRight, baseline - int(std::lround(metrics.lineSpacing())));
        textLine(font, style_.border, style_.marginLeft, baseline, style_.footer);
    }

    const PageStyle style_;
    double body_;
    const PictureSource &pictures_;
    wmf::Writer page_;
    int y_;
    int floatTop_ = 0;
    int floatBottom_ = 0;
    int floatLeft_ = 0;
    std::optional<QString> problem_;
};

} // namespace

PageStyle screenStyle(int widthTwips) {
    PageStyle style;
    style.width = widthTwips;
    style.height = kScreenPageHeight;
    style.marginLeft = style.marginRight = 420;
    style.marginTop = 300;
    style.marginBottom = 240;
    style.paper = wmf::Rgb{252, 248, 234};
    style.border = {128, 100, 60};
    style.titleColour = {128, 0, 0};
    style.headingColour = {0, 0, 128};
    style.textColour = {0, 0, 0};
    style.titlePoints = 22;
    style.largestBody = 14;
    style.smallestBody = 10;
    style.pictureWidth = 2850;
    return style;
}

PageStyle paperStyle() {
    PageStyle style;
    style.width = 9900;
    style.height = 13500;
    style.marginLeft = style.marginRight = 0;
    style.marginTop = 0;
    style.marginBottom = 500;
    style.border = {96, 96, 96};
    style.titleColour = {0, 0, 0};
    style.headingColour = {0, 0, 0};
    style.textColour = {0, 0, 0};
    style.titlePoints = 24;
    style.largestBody = 14;
    style.smallestBody = 10;
    style.pictureWidth = 3600;
    style.footer = QStringLiteral("Lives of Hellas \u00B7 Larkspur Publishing Ltd");
    return style;
}

std::variant<LaidOutPage, QString> layoutPage(const PageText &text, const PageStyle &style,
                                              const PictureSource &pictures) {
    QString why = QStringLiteral("no body size was tried");
    for (double body = style.largestBody; body >= style.smallestBody - 1e-9; body -= 0.5) {
        Layout layout(style, body, pictures);
        const auto problem = layout.run(text);
        if (!problem) return LaidOutPage{layout.bytes(), body};
        why = *problem;
    }
    return QStringLiteral("\"%1\" does not fit: %2").arg(text.title, why);
}
