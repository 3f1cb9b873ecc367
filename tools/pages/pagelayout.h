#pragma once
// Lays a reading page out as a metafile: title, headings, paragraphs and
// list items with word wrap, and pictures set at the right with the text
// flowing around them.

#include "pagetext.h"
#include "wmf/types.h"
#include "wmf/writer.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

struct PageStyle {
    int width = 0; // twips
    int height = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    std::optional<wmf::Rgb> paper; // a filled, bordered sheet; none on real paper
    wmf::Rgb border;
    wmf::Rgb titleColour;
    wmf::Rgb headingColour;
    wmf::Rgb textColour;
    double titlePoints = 22;
    // The body text is set in the largest size, in half points, that lets the page fit.
    double largestBody = 14;
    double smallestBody = 10;
    int pictureWidth = 3000; // twips; the height keeps the picture's proportions
    QString footer;          // a line at the foot of the page, or nothing
};

// A page for the viewers, above their buttons; the width is the room the viewer leaves it.
PageStyle screenStyle(int widthTwips);
inline constexpr int kScreenPageWidth = 10440;
inline constexpr int kScreenPageHeight = 7800;
// Room beside the acknowledgments' logo boxes, which stand from 8520 twips.
inline constexpr int kAcknowledgmentsScreenWidth = 8280;
// A page for paper, printed 1000 twips from the left and top: it fits A4 and Letter.
PageStyle paperStyle();

struct LaidOutPage {
    QByteArray metafile;
    double bodyPoints = 0;
};

using PictureSource = std::function<QImage(const QString &name)>;

// The advance of each character of text set in font, in twips, as the page's text records hold them.
std::vector<int> characterAdvances(const wmf::WriterFont &font, const QString &text);

// The metafile in the largest body size that fits, or why the page cannot be made.
std::variant<LaidOutPage, QString> layoutPage(const PageText &text, const PageStyle &style,
                                              const PictureSource &pictures);
