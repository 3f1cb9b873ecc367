#pragma once
// What the two page viewers share: the page label's look, the page image
// taking its picture's size, and the print of the page shown.

#include "stage/screen.h"

#include <optional>

class LabelButton;
class PictureBox;
class QLabel;

namespace pageviewer {

// Both viewers have the same four buttons in the same places.
enum Button { Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3 };

// The context the viewers' texts are translated in.
inline constexpr char kContext[] = "pageviewer";

// Captions in Tahoma 15.75 bold: 75 pixels for "Print" and "Exit", 179 for the other two.
inline constexpr ButtonLayout kButtons[4] = {
    //: A button of 75 by 33 pixels in Tahoma 15.75 bold: a short word.
    {QT_TRANSLATE_NOOP("pageviewer", "Print"), {10680, 120, 1125, 495}},
    {QT_TRANSLATE_NOOP("pageviewer", "Exit"), {10680, 7920, 1125, 495}},
    {QT_TRANSLATE_NOOP("pageviewer", "Next Page"), {6720, 7920, 2685, 495}},
    {QT_TRANSLATE_NOOP("pageviewer", "Previous Page"), {1320, 7920, 2685, 495}},
};

// Black text on white with a single border, as the page label is designed.
void styleAsPageLabel(QLabel *label);

// An image control takes the size of the picture it shows; an empty one
// keeps its designed size.
void fitToPicture(PictureBox *image);

// The controls through which a viewer shows a page.
struct PageControls {
    PictureBox *shown;   // the page on the screen
    PictureBox *printed; // the same page as it goes on paper, hidden
    QLabel *label;       // "Page 2 of 5"
    LabelButton *next;
    LabelButton *previous;
};

// The two files of a page: as shown and as printed.
struct PageFiles {
    QString shown;
    QString printed;
};

// Shows page `page` of `count` after a turn, the same way in both viewers:
// the files (none: an empty page), the image's size, paging only where there
// is a page to go to, the page label and the description for screen readers.
void showPage(const PageControls &controls, int page, int count, const std::optional<PageFiles> &files);

// Names the page for screen readers ("Page 2 of 5", or "Page" alone) and
// gives it the page's words in reading order as its description.
void describePage(PictureBox *page, const QLabel *pageLabel);

// Prints the picture the box holds, in a document of its own, at its own size
// 1000 twips from the left and the top of the page; a metafile is drawn from
// its file so the paper gets the full detail. Nothing is said on success; a
// missing or failing printer gets the printer's problem message, a page that
// cannot be found or read a message of its own.
void printPage(const PictureBox &printed);

} // namespace pageviewer
