#include "topic/pages.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(NotesPages, PagesOneToFiveAreLetteredAToEInEitherFolderAndOthersHaveNoFile) {
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("key phidias"), 1),
              QStringLiteral("wmf\\key phidiasa.wmf"));
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf2"), QStringLiteral("key phidias"), 2),
              QStringLiteral("wmf2\\key phidiasb.wmf"));
    EXPECT_EQ(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 5), QStringLiteral("wmf\\xe.wmf"));
    EXPECT_FALSE(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 6));
    EXPECT_FALSE(pages::notesFile(QStringLiteral("wmf"), QStringLiteral("x"), 0));
}

TEST(LogoAnimation, FramesRunFromOneToNineteenThenZeroAndAStrayCounterStartsAgain) {
    int frame = 0;
    for (int tick = 1; tick <= 21; ++tick) {
        frame = pages::nextLogoFrame(frame);
        EXPECT_EQ(pages::logoFrameFile(frame),
                  QStringLiteral("logo\\lark%1.gif").arg(tick % 20, 4, 10, QChar(u'0')))
            << "tick " << tick;
    }
    EXPECT_EQ(pages::nextLogoFrame(25), 0);
    EXPECT_EQ(pages::nextLogoFrame(-7), 0);
}
