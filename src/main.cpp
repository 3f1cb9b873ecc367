#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "shell/fonts.h"
#include "shell/primarydisplay.h"
#include "shell/stage.h"
#include "shell/titlefrm.h"

#include <QApplication>
#include <QScreen>
#include <cstring>

namespace {

// The value of "--zoom VALUE" or "--zoom=VALUE"; empty when not given.
QString zoomOption(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
        if (std::strncmp(argv[i], "--zoom=", 7) == 0) return QString::fromLocal8Bit(argv[i] + 7);
    }
    return {};
}

} // namespace

int main(int argc, char *argv[]) {
    applyDisplayScale(zoomSetting(zoomOption(argc, argv)), argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lives of Hellas"));
    registerFonts();

    DialogMessages messages;
    ClockRandom random;
    services().messages = &messages;
    services().random = &random;
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
