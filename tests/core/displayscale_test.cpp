#include "core/displayscale.h"
#include "support/fakemachine.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Classroom and desk displays, some as 2x panels whose logical size is half their pixels.
const DisplayInfo kDisplays[] = {{{640, 480}, 1},   {{800, 600}, 1},   {{1024, 768}, 1}, {{1366, 768}, 2},
                                 {{1920, 1080}, 1}, {{2560, 1440}, 2}, {{3840, 2160}, 1}};

constexpr double kFit = -1, kQtAlone = -2;

// Fit by name, by default when nothing is set, or when the setting is
// unreadable; 1 as before this program scaled anything, even on a small
// display; smaller than the display always as asked; 1.28 is exactly 768 /
// 600 and fits 1024 x 768, 1.2801 does not; 1.8 is exactly 1080 / 600; the
// user's own QT_SCALE_FACTOR wins over every setting.
const struct {
    const char *zoom;
    const char *environment;
    // kQtAlone: no factor, Qt is left alone; kFit: the display's fit; a factor
    // above 1: that factor where the display holds it, else the display's fit, said so.
    double factor;
    bool asksDisplay;
} kSettings[] = {{"fit", "", kFit, true},      {"", "", kFit, true},          {"sideways", "", kFit, true},
                 {"1", "", 1.0, false},        {"0.5", "", 0.5, false},       {"1.28", "", 1.28, true},
                 {"1.2801", "", 1.2801, true}, {"1.8", "", 1.8, true},        {"2.5", "", 2.5, true},
                 {" 8 ", "", 8.0, true},       {"fit", "2", kQtAlone, false}, {"1.5", "1", kQtAlone, false}};

TEST(DisplayScale, EachSettingOnEachDisplayGivesItsFactorAndAsksForTheDisplayOnlyWhenItMayNotFit) {
    for (const DisplayInfo &display : kDisplays) {
        const double fit = fitFactor(display);
        for (const auto &setting : kSettings) {
            SCOPED_TRACE(testing::Message()
                         << display.devicePixels.width() << "x" << display.devicePixels.height() << " at "
                         << display.devicePixelRatio << ", zoom \"" << setting.zoom
                         << "\", QT_SCALE_FACTOR \"" << setting.environment << "\"");
            int asked = 0;
            const ScaleChoice choice =
                chooseScaleFactor(QString::fromLatin1(setting.zoom), QByteArray(setting.environment), [&] {
                    ++asked;
                    return display;
                });
            EXPECT_EQ(asked, setting.asksDisplay ? 1 : 0);
            ASSERT_EQ(choice.factor.has_value(), setting.factor != kQtAlone);
            if (!choice.factor) {
                EXPECT_TRUE(choice.correction.isEmpty());
                continue;
            }
            const double askedFor = setting.factor;
            const bool tooLarge = askedFor > 1 && askedFor > fit;
            EXPECT_DOUBLE_EQ(*choice.factor, askedFor == kFit || tooLarge ? fit : askedFor);
            // A factor too large is said; what it says is checked below.
            EXPECT_EQ(choice.correction.isEmpty(), !tooLarge) << choice.correction.toStdString();
        }
    }
}

// The sentence names the display in device pixels and the factor used instead.
TEST(DisplayScale, AFactorTooLargeSaysWhatItUsesInstead) {
    const struct {
        const char *zoom;
        DisplayInfo display;
        const char *correction;
    } cases[] = {
        {"2",
         {{2560, 1440}, 2},
         "The zoom 2 does not fit the display (2560 x 1440 pixels): the screens are shown at 1.2, the "
         "largest zoom that fits."},
        {"2",
         {{640, 480}, 1},
         "The zoom 2 does not fit the display (640 x 480 pixels): the screens are shown at 1, their own "
         "size of 800 x 600."},
        {"2.5", {}, ""}, // no display to measure: the factor is kept as asked
    };
    for (const auto &c : cases) {
        const ScaleChoice choice =
            chooseScaleFactor(QString::fromLatin1(c.zoom), {}, [&] { return c.display; });
        EXPECT_EQ(choice.correction, QString::fromLatin1(c.correction)) << c.zoom;
    }
    EXPECT_EQ(chooseScaleFactor(u"2.5"_qs, {}, [] { return DisplayInfo{}; }).factor, 2.5);
}

