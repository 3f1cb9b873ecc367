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

} // namespace

LaunchOptions parseLaunchArguments(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lives of Hellas: famous people of ancient Greece, for "
                                                    "school pupils and their teachers."));
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
    parser.addOptions({help, version, worksheets, zoom, selfTest});

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
    options.worksheets = parser.value(worksheets);
    options.zoom = parser.value(zoom);
    options.selfTest = parser.isSet(selfTest);
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
