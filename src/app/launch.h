#pragma once
// What a start is told on its command line, before any window exists.

#include <QString>
#include <QStringList>

// The program's identity, the same in its desktop entry, metainfo and icons.
inline constexpr QStringView ApplicationId = u"example.larkspur.LivesOfHellas";

struct LaunchOptions {
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
    // --self-test: report once the title screen is shown, then end.
    bool selfTest = false;
};

// Reads the arguments, program name first.
LaunchOptions parseLaunchArguments(const QStringList &arguments);
// Reads the command line and prints what it answers; needs no application object.
LaunchOptions parseLaunchOptions(int argc, char *argv[]);