TEST(DisplayScale, FitIsTheLargestFourDecimalFactorThatFitsAnyDisplayAndOneWithoutOne) {
    std::mt19937 generator(1305);
    std::uniform_int_distribution<int> side(200, 8000);
    const double ratios[] = {0, 1, 1.25, 1.5, 2, 3}; // a ratio of 0 counts as 1
    EXPECT_EQ(fitFactor({}), 1);                     // no display stays at 1
    for (int i = 0; i < 6000; ++i) {
        const QSizeF pixels(side(generator), side(generator));
        const double ratio = ratios[i % 6];
        const double factor = fitFactor({pixels, ratio});
        SCOPED_TRACE(testing::Message() << pixels.width() << "x" << pixels.height() << " at " << ratio);
        const QSizeF logical = pixels / (ratio > 0 ? ratio : 1);
        ASSERT_GE(factor, 1);
        ASSERT_LE(factor, kMaxZoom);
        ASSERT_DOUBLE_EQ(factor, std::round(factor * 10000) / 10000);
        if (factor > 1 && factor < kMaxZoom) {
            ASSERT_LE(800 * factor, logical.width() + 1e-9);
            ASSERT_LE(600 * factor, logical.height() + 1e-9);
            const double next = factor + 0.0001;
            ASSERT_TRUE(800 * next > logical.width() || 600 * next > logical.height());
        } else if (factor == 1) {
            ASSERT_TRUE(logical.width() < 800 + 0.08 || logical.height() < 600 + 0.06);
        }
    }
}

TEST(ZoomSetting, ReadsFitAndNumbersWithinRangeOnly) {
    const struct {
        const char *text;
        std::optional<Zoom> zoom;
    } cases[] = {
        {"fit", Zoom{}},         {" FIT ", Zoom{}},         {"1", Zoom{false, 1}}, {"1.5", Zoom{false, 1.5}},
        {" 2 ", Zoom{false, 2}}, {"0.5", Zoom{false, 0.5}}, {"8", Zoom{false, 8}}, {"0.4", std::nullopt},
        {"8.5", std::nullopt},   {"0", std::nullopt},       {"-2", std::nullopt},  {"", std::nullopt},
        {"1,5", std::nullopt},   {"nan", std::nullopt},     {"inf", std::nullopt}, {"fit 2", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseZoom(QString::fromLatin1(c.text)), c.zoom);
    }
}

// The command line, then the user's file, then the first system file that holds
// the key: a file without it leaves it to the next.
TEST(LaunchSettings, TheCommandLineThenTheUsersFileThenTheFirstSystemFileWinKeyByKey) {
    FakeMachine machine;
    EXPECT_EQ(zoomSetting({}), QString());
    machine.writeSettings(u"system"_qs, "[General]\nzoom=1.25\nworksheets=/srv/a\n");
    EXPECT_EQ(zoomSetting({}), u"1.25");
    machine.writeSettings(u"config"_qs, "[General]\nzoom=1\n");
    // A file without a section heading is read as the general section.
    machine.writeSettings(u"config-home"_qs, "worksheets=/home/b\n");
    EXPECT_EQ(zoomSetting({}), u"1");
    EXPECT_EQ(launchSetting(u"worksheets"_qs), u"/home/b"_qs);
    machine.writeSettings(u"config-home"_qs, "[General]\nworksheets=/home/b\nzoom=fit\n");
    EXPECT_EQ(zoomSetting({}), u"fit");
    EXPECT_EQ(zoomSetting(u"2"_qs), u"2");
}

} // namespace
