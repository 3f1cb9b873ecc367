#pragma once
// What a start is told on its command line, before any window exists.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's identity, the same in its desktop entry, metainfo and icons.
inline constexpr QStringView ApplicationId = u"example.larkspur.LivesOfHellas";

struct LaunchOptions {
    Q_DECLARE_TR_FUNCTIONS(LaunchOptions)

  public:
    // Help, the version or a mistake has been answered on the terminal: end
    // with this code without opening a window.
    bool exit = false;
    int exitCode = 0;
    // What to print on the terminal, on standard output when the start was
    // asked for it and on standard error when it is a mistake.
    QString output;
    QString errors;

    // --worksheets DIR; empty when not given.
    QString worksheets;
    // --zoom fit|1|NUMBER as typed; empty when not given.
    QString zoom;
    // --language CODE as typed; empty when not given.
    QString language;
    // --self-test: report once the title screen is shown, then end.
    bool selfTest = false;
    // --results DIR: where scores are kept and exported from; empty when not given.
    QString results;
    // --export-results FILE.csv: write the results as CSV and end, with no
    // window; --worksheet and --since as typed narrow it.
    QString exportResults;
    QString exportWorksheet;
    QString exportSince;
    // --import FILE: save each ten usable questions of a question file as a
    // worksheet, and end, with no window.
    QString importQuestions;
    // --export TITLE --format gift|aiken|xml --output FILE: write a worksheet
    // as a learning platform's question file, and end, with no window.
    QString exportTitle;
    QString exportFormat;
    QString exportOutput;
};

// Reads the arguments, program name first.
LaunchOptions parseLaunchArguments(const QStringList &arguments);
// Reads the command line, settles the run's language from it (see
// settleProgramLanguage) and prints what it answers, in that language; needs
// no application object.
LaunchOptions parseLaunchOptions(int argc, char *argv[]);

// What decides whether a start has a display to open its window on.
struct DisplayEnvironment {
    QByteArray platform;       // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY, the X display
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
};

// Why a start with these arguments (program name first) cannot open its
// window, with how to start it all the same; empty when it can. Decided
// before any application object exists, which would end the run with a
// crash: the platform is the -platform argument's, else QT_QPA_PLATFORM's
// (a list separated by ";" needs one that works), else X or Wayland. xcb
// needs an X display (DISPLAY or -display), wayland a Wayland one, the
// default either; offscreen, minimal, vnc and every other platform draw
// without one.
QString missingDisplay(const QStringList &arguments, const DisplayEnvironment &environment);
// The same for this process's command line and environment; always empty
// where windows need no display variable (Windows, macOS).
QString missingDisplay(int argc, char *argv[]);
