#pragma once
// What screen readers get from the program's own controls: label buttons as
// push buttons, carried pieces and names as items a press picks up, pictures
// as graphics, and a live label that announces what a move or a score did.

#include <QAccessible>

class QAccessibleInterface;
class QLabel;
class QString;
class QWidget;
class Stage;

// Installs the interfaces for the whole run; more calls change nothing.
void installAccessibility();

// True for the interface of a piece or a name a pupil carries.
bool isCarriedInterface(QAccessibleInterface *iface);

// A label that shows nothing and takes no mouse: its accessible name is the
// last announcement, and every announcement is a name change.
QLabel *addAnnouncer(QWidget *screen);
void announce(QLabel *announcer, const QString &text);
// The same through the screen's own announcer, made on its first use.
void announceOn(QWidget *screen, const QString &text);

// A screen came in front or went: which screens a reader may visit changed.
void screensReordered(Stage &stage);

// While one lives, changes are not passed on to readers. A screen is built out
// of sight and readers see it whole when it comes on view; the name and text
// every control of a large screen reports while being built would only flood
// a reader's queue. Orca, reaching the first box's stale caret move after the
// box has taken the focus, takes the box as presented and says nothing of
// the screen that opened.
class AccessibilityQuiet {
  public:
    AccessibilityQuiet();
    ~AccessibilityQuiet();
    AccessibilityQuiet(const AccessibilityQuiet &) = delete;
    AccessibilityQuiet &operator=(const AccessibilityQuiet &) = delete;

  private:
    QAccessible::UpdateHandler previous_;
};
