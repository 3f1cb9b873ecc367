#include "platform/filechooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

QString DialogFileChooser::openFile(const QString &title, const QString &filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QDir::homePath(), filters);
}

QString DialogFileChooser::saveFile(const QString &title, const QString &suggestedName,
                                    const QString &filters) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title,
                                        QDir::home().filePath(suggestedName), filters);
}
