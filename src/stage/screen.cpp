#include "stage/screen.h"

#include "platform/messages.h"
#include "platform/services.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

QString Screen::standardCaption() {
    return tr("Lives of Hellas");
}

Screen::Screen(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    keepCaptionsFitted(this);
    hide();
}

void Screen::setCaption(const QString &caption) {
    caption_ = caption;
    if (Stage::current().frontScreen() == this) Stage::current().bringToFront(this);
}

void Screen::setBackColour(const QColor &colour) {
    back_ = colour;
    update();
}

void Screen::setBackgroundPicture(const QImage &picture) {
    backPicture_ = picture;
    update();
}

void Screen::showScreen() {
    Stage::current().bringToFront(this);
}

void Screen::unloadScreen() {
    Stage::current().unload(this);
}

Screen *Screen::of(const QWidget *control) {
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (auto *screen = qobject_cast<Screen *>(const_cast<QWidget *>(w))) return screen;
    }
    return nullptr;
}

void Screen::showKeyboardCues() {
    if (keyboardCues_) return;
    keyboardCues_ = true;
    if (QWidget *focus = focusWidget()) focus->update();
}

bool Screen::keyboardCuesShownFor(const QWidget *control) {
    const Screen *screen = of(control);
    return !screen || screen->keyboardCuesShown();
}

void Screen::drawFocusFrame(QPainter &painter, const QRect &rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), 2));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(255, 255, 0), 2, Qt::DashLine));
    painter.drawRect(rect.adjusted(3, 3, -3, -3));
    painter.restore();
}

QList<QWidget *> Screen::focusChain() const {
    QList<QWidget *> order;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            order.append(w);
    }
    return order;
}

QList<QWidget *> Screen::focusOrder() const {
    QList<QWidget *> order = focusChain();
    const auto place = [this](const QWidget *w) { return QRect(w->mapTo(this, QPoint(0, 0)), w->size()); };
    std::stable_sort(order.begin(), order.end(), [&place](const QWidget *a, const QWidget *b) {
        return place(a).top() < place(b).top();
    });
    // A control starting above the bottom of the first in a row stands in that
    // row: captions of different heights on one line are one row.
    for (qsizetype first = 0; first < order.size();) {
        const int bottom = place(order[first]).bottom();
        qsizetype end = first + 1;
        while (end < order.size() && place(order[end]).top() <= bottom)
            ++end;
        std::stable_sort(
            order.begin() + first, order.begin() + end,
            [&place](const QWidget *a, const QWidget *b) { return place(a).left() < place(b).left(); });
        first = end;
    }
    return order;
}

void Screen::takeFocus() {
    const QList<QWidget *> order = focusOrder();
    if (lastFocus_ && order.contains(lastFocus_.data())) {
        lastFocus_->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget *control : order) {
        if (!isHarmful(control)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

void Screen::moveFocusFrom(QWidget *lost) {
    const auto usable = [this](QWidget *w) { return w->isVisibleTo(this) && w->isEnabled(); };
    for (const QList<QWidget *> &group : std::as_const(focusGroups_)) {
        const qsizetype at = group.indexOf(lost);
        if (at < 0) continue;
        for (qsizetype distance = 1; distance < group.size(); ++distance) {
            for (const qsizetype i : {at - distance, at + distance}) {
                if (i >= 0 && i < group.size() && usable(group[i])) {
                    group[i]->setFocus(Qt::OtherFocusReason);
                    return;
                }
            }
        }
    }
    if (lastFocus_ == lost) lastFocus_ = nullptr;
    takeFocus();
}

void Screen::closeRequested() {
    if (services().messages->confirm(tr("Do you want to leave Lives of Hellas?")))
        Stage::current().endProgram();
}

void Screen::fitScreen() {
    setBackColour(StandardBack);
    setCaption(standardCaption());
    // From here on a step that cannot be done is skipped.
    // Wherever it sits: the title screen's picture box is inside its frame.
    if (auto *picture = findChild<PictureBox *>(QStringLiteral("Picture1")))
        picture->setBackColour(QColor(49, 135, 214));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    centreOnStage(QSizeF(kScreenWidthTwips, kScreenHeightTwips));
    QApplication::restoreOverrideCursor();
}

void Screen::centreOnStage(const QSizeF &twips) {
    const QSizeF stage = Stage::current().sizeInTwips();
    sizeTwips_ = twips;
    positionTwips_ = QPointF(stage.width() / 2 - twips.width() / 2, stage.height() / 2 - twips.height() / 2);
    centred_ = true;
    setGeometry(toPixels(positionTwips_.x()), toPixels(positionTwips_.y()), toPixels(twips.width()),
                toPixels(twips.height()));
}

void Screen::stageResized() {
    if (centred_) centreOnStage(sizeTwips_);
}

LabelButton *Screen::addLabelButton(const QString &name, const QString &caption, const TwipRect &where,
                                    const QFont &font, QWidget *parent) {
    auto *button = new LabelButton(caption, parent ? parent : this);
    button->setObjectName(name);
    button->setFont(font);
    place(button, where);
    return button;
}

QList<LabelButton *> Screen::addLabelButtons(const QString &name, std::span<const ButtonLayout> layout,
                                             const QFont &font, const std::function<void(int)> &onClick,
                                             const char *context) {
    if (!context) context = metaObject()->className();
    QList<LabelButton *> buttons;
    for (int i = 0; i < static_cast<int>(layout.size()); ++i) {
        LabelButton *button =
            addLabelButton(name + QStringLiteral("_%1").arg(i),
                           QCoreApplication::translate(context, layout[i].caption), layout[i].place, font);
        connect(button, &LabelButton::clicked, this, [onClick, i] { onClick(i); });
        buttons.append(button);
    }
    return buttons;
}

QLabel *Screen::addLabel(const QString &name, const QString &text, const TwipRect &where, const QFont &font,
                         const QColor &colour, Qt::Alignment alignment, QWidget *parent) {
    auto *label = new QLabel(text, parent ? parent : this);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // A label is a control of its own: moving over it is not moving over the
    // window's background.
    label->setAttribute(Qt::WA_NoMousePropagation);
    place(label, where);
    return label;
}

PictureBox *Screen::addPicture(const QString &name, const TwipRect &where, QWidget *parent) {
    auto *picture = new PictureBox(parent ? parent : this);
    picture->setObjectName(name);
    picture->setAttribute(Qt::WA_NoMousePropagation);
    place(picture, where);
    return picture;
}

void Screen::place(QWidget *control, const TwipRect &where) {
    control->setGeometry(toPixels(where));
}

void Screen::setHoverButtons(const QList<LabelButton *> &buttons, bool opaqueOverButton,
                             bool transparentOverBackground) {
    hoverButtons_ = buttons;
    transparentOverBackground_ = transparentOverBackground;
    if (opaqueOverButton) {
        for (LabelButton *button : buttons)
            connect(button, &LabelButton::hovered, button, [button] { button->setOpaque(true); });
    }
}

void Screen::mouseMoveEvent(QMouseEvent *event) {
    // Disabled buttons pass their mouse movement on to here, so they count as
    // background, as they should.
    if (transparentOverBackground_) {
        for (LabelButton *button : std::as_const(hoverButtons_))
            button->setOpaque(false);
    }
    backgroundMouseMove(toTwips(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void Screen::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (back_.isValid()) painter.fillRect(rect(), back_);
    if (backPicture_.isNull()) return;
    // Smoothed where the display's scale enlarges it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(0, 0), backPicture_);
}
