#include "app/launch.h"
#include "app/log.h"
#include "app/primarydisplay.h"
#include "app/translation.h"
#include "classroom/exportcommand.h"
#include "classroom/mode.h"
#include "core/displayscale.h"
#include "core/paths.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "stage/fonts.h"
#include "stage/stage.h"
#include "worksheets/exchangecommand.h"
#include "worksheets/store.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// For --self-test: once the title screen has been painted, says so (and
// whether its picture was found) and ends the run.
class TitleShownReport : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TitleShownReport)

  public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            const bool pictured = !form<Titlefrm>().usedFallback();
            const QString report =
                pictured ? tr("title screen shown") : tr("title screen shown without its picture");
            std::puts(report.toLocal8Bit().constData());
            std::fflush(stdout);
            QTimer::singleShot(0, [pictured] { QApplication::exit(pictured ? 0 : 1); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

// --export-results opens no window, so it needs no display: the application
// object only tells where the program lies, for the folders beside it.
int exportResults(const LaunchOptions &options, int argc, char *argv[]) {
    const QCoreApplication application(argc, argv);
    installTranslation();
    const FolderChoice folders = chooseFolders(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                               QStringLiteral(HELLAS_DATA_FROM_PROGRAM), options.worksheets);
    const QString results =
        classroomAtStart(folders.folders.worksheetFolder(), options.results).resultsFolder;
    const CommandAnswer answer =
        exportResultsCommand({options.exportResults, results, options.exportWorksheet, options.exportSince});
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.errors.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

// --import and --export open no window either; the worksheet folder is found
// as a start with a window finds it.
int exchangeWorksheets(const LaunchOptions &options, int argc, char *argv[]) {
    const QCoreApplication application(argc, argv);
    installTranslation();
    const FolderChoice folders = chooseFolders(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                               QStringLiteral(HELLAS_DATA_FROM_PROGRAM), options.worksheets);
    setProgramFolders(folders.folders);
    const WorksheetStore store;
    const ExchangeAnswer answer =
        options.importQuestions.isEmpty()
            ? exportWorksheetCommand(options.exportTitle, options.exportFormat, options.exportOutput, store)
            : importWorksheetsCommand(options.importQuestions, store, Module1);
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.errors.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

} // namespace

int main(int argc, char *argv[]) {
    const LaunchOptions options = parseLaunchOptions(argc, argv);
    if (options.exit) return options.exitCode;
    if (!options.exportResults.isEmpty()) return exportResults(options, argc, argv);
    if (!options.importQuestions.isEmpty() || !options.exportTitle.isEmpty())
        return exchangeWorksheets(options, argc, argv);
    // Qt would end a start without a display with a crash and a misleading
    // word on reinstalling; the probe of the display scale is the first to try.
    if (const QString missing = inProgramLanguage([&] { return missingDisplay(argc, argv); });
        !missing.isEmpty()) {
        std::fputs(missing.toLocal8Bit().constData(), stderr);
        return 1;
    }
    applyDisplayScale(zoomSetting(options.zoom), argc, argv);
    QApplication app(argc, argv);
    installTranslation();
    QApplication::setApplicationName(QStringLiteral("Lives of Hellas"));
    QApplication::setApplicationVersion(QStringLiteral(HELLAS_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Larkspur Publishing Ltd"));
    QApplication::setOrganizationDomain(QStringLiteral("larkspur.example"));
    QGuiApplication::setDesktopFileName(ApplicationId.toString());
    QApplication::setWindowIcon(QIcon::fromTheme(ApplicationId.toString()));

    const FolderChoice folders = chooseFolders(QDir::currentPath(), QApplication::applicationDirPath(),
                                               QStringLiteral(HELLAS_DATA_FROM_PROGRAM), options.worksheets);
    services().classroom = classroomAtStart(folders.folders.worksheetFolder(), options.results);
    // A pupil is not meant to write the worksheet folder: that they cannot is no problem.
    if (!folders.problem.isEmpty() && services().classroom.mode == ClassroomMode::Teacher)
        qCWarning(lcApp).noquote() << folders.problem;
    setProgramFolders(folders.folders);
    registerFonts();

    DialogMessages messages;
    DialogFileChooser files;
    ClockRandom random;
    EffectPlayer sound(soundModuleFolder(QApplication::applicationDirPath(),
                                         QStringLiteral(HELLAS_SOUND_MODULE_FROM_PROGRAM)));
    services().messages = &messages;
    services().files = &files;
    services().random = &random;
    services().sound = &sound;
    services().printer = [] { return openDefaultPrinter(); };

    Stage stage;
    provideShellScreens(stage);
    QObject::connect(&stage, &Stage::programEnded, &app, [] { QApplication::exit(0); });
    // Without a window manager a full-screen request is not honoured, so the
    // stage takes the display's size itself first.
    if (const QScreen *display = QGuiApplication::primaryScreen()) stage.setGeometry(display->geometry());
    stage.showFullScreen();
    TitleShownReport report;
    if (options.selfTest) form<Titlefrm>().installEventFilter(&report);
    form<Titlefrm>().showScreen();
    return QApplication::exec();
}
