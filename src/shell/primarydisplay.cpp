#include "shell/primarydisplay.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <vector>

namespace {

constexpr char kScaleVariable[] = "QT_SCALE_FACTOR";

// Runs inside the QApplication's constructor, after Qt has read the factor:
// the programs this one starts (the web browser) must not inherit it.
void forgetScaleFactor() {
    qunsetenv(kScaleVariable);
}

} // namespace

DisplayInfo probePrimaryDisplay(int argc, char **argv) {
    // The application removes the arguments it understands (-platform,
    // -display) from what it is given: it gets a copy, so the real one sees
    // them too.
    std::vector<QByteArray> copies(argv, argv + argc);
    std::vector<char *> arguments;
    for (QByteArray &copy : copies)
        arguments.push_back(copy.data());
    arguments.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, arguments.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const double ratio = screen->devicePixelRatio();
    return {QSizeF(screen->geometry().size()) * ratio, ratio};
}

void applyDisplayScale(const QString &zoomSetting, int argc, char **argv) {
    if (!zoomSetting.isEmpty() && !parseZoom(zoomSetting))
        qWarning("The zoom \"%s\" is neither fit nor a number from %g to %g: the screens fit the display.",
                 qPrintable(zoomSetting), kMinZoom, kMaxZoom);
    const std::optional<double> factor = chooseScaleFactor(zoomSetting, qgetenv(kScaleVariable),
                                                           [&] { return probePrimaryDisplay(argc, argv); });
    if (!factor || *factor == 1) return;
    qputenv(kScaleVariable, QByteArray::number(*factor, 'g', 10));
    qAddPreRoutine(forgetScaleFactor);
}
