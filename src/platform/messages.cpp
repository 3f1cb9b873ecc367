#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

const QString kBoxTitle = QStringLiteral("Lives of Hellas");

// The control that had the focus before a box opened has it again once the
// box has closed, so a key pressed next goes where it went before.
class FocusKeeper {
  public:
    FocusKeeper() : focus_(QApplication::focusWidget()) {}
    ~FocusKeeper() {
        if (focus_ && focus_->isVisible() && focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
    }
    FocusKeeper(const FocusKeeper &) = delete;
    FocusKeeper &operator=(const FocusKeeper &) = delete;

  private:
    QPointer<QWidget> focus_;
};

} // namespace

void DialogMessages::info(const QString &text) {
    const FocusKeeper keeper;
    QMessageBox::information(QApplication::activeWindow(), kBoxTitle, text, QMessageBox::Ok);
}

bool DialogMessages::confirm(const QString &text) {
    const FocusKeeper keeper;
    // The questions the program asks stand in a box without a caption.
    return QMessageBox::question(QApplication::activeWindow(), QString(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}
