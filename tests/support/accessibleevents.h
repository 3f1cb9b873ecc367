#pragma once
// Records what screen readers would be told: turns accessibility on, as a
// reader does, and keeps the name of every object at each name change.
// Link the test with Qt6::GuiPrivate.

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

class AccessibleEvents {
  public:
    AccessibleEvents() {
        current() = this;
        if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
        QAccessible::installUpdateHandler(&record);
    }
    ~AccessibleEvents() {
        QAccessible::installUpdateHandler(nullptr);
        current() = nullptr;
    }
    AccessibleEvents(const AccessibleEvents &) = delete;
    AccessibleEvents &operator=(const AccessibleEvents &) = delete;

    // The names the object was given, in order.
    QStringList namesOf(const QObject *object) const {
        QStringList names;
        for (const Change &change : changes_) {
            if (change.object == object) names.append(change.name);
        }
        return names;
    }
    void clear() { changes_.clear(); }

  private:
    struct Change {
        QPointer<QObject> object;
        QString name;
    };
    static AccessibleEvents *&current() {
        static AccessibleEvents *events = nullptr;
        return events;
    }
    static void record(QAccessibleEvent *event) {
        if (!current() || event->type() != QAccessible::NameChanged || !event->object()) return;
        QAccessibleInterface *iface = event->accessibleInterface();
        current()->changes_.append({event->object(), iface ? iface->text(QAccessible::Name) : QString()});
    }
    QList<Change> changes_;
};
