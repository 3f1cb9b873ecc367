#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
const QString kBoxTitle = QStringLiteral("Lives of Hellas");
}

void DialogMessages::info(const QString &text) {
    QMessageBox::information(QApplication::activeWindow(), kBoxTitle, text, QMessageBox::Ok);
}

bool DialogMessages::confirm(const QString &text) {
    // The questions the program asks stand in a box without a caption.
    return QMessageBox::question(QApplication::activeWindow(), QString(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}
