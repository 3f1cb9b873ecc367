#include "stage/accessibility.h"

#include "stage/accessiblepixels.h"
#include "stage/dragcontrols.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/screen.h"
#include "stage/stage.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>

namespace {

class LabelButtonAccessible final : public DisplayPixelsAccessible {
  public:
    explicit LabelButtonAccessible(LabelButton *button)
        : DisplayPixelsAccessible(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LabelButton *>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            static_cast<LabelButton *>(widget())->press();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &action) const override {
        if (action == pressAction()) return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A jigsaw piece or a painter's name: one item whose name says where it lies,
// with nothing inside it for a reader to visit.
class CarriedAccessible final : public DisplayPixelsAccessible {
  public:
    CarriedAccessible(QWidget *control, QAccessible::Role role) : DisplayPixelsAccessible(control, role) {}

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QCoreApplication::translate(
                "accessibility",
                "Enter to pick up, arrow keys to move, Enter to put down, Escape to put back");
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        DragControls *controls = DragControls::of(widget());
        if (action == pressAction() && controls)
            controls->press(controls->indexOf(widget()));
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &action) const override {
        if (action == pressAction()) return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A screen is a named place of the one window; a screen another covers is
// not on view for a reader either.
class ScreenAccessible final : public DisplayPixelsAccessible {
  public:
    explicit ScreenAccessible(Screen *screen) : DisplayPixelsAccessible(screen, QAccessible::Pane) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const Screen *>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *stage = qobject_cast<const Stage *>(widget()->parentWidget());
        if (stage && stage->frontScreen() != widget()) state.invisible = true;
        return state;
    }
};

// A picture says what it shows; one without a name is decoration and is
// left out of what a reader visits.
class PictureAccessible final : public DisplayPixelsAccessible {
  public:
    explicit PictureAccessible(QWidget *picture) : DisplayPixelsAccessible(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return contentPictureName(static_cast<const PictureBox *>(widget())->source());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }

  private:
    // What the content's own pictures show, by file; a screen names the
    // others (the paintings) itself.
    static QString contentPictureName(const QString &source) {
        const QString file = QFileInfo(QString(source).replace(u'\\', u'/')).completeBaseName().toLower();
        if (file == u"homersm") return QCoreApplication::translate("accessibility", "Homer");
        if (file == u"phidiassm") return QCoreApplication::translate("accessibility", "The Parthenon");
        if (file == u"logo2" || source.startsWith(u"logo", Qt::CaseInsensitive))
            return QCoreApplication::translate("accessibility", "Larkspur Publishing");
        return {};
    }
};

// Readers speak a notification when it comes on view: the one kind of change
// that Orca announces from a control that does not have the focus.
class AnnouncerAccessible final : public DisplayPixelsAccessible {
  public:
    explicit AnnouncerAccessible(QWidget *announcer)
        : DisplayPixelsAccessible(announcer, QAccessible::Notification) {}
};

const QString kAnnouncerName = QStringLiteral("Announcer");

QAccessibleInterface *interfaceFor(const QString &, QObject *object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *button = qobject_cast<LabelButton *>(object)) return new LabelButtonAccessible(button);
    if (DragControls::of(object))
        // A painter's name is operated like a button; a piece is a picture.
        return new CarriedAccessible(widget, object->inherits("QLabel") ? QAccessible::Button
                                                                        : QAccessible::Graphic);
    if (object->inherits("PictureBox")) return new PictureAccessible(widget);
    if (auto *screen = qobject_cast<Screen *>(object)) return new ScreenAccessible(screen);
    if (object->objectName() == kAnnouncerName && object->inherits("QLabel")) return new AnnouncerAccessible(widget);
    // A plain frame groups controls inside a screen. Left to Qt it is a
    // "frame", which readers take for a window of its own that is never
    // active, and they drop the focus of every control in it.
    if (object->metaObject()->className() == QByteArrayLiteral("QFrame"))
        return new DisplayPixelsAccessible(widget, QAccessible::Grouping);
    return qtInterfaceInDisplayPixels(object);
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

bool isCarriedInterface(QAccessibleInterface *iface) {
    return dynamic_cast<CarriedAccessible *>(iface) != nullptr;
}

QLabel *addAnnouncer(QWidget *screen) {
    auto *announcer = new QLabel(screen);
    announcer->setObjectName(kAnnouncerName);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->lower();
    announcer->hide();
    return announcer;
}

void announce(QLabel *announcer, const QString &text) {
    // Setting the name tells every reader even when the words repeat; the
    // notification coming on view again is what Orca speaks.
    announcer->setAccessibleName(text);
    announcer->hide();
    announcer->show();
}

void announceOn(QWidget *screen, const QString &text) {
    auto *announcer = screen->findChild<QLabel *>(kAnnouncerName, Qt::FindDirectChildrenOnly);
    announce(announcer ? announcer : addAnnouncer(screen), text);
}

void screensReordered(Stage &stage) {
    if (!QAccessible::isActive()) return;
    for (QObject *child : stage.children()) {
        if (auto *screen = qobject_cast<Screen *>(child)) {
            QAccessible::State changed;
            changed.invisible = true;
            QAccessibleStateChangeEvent event(screen, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

AccessibilityQuiet::AccessibilityQuiet()
    : previous_(QAccessible::installUpdateHandler([](QAccessibleEvent *) {})) {}

AccessibilityQuiet::~AccessibilityQuiet() { QAccessible::installUpdateHandler(previous_); }
