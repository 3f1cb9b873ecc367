#include "app/launch.h"

#include <gtest/gtest.h>

TEST(LaunchOptionsParsing, OptionsAreReadAndHelpVersionAndMistakesEndTheStart) {
    struct Case {
        QStringList arguments;
        bool exit;
        int exitCode;
        const char *printed;
        QString worksheets, zoom;
        bool selfTest;
    };
    const QString school = u"/srv/school"_qs;
    const Case cases[] = {
        {{}, false, 0, "", {}, {}, false},
        {{u"--worksheets"_qs, school, u"--zoom"_qs, u"1.5"_qs}, false, 0, "", school, u"1.5"_qs, false},
        {{u"--worksheets=/srv/a b"_qs, u"--self-test"_qs}, false, 0, "", u"/srv/a b"_qs, {}, true},
        {{u"--help"_qs}, true, 0, "--worksheets <folder>", {}, {}, false},
        {{u"-v"_qs}, true, 0, "Lives of Hellas " HELLAS_VERSION, {}, {}, false},
        {{u"--worksheets"_qs}, true, 2, "Missing value after '--worksheets'", {}, {}, false},
        {{u"--colour"_qs}, true, 2, "Unknown option 'colour'", {}, {}, false},
        {{u"athens.txt"_qs}, true, 2, "unexpected argument 'athens.txt'", {}, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const LaunchOptions options = parseLaunchArguments(QStringList{u"lives-of-hellas"_qs} + c.arguments);
        EXPECT_EQ(options.exit, c.exit);
        EXPECT_EQ(options.exitCode, c.exitCode);
        EXPECT_TRUE(
            (c.exitCode == 0 ? options.output : options.errors).contains(QString::fromUtf8(c.printed)));
        EXPECT_TRUE((c.exitCode == 0 ? options.errors : options.output).isEmpty());
        EXPECT_EQ(options.worksheets, c.worksheets);
        EXPECT_EQ(options.zoom, c.zoom);
        EXPECT_EQ(options.selfTest, c.selfTest);
    }
}

TEST(LaunchOptionsParsing, TheResultsOptionsAreReadAndTheExportsNarrowingGoesOnlyWithTheExport) {
    const LaunchOptions read =
        parseLaunchArguments({u"lives-of-hellas"_qs, u"--results"_qs, u"/srv/results"_qs, u"--export-results"_qs,
                              u"marks.csv"_qs, u"--worksheet"_qs, u"Temples"_qs, u"--since"_qs, u"2026-09-01"_qs});
    EXPECT_FALSE(read.exit);
    EXPECT_EQ(QStringList({read.results, read.exportResults, read.exportWorksheet, read.exportSince}),
              QStringList({u"/srv/results"_qs, u"marks.csv"_qs, u"Temples"_qs, u"2026-09-01"_qs}));
    for (const QStringList &mistake : {QStringList{u"--worksheet"_qs, u"Temples"_qs},
                                       QStringList{u"--since"_qs, u"2026-09-01"_qs},
                                       QStringList{u"--export-results="_qs}}) {
        const LaunchOptions options = parseLaunchArguments(QStringList{u"lives-of-hellas"_qs} + mistake);
        EXPECT_TRUE(options.exit && options.exitCode == 2) << mistake.join(u' ').toStdString();
        EXPECT_TRUE(options.errors.contains(u"--export-results"_qs));
    }
    EXPECT_TRUE(parseLaunchArguments({u"lives-of-hellas"_qs, u"--help"_qs})
                    .output.contains(u"mode=teacher in the user's own file cannot lift the system's."_qs));
}

TEST(LaunchOptionsParsing, ImportAndExportAreReadAndTheirMistakesEndTheStart) {
    const QString lives = u"lives-of-hellas"_qs;
    const LaunchOptions import = parseLaunchArguments({lives, u"--import"_qs, u"quiz.gift"_qs});
    const LaunchOptions exported = parseLaunchArguments(
        {lives, u"--export"_qs, u"Temples"_qs, u"--format"_qs, u"xml"_qs, u"--output"_qs, u"t.xml"_qs});
    EXPECT_FALSE(import.exit || exported.exit);
    EXPECT_EQ(QStringList({import.importQuestions, exported.exportTitle, exported.exportFormat,
                           exported.exportOutput}),
              QStringList({u"quiz.gift"_qs, u"Temples"_qs, u"xml"_qs, u"t.xml"_qs}));
    for (const QStringList &mistake :
         {QStringList{u"--import="_qs}, QStringList{u"--export"_qs, u"Temples"_qs, u"--format"_qs, u"gift"_qs},
          QStringList{u"--output"_qs, u"t.xml"_qs},
          QStringList{u"--import"_qs, u"quiz.gift"_qs, u"--export-results"_qs, u"marks.csv"_qs}}) {
        const LaunchOptions options = parseLaunchArguments(QStringList{lives} + mistake);
        EXPECT_TRUE(options.exit && options.exitCode == 2) << mistake.join(u' ').toStdString();
    }
    const QString help = parseLaunchArguments({lives, u"--help"_qs}).output;
    EXPECT_TRUE(help.contains(u"--import <file>"_qs) && help.contains(u"--export <title>"_qs));
}

TEST(LaunchDisplay, AStartWithoutADisplayForItsPlatformIsToldHowToStartAndOthersGoAhead) {
    struct Case {
        QStringList arguments;
        DisplayEnvironment environment; // platform, DISPLAY, WAYLAND_DISPLAY
        const char *reason;             // nullptr: the start goes ahead
    };
    const QStringList none;
    const Case cases[] = {
        {none, {}, "(neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {none, {"", " ", ""}, "(neither DISPLAY nor WAYLAND_DISPLAY is set)"}, // blank is unset
        {none, {"", ":0", ""}, nullptr},
        {none, {"", "", "wayland-0"}, nullptr},
        {none, {"offscreen", "", ""}, nullptr},
        {none, {"minimal", "", ""}, nullptr},
        {none, {"vnc:size=800x600", "", ""}, nullptr},
        {none, {"offscreen:configfile=/tmp/display.json", "", ""}, nullptr},
        {none, {"linuxfb", "", ""}, nullptr},
        {none, {"xcb", "", ""}, "(the platform xcb needs DISPLAY, which is not set)"},
        {none, {"xcb", "", "wayland-0"}, "(the platform xcb needs DISPLAY, which is not set)"},
        {none, {"xcb", ":1", ""}, nullptr},
        {none, {"wayland", ":0", ""}, "(the platform wayland needs WAYLAND_DISPLAY, which is not set)"},
        {none, {"wayland-egl", "", "wayland-1"}, nullptr},
        {none,
         {"wayland;xcb", "", ""},
         "(the platform wayland;xcb needs WAYLAND_DISPLAY or DISPLAY, and neither is set)"},
        {none, {"wayland;xcb", ":0", ""}, nullptr},
        {none, {"xcb;offscreen", "", ""}, nullptr},
        // The command line's platform wins over the environment's, with one dash or two.
        {{u"-platform"_qs, u"offscreen"_qs}, {}, nullptr},
        {{u"--platform"_qs, u"minimal"_qs}, {"xcb", "", ""}, nullptr},
        {{u"-platform"_qs, u"xcb"_qs},
         {"offscreen", "", ""},
         "(the platform xcb needs DISPLAY, which is not set)"},
        {{u"-platform"_qs}, {"xcb", "", ""}, "(the platform xcb needs DISPLAY, which is not set)"},
        {{u"-display"_qs, u":2"_qs}, {}, nullptr},
        {{u"--zoom"_qs, u"2"_qs, u"--self-test"_qs}, {}, "(neither DISPLAY nor WAYLAND_DISPLAY is set)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.arguments.join(u' ').toStdString() << " QT_QPA_PLATFORM \""
                                        << c.environment.platform.constData() << "\" DISPLAY \""
                                        << c.environment.display.constData() << "\" WAYLAND_DISPLAY \""
                                        << c.environment.waylandDisplay.constData() << "\"");
        const QString said = missingDisplay(QStringList{u"lives-of-hellas"_qs} + c.arguments, c.environment);
        if (!c.reason) {
            EXPECT_EQ(said, QString());
            continue;
        }
        EXPECT_EQ(said, u"lives-of-hellas: Lives of Hellas needs a graphical display, and there is none "_qs +
                            QString::fromLatin1(c.reason) +
                            u".\nStart it on a desktop, or without one under a virtual display:\n"
                            "  xvfb-run -a -s \"-screen 0 1024x768x24\" lives-of-hellas\n"_qs);
    }
}

TEST(LaunchOptionsParsing, TheLanguageIsReadAndHelpListsEveryBuiltInTranslation) {
    EXPECT_EQ(parseLaunchArguments({u"lives-of-hellas"_qs, u"--language"_qs, u"el"_qs}).language, u"el"_qs);
    EXPECT_EQ(parseLaunchArguments({u"lives-of-hellas"_qs, u"--language=en"_qs}).language, u"en"_qs);
    EXPECT_TRUE(parseLaunchArguments({u"lives-of-hellas"_qs}).language.isEmpty());
    EXPECT_TRUE(parseLaunchArguments({u"lives-of-hellas"_qs, u"--help"_qs}).output.contains(u": en, el ("_qs));
}
