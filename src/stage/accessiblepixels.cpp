#include "stage/accessiblepixels.h"

#include <QAccessibleTextInterface>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <memory>

namespace {

// On X11, where AT-SPI's screen coordinates are the display's pixels, the
// window's device pixel ratio is the whole of Qt's scaling.
qreal scaleOf(const QWidget *widget) {
    return widget ? widget->devicePixelRatioF() : 1;
}

QPoint screenCorner(const QWidget *widget) {
    const QScreen *screen = widget->screen();
    return screen ? screen->geometry().topLeft() : QPoint();
}

const QWidget *widgetOf(const QAccessibleInterface *iface) {
    QObject *object = iface->object();
    return object && object->isWidgetType() ? static_cast<const QWidget *>(object) : nullptr;
}

// The first child on view under a point, by the children's rectangles in
// display pixels. Qt's own search compares logical ones, or maps the point as
// logical.
QAccessibleInterface *childUnder(const QAccessibleInterface *parent, int x, int y) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (child && child->isValid() && !child->state().invisible && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

// A text box's characters, where a magnifier following the caret looks.
class TextInDisplayPixels final : public QAccessibleTextInterface {
  public:
    TextInDisplayPixels(QAccessibleTextInterface *text, const QWidget *widget)
        : text_(text), widget_(widget) {}

    void selection(int index, int *start, int *end) const override { text_->selection(index, start, end); }
    int selectionCount() const override { return text_->selectionCount(); }
    void addSelection(int start, int end) override { text_->addSelection(start, end); }
    void removeSelection(int index) override { text_->removeSelection(index); }
    void setSelection(int index, int start, int end) override { text_->setSelection(index, start, end); }
    int cursorPosition() const override { return text_->cursorPosition(); }
    void setCursorPosition(int position) override { text_->setCursorPosition(position); }
    QString text(int start, int end) const override { return text_->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override {
        return text_->textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override {
        return text_->textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override {
        return text_->textAtOffset(offset, type, start, end);
    }
    int characterCount() const override { return text_->characterCount(); }
    QRect characterRect(int offset) const override {
        return inDisplayPixels(text_->characterRect(offset), widget_);
    }
    int offsetAtPoint(const QPoint &point) const override {
        return text_->offsetAtPoint(fromDisplayPixels(point, widget_));
    }
    void scrollToSubstring(int start, int end) override { text_->scrollToSubstring(start, end); }
    QString attributes(int offset, int *start, int *end) const override {
        return text_->attributes(offset, start, end);
    }

  private:
    QAccessibleTextInterface *text_;
    const QWidget *widget_;
};

// Qt's interface of a widget with everything passed on but where it lies.
// Qt's interface stays in Qt's cache beside this one, under the same widget;
// the cache hands out the later of the two, this one. Whichever of them the
// cache deletes first, Qt's goes with this one.
class WidgetInDisplayPixels final : public QAccessibleInterface {
  public:
    explicit WidgetInDisplayPixels(QAccessibleInterface *qt) : qt_(qt), qtId_(QAccessible::uniqueId(qt)) {
        if (QAccessibleTextInterface *text = qt->textInterface())
            text_ = std::make_unique<TextInDisplayPixels>(text, widgetOf(qt));
    }
    ~WidgetInDisplayPixels() override {
        if (QAccessible::accessibleInterface(qtId_) == qt_) QAccessible::deleteAccessibleInterface(qtId_);
    }

    bool isValid() const override { return qt_->isValid(); }
    QObject *object() const override { return qt_->object(); }
    QWindow *window() const override { return qt_->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return qt_->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return qt_->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return childUnder(this, x, y); }
    QAccessibleInterface *parent() const override { return qt_->parent(); }
    QAccessibleInterface *child(int index) const override { return qt_->child(index); }
    int childCount() const override { return qt_->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return qt_->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return qt_->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { qt_->setText(t, text); }
    QRect rect() const override { return inDisplayPixels(qt_->rect(), widgetOf(qt_)); }
    QAccessible::Role role() const override { return qt_->role(); }
    QAccessible::State state() const override { return qt_->state(); }
    QColor foregroundColor() const override { return qt_->foregroundColor(); }
    QColor backgroundColor() const override { return qt_->backgroundColor(); }
    void virtual_hook(int id, void *data) override { qt_->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && text_)
            return static_cast<QAccessibleTextInterface *>(text_.get());
        return qt_->interface_cast(type);
    }

  private:
    QAccessibleInterface *qt_;
    QAccessible::Id qtId_;
    std::unique_ptr<TextInDisplayPixels> text_;
};

// Set while Qt's own interface of a widget is asked for, so that the
// program's factory leaves the widget to Qt's.
bool askingQt = false;

} // namespace

QRect inDisplayPixels(const QRect &logical, const QWidget *widget) {
    const qreal scale = scaleOf(widget);
    if (!logical.isValid() || scale == 1) return logical;
    const QPoint corner = screenCorner(widget);
    // The edges are scaled, not the size, so neighbours still meet.
    const auto edge = [scale](int offset) { return int(std::lround(offset * scale)); };
    const QPoint topLeft = logical.topLeft() - corner;
    const QPoint bottomRight = logical.bottomRight() + QPoint(1, 1) - corner;
    return QRect(QPoint(edge(topLeft.x()), edge(topLeft.y())) + corner,
                 QPoint(edge(bottomRight.x()), edge(bottomRight.y())) + corner - QPoint(1, 1));
}

QPoint fromDisplayPixels(QPoint shown, const QWidget *widget) {
    const qreal scale = scaleOf(widget);
    if (scale == 1) return shown;
    const QPoint corner = screenCorner(widget);
    const QPointF inside = QPointF(shown - corner) / scale;
    return QPoint(int(std::floor(inside.x())), int(std::floor(inside.y()))) + corner;
}

QRect DisplayPixelsAccessible::rect() const {
    return inDisplayPixels(QAccessibleWidget::rect(), widget());
}

QAccessibleInterface *DisplayPixelsAccessible::childAt(int x, int y) const {
    return childUnder(this, x, y);
}

QAccessibleInterface *qtInterfaceInDisplayPixels(QObject *object) {
    if (askingQt || !object || !object->isWidgetType()) return nullptr;
    askingQt = true;
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(object);
    askingQt = false;
    return qt ? new WidgetInDisplayPixels(qt) : nullptr;
}
