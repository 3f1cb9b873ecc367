#include "shell/stage.h"

#include "shell/screen.h"

#include <QApplication>
#include <QResizeEvent>

namespace {
Stage *g_stage = nullptr;
}

Stage::Stage() {
    Q_ASSERT(!g_stage);
    g_stage = this;
    setWindowTitle(Screen::StandardCaption);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(48, 133, 214));
    setPalette(palette);
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

void Stage::runLoad(Screen *screen) { screen->load(); }

void Stage::unload(Screen *screen) {
    for (auto &[meta, slot] : slots_) {
        if (slot == screen) slot = nullptr;
    }
    screen->hide();
    // Never destroyed inside its own event handler: the click that unloads a
    // screen is still running on it.
    screen->deleteLater();
    updateTitle();
}

void Stage::bringToFront(Screen *screen) {
    screen->show();
    screen->raise();
    updateTitle();
    if (QWidget *focus = QApplication::focusWidget(); !focus || !screen->isAncestorOf(focus)) {
        screen->setFocus(Qt::OtherFocusReason);
        focusNextPrevChild(true);
    }
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
    QList<QWidget *> chain;
    for (QWidget *w = front->nextInFocusChain(); w && w != front; w = w->nextInFocusChain()) {
        if (front->isAncestorOf(w) && w->isVisibleTo(front) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
    }
    if (chain.isEmpty()) return false;
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    qsizetype to = 0;
    if (at >= 0) to = (at + (next ? 1 : chain.size() - 1)) % chain.size();
    else if (!next) to = chain.size() - 1;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Stage::updateTitle() {
    const Screen *front = frontScreen();
    const QString caption = front ? front->caption() : QString();
    setWindowTitle(caption.isEmpty() ? Screen::StandardCaption : caption);
}
