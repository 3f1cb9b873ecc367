#include "stage/stage.h"

#include "stage/accessibility.h"
#include "stage/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyleOption>

namespace {
Stage *g_stage = nullptr;

// Standard controls on a screen show the screens' own focus frame once its
// keyboard cues are on: the desktop style's focus is a shade of the border or
// a faint box, too weak to find against these screens.
class FocusStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        const bool framed = widget && Screen::of(widget) && (option->state & State_HasFocus);
        if (element == PE_FrameFocusRect && framed) {
            // Round the whole control, not just its text.
            if (Screen::keyboardCuesShownFor(widget))
                Screen::drawFocusFrame(
                    *painter, qobject_cast<const QAbstractButton *>(widget) ? widget->rect() : option->rect);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Push buttons and text boxes show their focus in their panel.
        if ((element == PE_PanelButtonCommand || element == PE_PanelLineEdit) && framed &&
            Screen::keyboardCuesShownFor(widget))
            Screen::drawFocusFrame(*painter, option->rect);
    }
};
} // namespace

Stage::Stage() {
    Q_ASSERT(!g_stage);
    g_stage = this;
    setWindowTitle(Screen::standardCaption());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(48, 133, 214));
    setPalette(palette);
    installAccessibility();
    // Over the style the desktop already gave: a second one made from
    // scratch would cost the start the style's making twice.
    if (QStyle *current = QApplication::style(); !dynamic_cast<FocusStyle *>(current))
        QApplication::setStyle(new FocusStyle(current));
    qApp->installEventFilter(this);
    // Each screen remembers its last focused control, so the focus comes
    // back to it when the screen is on view again.
    connect(qApp, &QApplication::focusChanged, this, [](QWidget *, QWidget *now) {
        if (Screen *screen = Screen::of(now); screen && now != screen) screen->lastFocus_ = now;
    });
}

Stage::~Stage() {
    // Screens are children and go with the stage; their slots must not outlive it.
    slots_.clear();
    g_stage = nullptr;
}

Stage &Stage::current() {
    Q_ASSERT(g_stage);
    return *g_stage;
}

MainMenu &Stage::mainMenu() const {
    Q_ASSERT(mainMenu_);
    return mainMenu_();
}

void Stage::runLoad(Screen *screen) { screen->load(); }

void Stage::unload(Screen *screen) {
    for (auto &[meta, slot] : slots_) {
        if (slot == screen) slot = nullptr;
    }
    screen->hide();
    if (Screen *front = frontScreen()) {
        if (QWidget *focus = QApplication::focusWidget(); !focus || !front->isAncestorOf(focus))
            front->takeFocus();
    }
    // Never destroyed inside its own event handler: the click that unloads a
    // screen is still running on it.
    screen->deleteLater();
    updateTitle();
    screensReordered(*this);
}

void Stage::bringToFront(Screen *screen) {
    screen->show();
    screen->raise();
    updateTitle();
    screensReordered(*this);
    if (QWidget *focus = QApplication::focusWidget(); !focus || !screen->isAncestorOf(focus))
        screen->takeFocus();
}

Screen *Stage::frontScreen() const {
    const QObjectList &children = this->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *screen = qobject_cast<Screen *>(*it);
        if (screen && screen->isVisible()) return screen;
    }
    return nullptr;
}

QSizeF Stage::sizeInTwips() const { return QSizeF(width(), height()) * kTwipsPerPixel; }

void Stage::endProgram() {
    ended_ = true;
    hide();
    Q_EMIT programEnded();
}

void Stage::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    for (QObject *child : children()) {
        if (auto *screen = qobject_cast<Screen *>(child)) screen->stageResized();
    }
}

bool Stage::focusNextPrevChild(bool next) {
    // Keyboard focus moves among the controls of the screen in front only:
    // the screens below it are covered.
    Screen *front = frontScreen();
    if (!front) return QWidget::focusNextPrevChild(next);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !front->isAncestorOf(focus)) {
        // The focus was on a screen that has just gone.
        front->takeFocus();
        return true;
    }
    if (focus != front && (!focus->isVisibleTo(front) || !focus->isEnabled())) {
        // Qt asks for the next control when the focused one is disabled or hidden.
        front->moveFocusFrom(focus);
        return true;
    }
    const QList<QWidget *> chain = front->focusOrder();
    if (chain.isEmpty()) return false;
    const qsizetype at = chain.indexOf(focus);
    qsizetype to = 0;
    if (at >= 0)
        to = (at + (next ? 1 : chain.size() - 1)) % chain.size();
    else if (!next)
        to = chain.size() - 1;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Stage::closeEvent(QCloseEvent *event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    if (Screen *front = frontScreen())
        front->closeRequested();
    else
        endProgram();
}

bool Stage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        switch (key) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Standard buttons, tick boxes and radio buttons follow the label
            // buttons: nothing is pressed before the cues show, and then
            // Enter presses a button as Space does.
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (!button || !Screen::of(button)) break;
            if (!Screen::keyboardCuesShownFor(button)) return true;
            if (key != Qt::Key_Space && qobject_cast<QPushButton *>(button)) {
                button->click();
                return true;
            }
            break;
        }
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            auto *widget = static_cast<QWidget *>(watched);
            Screen *screen = widget == this ? frontScreen() : Screen::of(widget);
            if (screen && widget->window() == this) screen->showKeyboardCues();
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Stage::updateTitle() {
    const Screen *front = frontScreen();
    const QString caption = front ? front->caption() : QString();
    setWindowTitle(caption.isEmpty() ? Screen::standardCaption() : caption);
}
