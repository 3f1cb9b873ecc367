#pragma once
// The fonts the layouts name, mapped to installed metric-compatible fonts, and
// the one rule that fits a caption into its box.

#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

// Registers Wine's Tahoma and maps Times New Roman and Arial; call once after
// the application object exists.
void registerFonts();

// A font of the layouts: family as designed, size in points at the design
// resolution of 96 dots per inch, so text keeps its designed size in pixels.
// A family without the letters of the run's language (Wine's Tahoma has no
// Greek) is drawn in the installed font closest to it in width that has them.
QFont designFont(const QString &family, double points, bool bold = false);

// The family a design family is drawn in for a language: the family itself,
// or its stand-in where it lacks the language's letters.
QString familyForLanguage(const QString &family, const QString &language);

// A control's caption as it is drawn: the text, the box it must stay inside
// and the Qt::AlignmentFlag and Qt::TextFlag flags it is drawn with.
struct CaptionBox {
    QString text;
    QRect box;
    int flags = 0;
};

// The caption of a label, a button, a tick box, a radio button or a label
// button; none for other controls, empty text or rich text.
std::optional<CaptionBox> captionBoxOf(const QWidget *control);

// The size a caption takes drawn in a font: lines wrapped where the flags
// wrap, a word too long for the box sticking out of it.
QSize captionSize(const QFont &font, const CaptionBox &caption);

// The fitting rule. A caption is drawn at its design size when it fits its
// box there. One that does not (too wide, or, where the control wraps, too
// tall once wrapped) is drawn one pixel smaller at a time until it fits, but
// never below the floor: 80 % of the design size and never under 7 points.
// A caption that does not fit even at the floor is drawn at the floor.
QFont fittedFont(const QFont &design, const CaptionBox &caption);

// Keeps every caption of `root` and of the controls later put inside it drawn
// by the fitting rule: each time a control paints, its design font is fitted
// to its caption and box as they are then.
void keepCaptionsFitted(QWidget *root);
