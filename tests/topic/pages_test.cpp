#include "topic/pages.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(NotesPages, PagesOneToFiveAreLetteredAToEInEitherFolder) {
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("key phidias"), 1),
              QStringLiteral("wmf\\key phidiasa.wmf"));
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf2"), QStringLiteral("key phidias"), 2),
              QStringLiteral("wmf2\\key phidiasb.wmf"));
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 5), QStringLiteral("wmf\\xe.wmf"));
}

TEST(NotesPages, APageOutsideOneToFiveHasNoFile) {
    EXPECT_FALSE(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 6));
    EXPECT_FALSE(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 0));
}

TEST(NotesPages, TheLabelWritesEachNumberWithALeadingBlank) {
    EXPECT_EQ(pages::label(1, 2), QStringLiteral("Page 1 of 2"));
    EXPECT_EQ(pages::label(5, 5), QStringLiteral("Page 5 of 5"));
}

TEST(LogoAnimation, FramesRunFromOneToNineteenThenZero) {
    int frame = 0;
    QStringList shown;
    for (int tick = 0; tick < 21; ++tick) {
        frame = pages::nextLogoFrame(frame);
        shown.append(pages::logoFrameFile(frame));
    }
    EXPECT_EQ(shown.first(), QStringLiteral("logo\\lark0001.gif"));
    EXPECT_EQ(shown[8], QStringLiteral("logo\\lark0009.gif"));
    EXPECT_EQ(shown[9], QStringLiteral("logo\\lark0010.gif"));
    EXPECT_EQ(shown[18], QStringLiteral("logo\\lark0019.gif"));
    EXPECT_EQ(shown[19], QStringLiteral("logo\\lark0000.gif"));
    EXPECT_EQ(shown[20], QStringLiteral("logo\\lark0001.gif"));
}

TEST(LogoAnimation, ACounterOutsideTheCycleStartsItAgain) {
    EXPECT_EQ(pages::nextLogoFrame(25), 0);
    EXPECT_EQ(pages::nextLogoFrame(-7), 0);
}
