#include "stage/accessibility.h"

#include "stage/dragcontrols.h"
#include "stage/labelbutton.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

class LabelButtonAccessible final : public QAccessibleWidget {
  public:
    explicit LabelButtonAccessible(LabelButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

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
class CarriedAccessible final : public QAccessibleWidget {
  public:
    CarriedAccessible(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
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

QAccessibleInterface *interfaceFor(const QString &, QObject *object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *button = qobject_cast<LabelButton *>(object)) return new LabelButtonAccessible(button);
    if (DragControls::of(object))
        return new CarriedAccessible(widget, object->inherits("QLabel") ? QAccessible::ListItem
                                                                        : QAccessible::Graphic);
    if (object->inherits("PictureBox")) return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
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
    announcer->setObjectName(QStringLiteral("Announcer"));
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->lower();
    return announcer;
}

void announce(QLabel *announcer, const QString &text) {
    // Setting the name tells every reader even when the words repeat.
    announcer->setAccessibleName(text);
}
