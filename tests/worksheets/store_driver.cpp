// One store operation on FOLDER, as the wizard or the catalogue screen does it:
//   store_driver FOLDER save TITLE   writes "edited TITLE" as the worksheet
//   store_driver FOLDER delete TITLE
// Exits 0 when the store reports it done, 1 when it reports a failure.

#include "worksheets/store.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return 255;
    WorksheetStore store(args[1]);
    store.lockWaitMs = 0;
    SharedState state;
    const QString &title = args[3];
    const StoreResult result = args[2] == u"save"
                                   ? store.saveWorksheet(title, "edited " + title.toUtf8() + "\r\n", state)
                                   : store.deleteWorksheet(title, state);
    return result ? 0 : 1;
}
