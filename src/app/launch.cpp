#include "app/launch.h"

#include "app/translation.h"

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
    parser.setApplicationDescription(LaunchOptions::tr(
        "Lives of Hellas: famous people of ancient Greece, for school pupils and their teachers.\n\n"
        "Pupil mode when the worksheet folder exists but this account cannot write to it, or a settings "
        "file says mode=pupil; mode=teacher in the user's own file cannot lift the system's."));
    //: The name of an option's value in --help, written <folder>.
    const QString folderName = LaunchOptions::tr("folder");
    //: The name of an option's value in --help, written <file>.
    const QString fileName = LaunchOptions::tr("file");
    //: The name of an option's value in --help, written <title>.
    const QString titleName = LaunchOptions::tr("title");
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  LaunchOptions::tr("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     LaunchOptions::tr("Show the version and end."));
    const QCommandLineOption worksheets(
        QStringLiteral("worksheets"),
        LaunchOptions::tr("Keep the teacher's worksheets and their catalogue in <folder> for this start."),
        folderName);
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        LaunchOptions::tr("Size of the screens: fit (fill the display), 1 (800 x 600) or a factor."),
        //: The value of --zoom in --help: "fit" and "1" are typed as they are.
        LaunchOptions::tr("fit|1|number"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        //: %1 lists the language codes, "en, el".
        LaunchOptions::tr(
            "Speak <language> for this start: %1 (by default language= in the settings, else the desktop's "
            "language).")
            .arg((QStringList{SourceLanguage} + translatedLanguages()).join(QStringLiteral(", "))),
        //: The name of an option's value in --help, written <language>.
        LaunchOptions::tr("language"));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        LaunchOptions::tr("Start, report on the terminal once the title screen is shown, and end."));
    const QCommandLineOption results(
        QStringLiteral("results"),
        LaunchOptions::tr(
            "Keep the pupils' scores in <folder> (results= in the settings; by default \"results\" "
            "beside the worksheet folder)."),
        folderName);
    const QCommandLineOption exportResults(
        QStringLiteral("export-results"),
        LaunchOptions::tr("Write the kept scores to <file> as CSV for a spreadsheet, and end."), fileName);
    const QCommandLineOption worksheet(
        QStringLiteral("worksheet"), LaunchOptions::tr("With --export-results: only the scores of <title>."),
        titleName);
    const QCommandLineOption since(QStringLiteral("since"),
                                   LaunchOptions::tr("With --export-results: only scores from that day on."),
                                   //: The value of --since in --help: a date typed as year-month-day.
                                   LaunchOptions::tr("YYYY-MM-DD"));
    const QCommandLineOption importQuestions(
        QStringLiteral("import"),
        LaunchOptions::tr(
            "Save each ten usable questions of a GIFT, Aiken or Moodle XML <file> as a worksheet "
            "\"<title> 1\", \"<title> 2\", ..., and end."),
        fileName);
    const QCommandLineOption exportTitle(
        QStringLiteral("export"),
        LaunchOptions::tr(
            "Write the worksheet <title> for a learning platform (with --format and --output), and end."),
        titleName);
    const QCommandLineOption format(QStringLiteral("format"),
                                    LaunchOptions::tr("With --export: the file's format."),
                                    QStringLiteral("gift|aiken|xml"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    LaunchOptions::tr("With --export: the file to write."), fileName);
    parser.addOptions({help, version, worksheets, zoom, language, selfTest, results, exportResults, worksheet,
                       since, importQuestions, exportTitle, format, output});

    LaunchOptions options;
    const auto mistake = [&options](const QString &what) {
        options.exit = true;
        options.exitCode = 2;
        options.errors = kProgramName + QStringLiteral(": ") + what + u'\n' +
                         LaunchOptions::tr("Try '%1 --help'.").arg(kProgramName) + u'\n';
        return options;
    };
    if (!parser.parse(arguments)) return mistake(parser.errorText());
    options.language = parser.value(language);
    if (!parser.positionalArguments().isEmpty())
        return mistake(
            LaunchOptions::tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
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
            ? LaunchOptions::tr("--export-results needs the name of the file to write")
        : !parser.isSet(exportResults) && (parser.isSet(worksheet) || parser.isSet(since))
            ? LaunchOptions::tr("--worksheet and --since go with --export-results")
        : parser.isSet(importQuestions) && parser.value(importQuestions).isEmpty()
            ? LaunchOptions::tr("--import needs the name of the file to read")
        : parser.isSet(exportTitle) && (parser.value(exportTitle).isEmpty() ||
                                        parser.value(format).isEmpty() || parser.value(output).isEmpty())
            ? LaunchOptions::tr("--export needs a worksheet title, --format and --output")
        : !parser.isSet(exportTitle) && (parser.isSet(format) || parser.isSet(output))
            ? LaunchOptions::tr("--format and --output go with --export")
        : int(parser.isSet(exportResults)) + int(parser.isSet(importQuestions)) +
                    int(parser.isSet(exportTitle)) >
                1
            ? LaunchOptions::tr("--export-results, --import and --export go one at a time")
            : QString();
    if (!exportMistake.isEmpty()) return mistake(exportMistake);
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
    // Settled before anything is said: help and mistakes are told in the
    // run's language, read again once its translation is in place.
    settleProgramLanguage(options.language);
    if (options.exit) options = inProgramLanguage([&arguments] { return parseLaunchArguments(arguments); });
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
        reason = LaunchOptions::tr("neither DISPLAY nor WAYLAND_DISPLAY is set");
    else if (needed.size() == 1)
        reason = LaunchOptions::tr("the platform %1 needs %2, which is not set")
                     .arg(platform.trimmed(), needed.first());
    else
        reason = LaunchOptions::tr("the platform %1 needs %2 or %3, and neither is set")
                     .arg(platform.trimmed(), needed.first(), needed.last());
    return kProgramName + QStringLiteral(": ") +
           LaunchOptions::tr("Lives of Hellas needs a graphical display, and there is none (%1).\nStart it "
                             "on a desktop, or "
                             "without one under a virtual display:")
               .arg(reason) +
           QStringLiteral("\n  xvfb-run -a -s \"-screen 0 1024x768x24\" ") + kProgramName + u'\n';
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
