#include "app/primarydisplay.h"

#include "app/log.h"
#include "app/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace {

constexpr char kScaleVariable[] = "QT_SCALE_FACTOR";

// Runs inside the QApplication's constructor, after Qt has read the factor:
// the programs this one starts (the web browser) must not inherit it.
void forgetScaleFactor() {
    qunsetenv(kScaleVariable);
}

// Closing an application hands fontconfig's configuration back, and fontconfig
// reads the whole of it first when nothing has read it yet: most of the cost
// of the probe, which draws no text. While the probe closes, fontconfig looks
// for its files in an empty folder of ours holding an empty configuration; the
// variables are put back before the application proper reads the real one.
class EmptyFontsWhileClosing {
  public:
    void apply() {
        QFile file(folder_.filePath(QStringLiteral("fonts.conf")));
        if (!folder_.isValid() || !file.open(QIODevice::WriteOnly)) return;
        file.write("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
        file.close();
        set("FONTCONFIG_SYSROOT", QFile::encodeName(folder_.path()));
        set("FONTCONFIG_FILE", "/fonts.conf");
    }
    ~EmptyFontsWhileClosing() {
        for (const Saved &saved : saved_) {
            if (saved.wasSet)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }

  private:
    struct Saved {
        const char *name;
        QByteArray value;
        bool wasSet;
    };
    void set(const char *name, const QByteArray &value) {
        saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv(name, value);
    }

    QTemporaryDir folder_;
    std::vector<Saved> saved_;
};

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
    // Declared first, so it outlives the probe's closing.
    EmptyFontsWhileClosing emptyFonts;
    QGuiApplication probe(count, arguments.data());
    DisplayInfo display;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        display.devicePixelRatio = screen->devicePixelRatio();
        display.devicePixels = QSizeF(screen->geometry().size()) * display.devicePixelRatio;
    }
    emptyFonts.apply();
    return display;
}

void applyDisplayScale(const QString &zoomSetting, int argc, char **argv) {
    if (!zoomSetting.isEmpty() && !parseZoom(zoomSetting))
        qCWarning(lcApp).noquote() << inProgramLanguage([&] {
            return QCoreApplication::translate("PrimaryDisplay",
                                               "The zoom \"%1\" is neither fit nor a number from %2 to %3: "
                                               "the screens fit the display.")
                .arg(zoomSetting)
                .arg(kMinZoom)
                .arg(kMaxZoom);
        });
    std::optional<DisplayInfo> shown;
    const auto display = [&] {
        if (!shown) shown = probePrimaryDisplay(argc, argv);
        return *shown;
    };
    const QByteArray environmentFactor = qgetenv(kScaleVariable);
    const ScaleChoice choice = chooseScaleFactor(zoomSetting, environmentFactor, display);
    // The probe's application object, which could have translated the
    // correction, is gone: it is made again where it can be.
    if (!choice.correction.isEmpty())
        qCWarning(lcApp).noquote() << inProgramLanguage(
            [&] { return chooseScaleFactor(zoomSetting, environmentFactor, display).correction; });
    if (!choice.factor || *choice.factor == 1) return;
    qputenv(kScaleVariable, QByteArray::number(*choice.factor, 'g', 10));
    qAddPreRoutine(forgetScaleFactor);
}
