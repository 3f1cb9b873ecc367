#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "shell/fonts.h"
#include "shell/stage.h"
#include "shell/titlefrm.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lives of Hellas"));
    registerFonts();

    DialogMessages messages;
    ClockRandom random;
    EffectPlayer sound;
    services().messages = &messages;
    services().random = &random;
    services().sound = &sound;
    services().printer = [] { return openDefaultPrinter(); };

    Stage stage;
    QObject::connect(&stage, &Stage::programEnded, &app, [] { QApplication::exit(0); });
    // Without a window manager a full-screen request is not honoured, so the
    // stage takes the display's size itself first.
    if (const QScreen *display = QGuiApplication::primaryScreen()) stage.setGeometry(display->geometry());
    stage.showFullScreen();
    form<Titlefrm>().showScreen();
    return QApplication::exec();
}
