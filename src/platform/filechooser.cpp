#include "platform/filechooser.h"

#include "platform/filefilters.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

QString DialogFileChooser::openFile(const QString &title, const QString &filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QDir::homePath(), filters);
}

QString DialogFileChooser::saveFile(const QString &title, const QString &suggestedName,
                                    const QString &filters) {
    QFileDialog dialog(QApplication::activeWindow(), title, QDir::home().filePath(suggestedName), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets the chosen filter's, before the
    // dialog asks about replacing a file: the ending is what a reader of the
    // file, and the program itself, go by.
    const auto takeSuffix = [&dialog](const QString &filter) { dialog.setDefaultSuffix(filterSuffix(filter)); };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    takeSuffix(dialog.selectedNameFilter());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
