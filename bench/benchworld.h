#pragma once
// What the benchmarks of the screens share: the program's fonts, message boxes
// that answer at once, a clock-seeded random source, and a shown stage.

#include "platform/messages.h"
#include "platform/random.h"
#include "platform/services.h"
#include "shell/intro0.h"
#include "stage/fonts.h"
#include "stage/stage.h"

#include <QCoreApplication>
#include <QWindow>

class SilentMessages final : public Messages {
  public:
    void info(const QString &) override {}
    bool confirm(const QString &) override { return false; }
};

// Installs the services for as long as it lives; make it after the application.
class BenchServices {
  public:
    BenchServices() {
        registerFonts();
        services().messages = &messages;
        services().random = &random;
    }
    ~BenchServices() { services() = Services{}; }

    SilentMessages messages;
    ClockRandom random;
};

// Shows the stage at 1024 x 768, with the shell's screens provided, and waits until the window system has exposed
// it, since nothing is painted before that.
inline void showStage(Stage &stage) {
    provideShellScreens(stage);
    stage.resize(1024, 768);
    stage.show();
    for (int i = 0; i < 1000 && !(stage.windowHandle() && stage.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
