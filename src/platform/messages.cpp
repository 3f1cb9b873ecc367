#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

void DialogMessages::info(const QString &text) {
    //: The caption of the program's message boxes: its name, kept in Latin letters.
    const QString title = QCoreApplication::translate("DialogMessages", "Lives of Hellas");
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}

bool DialogMessages::confirm(const QString &text) {
    // The questions the program asks stand in a box without a caption.
    return QMessageBox::question(QApplication::activeWindow(), QString(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}
