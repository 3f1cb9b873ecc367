#pragma once
// One screen of the program: a 12000 x 9000 twip child of the stage with its
// controls, its load step and its share of the hover highlight.

#include "core/twips.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <span>

class LabelButton;
class PictureBox;
class QLabel;
class QPainter;
class Stage;

// One entry of a control array of label buttons: its caption and place. The
// caption is the English text, marked QT_TRANSLATE_NOOP in the context of the
// screen's class (or of the context handed to addLabelButtons); the button
// shows its translation.
struct ButtonLayout {
    const char *caption;
    TwipRect place;
};

class Screen : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor StandardBack{39, 63, 137};
    // The window's caption: the product's name.
    static QString standardCaption();

    explicit Screen(QWidget *parent);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    QColor backColour() const { return back_; }
    void setBackColour(const QColor &colour);
    // A window background picture, drawn at its own size from the top-left corner.
    void setBackgroundPicture(const QImage &picture);
    const QImage &backgroundPicture() const { return backPicture_; }

    // Makes the screen visible and brings it in front of the others.
    void showScreen();
    // Closes the screen: its slot is emptied at once, so the next touch loads
    // it anew, and the widget is destroyed once the current event is over.
    void unloadScreen();

    // The screen a control lies on, or none.
    static Screen *of(const QWidget *control);

    // Keyboard cues: until the user presses Tab, Shift+Tab or an arrow key on
    // a screen, no focus frame is drawn on it and Enter and Space press
    // nothing, on label buttons and standard controls alike.
    bool keyboardCuesShown() const { return keyboardCues_; }
    void showKeyboardCues();
    // The cues of the control's screen; a control on no screen always has them.
    static bool keyboardCuesShownFor(const QWidget *control);
    // The focus frame of every screen, yellow dashes on a black line inside
    // the rectangle, seen on dark and light backgrounds alike.
    static void drawFocusFrame(QPainter &painter, const QRect &rect);

    // The controls that can take the focus now, in Tab order: as they are
    // read, in rows from the top, each from left to right.
    virtual QList<QWidget *> focusOrder() const;
    // Focus for a screen coming on view: the control that had it last, or
    // else the first that neither exits, prints nor deletes.
    void takeFocus();
    // The focused control was disabled or hidden: the focus goes to its
    // neighbour in its group, or else to the first harmless control.
    void moveFocusFrom(QWidget *lost);
    bool isHarmful(QWidget *control) const { return harmful_.contains(control); }

    // The window system asked to close the program while this screen is in
    // front: ask first, as the main menu's "Exit" does.
    virtual void closeRequested();

    // Position in twips relative to the stage, as fitting computed it.
    QPointF positionTwips() const { return positionTwips_; }
    QSizeF sizeTwips() const { return sizeTwips_; }

  protected:
    // The load step; runs once, right after the screen is created.
    virtual void load() {}
    // Mouse movement over the window's own background.
    virtual void backgroundMouseMove(const QPoint &) {}

    // The standard size, colour and caption, centred on the stage.
    void fitScreen();
    // Centres the screen at the given size without the rest of fitting.
    void centreOnStage(const QSizeF &twips);

    LabelButton *addLabelButton(const QString &name, const QString &caption, const TwipRect &place,
                                const QFont &font, QWidget *parent = nullptr);
    // A control array of label buttons named "<name>_<index>" from a layout
    // table, the captions translated in the given context (none: the screen's
    // class); a click reports the button's index.
    QList<LabelButton *> addLabelButtons(const QString &name, std::span<const ButtonLayout> layout,
                                         const QFont &font, const std::function<void(int)> &onClick,
                                         const char *context = nullptr);
    QLabel *addLabel(const QString &name, const QString &text, const TwipRect &place, const QFont &font,
                     const QColor &colour, Qt::Alignment alignment = Qt::AlignCenter,
                     QWidget *parent = nullptr);
    PictureBox *addPicture(const QString &name, const TwipRect &place, QWidget *parent = nullptr);
    static void place(QWidget *control, const TwipRect &place);
    // The controls that can take the focus now, in the order of the focus
    // chain, for a screen with an order of its own.
    QList<QWidget *> focusChain() const;

    // Controls that exit, print or delete: the focus never lands on them by itself.
    void setHarmful(const QList<QWidget *> &controls) { harmful_ = controls; }
    // Controls that stand in for one another when the focused one goes out of use.
    void addFocusGroup(const QList<QWidget *> &controls) { focusGroups_.append(controls); }

    // Which label buttons take part in the hover highlight and how.
    void setHoverButtons(const QList<LabelButton *> &buttons, bool opaqueOverButton,
                         bool transparentOverBackground);

    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // The stage changed size: a centred screen centres itself again.
    virtual void stageResized();

  private:
    friend class Stage;

    QString caption_;
    QColor back_;
    QImage backPicture_;
    QList<LabelButton *> hoverButtons_;
    bool transparentOverBackground_ = false;
    bool centred_ = false;
    QPointF positionTwips_;
    QSizeF sizeTwips_;
    bool keyboardCues_ = false;
    QList<QWidget *> harmful_;
    QList<QList<QWidget *>> focusGroups_;
    QPointer<QWidget> lastFocus_;
};
