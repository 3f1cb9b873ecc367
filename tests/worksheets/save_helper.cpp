// Saves worksheets titled PREFIX1 to PREFIXn into FOLDER, as one copy of the
// program would, and exits with the number of saves that failed.

#include "worksheets/store.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return 255;
    WorksheetStore store(args[1]);
    const int count = args[3].toInt();
    int failed = 0;
    for (int i = 1; i <= count; ++i) {
        SharedState state;
        const QString title = args[2] + QString::number(i);
        if (!store.saveWorksheet(title, "worksheet " + title.toUtf8() + "\r\n", state)) ++failed;
    }
    return failed;
}
