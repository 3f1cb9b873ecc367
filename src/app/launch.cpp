#include "app/launch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const QString kProgramName = QStringLiteral("lives-of-hellas");

// The parser names the program after the application object's arguments; the
// help is asked for before one exists, so a short-lived one is made for it.
QString helpText(const QCommandLineParser &parser) {
    if (QCoreApplication::instance()) return parser.helpText();
    QByteArray name = kProgramName.toLocal8Bit();
    int argc = 1;
    char *argv[] = {name.data(), nullptr};
    const QCoreApplication application(argc, argv);
    return parser.helpText();
}

enum class Needs { Nothing, X, Wayland, XOrWayland };

Needs platformNeeds(const QString &platform) {
    // "offscreen:configfile=..." names the platform before its options.
    const QString name = platform.section(u':', 0, 0).trimmed().toLower();
    if (name.isEmpty()) return Needs::XOrWayland;
    if (name == u"xcb") return Needs::X;
    if (name.startsWith(u"wayland")) return Needs::Wayland;
    return Needs::Nothing;
}

} // namespace

LaunchOptions parseLaunchArguments(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lives of Hellas: famous people of ancient Greece, for school pupils and their teachers.\n\n"
        "Pupil mode when the worksheet folder exists but this account cannot write to it, or a settings file "
        "says mode=pupil; mode=teacher in the user's own file cannot lift the system's."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption worksheets(
        QStringLiteral("worksheets"),
        QStringLiteral("Keep the teacher's worksheets and their catalogue in <folder> for this start."),
        QStringLiteral("folder"));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("Size of the screens: fit (fill the display), 1 (800 x 600) or a factor."),
        QStringLiteral("fit|1|number"));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("Start, report on the terminal once the title screen is shown, and end."));
    const QCommandLineOption results(
        QStringLiteral("results"),
        QStringLiteral(
            "Keep the pupils' scores in <folder> (results= in the settings; by default \"results\" "
            "beside the worksheet folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption exportResults(
        QStringLiteral("export-results"),
        QStringLiteral("Write the kept scores to <file> as CSV for a spreadsheet, and end."),
        QStringLiteral("file"));
    const QCommandLineOption worksheet(QStringLiteral("worksheet"),
                                       QStringLiteral("With --export-results: only the scores of <title>."),
                                       QStringLiteral("title"));
    const QCommandLineOption since(QStringLiteral("since"),
                                   QStringLiteral("With --export-results: only scores from that day on."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption importQuestions(
        QStringLiteral("import"),
        QStringLiteral("Save each ten usable questions of a GIFT, Aiken or Moodle XML <file> as a worksheet "
                       "\"<title> 1\", \"<title> 2\", ..., and end."),
        QStringLiteral("file"));
    const QCommandLineOption exportTitle(
        QStringLiteral("export"),
        QStringLiteral("Write the worksheet <title> for a learning platform (with --format and --output), and end."),
        QStringLiteral("title"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("With --export: the file's format."),
                                    QStringLiteral("gift|aiken|xml"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("With --export: the file to write."),
                                    QStringLiteral("file"));
    parser.addOptions({help, version, worksheets, zoom, selfTest, results, exportResults, worksheet, since,
                       importQuestions, exportTitle, format, output});

    LaunchOptions options;
    if (!parser.parse(arguments)) {
        options.exit = true;
        options.exitCode = 2;
        options.errors = kProgramName + QStringLiteral(": ") + parser.errorText() +
                         QStringLiteral("\nTry '") + kProgramName + QStringLiteral(" --help'.\n");
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.exit = true;
        options.exitCode = 2;
        options.errors = kProgramName + QStringLiteral(": unexpected argument '") +
                         parser.positionalArguments().first() + QStringLiteral("'\nTry '") + kProgramName +
                         QStringLiteral(" --help'.\n");
        return options;
    }
    if (parser.isSet(help)) {
        options.exit = true;
        options.output = helpText(parser);
        return options;
    }
    if (parser.isSet(version)) {
        options.exit = true;
        options.output = QStringLiteral("Lives of Hellas " HELLAS_VERSION "\n");
        return options;
    }
    const QString exportMistake =
        parser.isSet(exportResults) && parser.value(exportResults).isEmpty()
            ? QStringLiteral("--export-results needs the name of the file to write")
        : !parser.isSet(exportResults) && (parser.isSet(worksheet) || parser.isSet(since))
            ? QStringLiteral("--worksheet and --since go with --export-results")
        : parser.isSet(importQuestions) && parser.value(importQuestions).isEmpty()
            ? QStringLiteral("--import needs the name of the file to read")
        : parser.isSet(exportTitle) && (parser.value(exportTitle).isEmpty() || parser.value(format).isEmpty() ||
                                        parser.value(output).isEmpty())
            ? QStringLiteral("--export needs a worksheet title, --format and --output")
        : !parser.isSet(exportTitle) && (parser.isSet(format) || parser.isSet(output))
            ? QStringLiteral("--format and --output go with --export")
        : int(parser.isSet(exportResults)) + int(parser.isSet(importQuestions)) + int(parser.isSet(exportTitle)) > 1
            ? QStringLiteral("--export-results, --import and --export go one at a time")
            : QString();
    if (!exportMistake.isEmpty()) {
        options.exit = true;
        options.exitCode = 2;
        options.errors = kProgramName + QStringLiteral(": ") + exportMistake + QStringLiteral("\nTry '") +
                         kProgramName + QStringLiteral(" --help'.\n");
        return options;
    }
    options.worksheets = parser.value(worksheets);
    options.zoom = parser.value(zoom);
    options.selfTest = parser.isSet(selfTest);
    options.results = parser.value(results);
    options.exportResults = parser.value(exportResults);
    options.exportWorksheet = parser.value(worksheet);
    options.exportSince = parser.value(since);
    options.importQuestions = parser.value(importQuestions);
    options.exportTitle = parser.value(exportTitle);
    options.exportFormat = parser.value(format);
    options.exportOutput = parser.value(output);
    return options;
}

LaunchOptions parseLaunchOptions(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    LaunchOptions options = parseLaunchArguments(arguments);
    std::fputs(options.output.toLocal8Bit().constData(), stdout);
    std::fputs(options.errors.toLocal8Bit().constData(), stderr);
    return options;
}

QString missingDisplay(const QStringList &arguments, const DisplayEnvironment &environment) {
    QString platform = QString::fromLocal8Bit(environment.platform);
    bool xDisplay = !environment.display.trimmed().isEmpty();
    const bool waylandDisplay = !environment.waylandDisplay.trimmed().isEmpty();
    // Qt reads its own options with one dash or two, the last one winning.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString option = arguments[i].startsWith(u"--") ? arguments[i].mid(1) : arguments[i];
        if (option == u"-platform") platform = arguments[i + 1];
        if (option == u"-display" && !arguments[i + 1].trimmed().isEmpty()) xDisplay = true;
    }
    QStringList platforms = platform.split(u';', Qt::SkipEmptyParts);
    if (platforms.isEmpty()) platforms.append(QString());
    QStringList needed;
    for (const QString &candidate : platforms) {
        const Needs needs = platformNeeds(candidate);
        if (needs == Needs::Nothing) return {};
        if (needs != Needs::Wayland) {
            if (xDisplay) return {};
            needed.append(QStringLiteral("DISPLAY"));
        }
        if (needs != Needs::X) {
            if (waylandDisplay) return {};
            needed.append(QStringLiteral("WAYLAND_DISPLAY"));
        }
    }
    needed.removeDuplicates();
    QString reason;
    if (platform.trimmed().isEmpty())
        reason = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    else if (needed.size() == 1)
        reason = QStringLiteral("the platform ") + platform.trimmed() + QStringLiteral(" needs ") +
                 needed.first() + QStringLiteral(", which is not set");
    else
        reason = QStringLiteral("the platform ") + platform.trimmed() + QStringLiteral(" needs ") +
                 needed.join(QStringLiteral(" or ")) + QStringLiteral(", and neither is set");
    return kProgramName + QStringLiteral(": Lives of Hellas needs a graphical display, and there is none (") +
           reason +
           QStringLiteral(").\nStart it on a desktop, or without one under a virtual display:\n"
                          "  xvfb-run -a -s \"-screen 0 1024x768x24\" ") +
           kProgramName + u'\n';
}

QString missingDisplay(int argc, char *argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return missingDisplay(arguments,
                          {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")});
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return {};
#endif
}
