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
