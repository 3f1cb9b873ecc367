#include "platform/messages.h"
#include "platform/random.h"
#include "platform/services.h"
#include "shell/fonts.h"
#include "shell/stage.h"
#include "shell/titlefrm.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lives of Hellas"));
    registerFonts();

    DialogMessages messages;
    ClockRandom random;
    services().messages = &messages;
    services().random = &random;

    Stage stage;
    QObject::connect(&stage, &Stage::programEnded, &app, [] { QApplication::exit(0); });
    stage.showFullScreen();
    form<Titlefrm>().showScreen();
    return QApplication::exec();
}
