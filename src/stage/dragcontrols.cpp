#include "stage/dragcontrols.h"

#include "core/twips.h"
#include "stage/accessibility.h"
#include "stage/screen.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWidget>

namespace {

const char *const kControlsProperty = "hellasDragControls";

// Drawn over a carried control's own content while it has the focus, once
// keyboard cues are on or while it is held.
class FocusFrame final : public QWidget {
  public:
    explicit FocusFrame(QWidget *control) : QWidget(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(control->rect());
        hide();
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        const DragControls *controls = DragControls::of(parentWidget());
        const bool held =
            controls->carry().held() && controls->carry().carried() == controls->indexOf(parentWidget());
        if (!held && !Screen::keyboardCuesShownFor(parentWidget())) return;
        QPainter painter(this);
        Screen::drawFocusFrame(painter, rect());
    }
};

} // namespace

int DragControls::buttonState(Qt::MouseButtons buttons) {
    int state = 0;
    if (buttons & Qt::LeftButton) state |= Carry::LeftButton;
    if (buttons & Qt::RightButton) state |= Carry::RightButton;
    if (buttons & Qt::MiddleButton) state |= Carry::MiddleButton;
    if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) state |= Carry::OtherButton;
    return state;
}

DragControls::DragControls(QList<QWidget *> controls, Carry::Activity &activity, QObject *parent)
    : QObject(parent), controls_(std::move(controls)),
      carry_(std::make_unique<Carry>(activity, QGuiApplication::styleHints()->startDragDistance())) {
    for (QWidget *control : std::as_const(controls_)) {
        control->setMouseTracking(true);
        control->setFocusPolicy(Qt::TabFocus);
        control->setProperty(kControlsProperty, QVariant::fromValue(static_cast<QObject *>(this)));
        control->installEventFilter(this);
        frames_.append(new FocusFrame(control));
        // An interface made before the control became carried is made anew
        // as a carried item's.
        if (QAccessible::isActive()) {
            QAccessibleInterface *made = QAccessible::queryAccessibleInterface(control);
            if (made && !isCarriedInterface(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

DragControls::~DragControls() = default;

DragControls *DragControls::of(const QObject *control) {
    return static_cast<DragControls *>(control->property(kControlsProperty).value<QObject *>());
}

int DragControls::indexOf(const QObject *control) const {
    return int(controls_.indexOf(static_cast<QWidget *>(const_cast<QObject *>(control))));
}

void DragControls::addTapTargets(const QList<QWidget *> &targets) {
    for (QWidget *target : targets) {
        tapTargets_.append(target);
        target->installEventFilter(this);
    }
}

void DragControls::press(int index) {
    if (carry_->carried() == index && carry_->held()) {
        carry_->putDown();
        showHeld();
        return;
    }
    controls_[index]->setFocus(Qt::OtherFocusReason);
    carry_->pickUp(index);
    showHeld();
}

void DragControls::showHeld() {
    const int held = carry_->held() ? carry_->carried() : Carry::None;
    if (held == shownHeld_) return;
    for (const int index : {shownHeld_, held}) {
        if (index != Carry::None) frames_[index]->update();
    }
    shownHeld_ = held;
    if (held != Carry::None && !controls_[held]->hasFocus()) controls_[held]->setFocus(Qt::MouseFocusReason);
}

bool DragControls::tapTargetEvent(QWidget *target, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        carry_->pressElsewhere(static_cast<QMouseEvent *>(event)->globalPosition());
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Screen *screen = Screen::of(target);
        const QPointF at = screen ? target->mapTo(screen, mouse->position()) : mouse->position();
        carry_->releaseElsewhere(at * kTwipsPerPixel, mouse->globalPosition());
        showHeld();
        break;
    }
    default:
        break;
    }
    return false;
}

bool DragControls::keyPress(int index, int key) {
    const bool carried = carry_->held() && carry_->carried() == index;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (carried)
            carry_->putDown();
        else if (Screen::keyboardCuesShownFor(controls_[index]))
            carry_->pickUp(index);
        else
            return false;
        return true;
    case Qt::Key_Escape:
        if (!carried) return false;
        carry_->cancel();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!carried) return false;
        carry_->step(key == Qt::Key_Left    ? -1
                     : key == Qt::Key_Right ? 1
                                            : 0,
                     key == Qt::Key_Up     ? -1
                     : key == Qt::Key_Down ? 1
                                           : 0);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // A carried control keeps the focus until it is put down or back.
        return carried;
    default:
        return false;
    }
}

bool DragControls::eventFilter(QObject *watched, QEvent *event) {
    const int index = indexOf(watched);
    if (index < 0) {
        if (auto *target = qobject_cast<QWidget *>(watched); target && tapTargets_.contains(target))
            return tapTargetEvent(target, event);
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The press is the control's own, so its release comes back to it too.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        carry_->press(index, mouse->globalPosition());
        event->accept();
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        carry_->move(index, buttonState(mouse->buttons()), mouse->position() * kTwipsPerPixel,
                     mouse->globalPosition());
        showHeld();
        return true;
    }
    case QEvent::MouseButtonRelease:
        carry_->release(index);
        showHeld();
        return true;
    case QEvent::KeyPress: {
        const bool used = keyPress(index, static_cast<QKeyEvent *>(event)->key());
        showHeld();
        return used;
    }
    case QEvent::FocusIn:
        frames_[index]->show();
        frames_[index]->raise();
        break;
    case QEvent::FocusOut:
        frames_[index]->hide();
        // Losing the focus while carried puts the control back.
        if (carry_->held() && carry_->carried() == index) {
            carry_->cancel();
            showHeld();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
