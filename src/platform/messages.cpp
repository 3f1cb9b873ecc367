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
    return QMessageBox::question(QApplication::activeWindow(), kBoxTitle, text,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}
