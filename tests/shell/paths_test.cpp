#include "shell/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ContentPaths, BothSeparatorsNameTheSameFile) {
    EXPECT_EQ(contentPath(u"multiple\\track.txt"_qs), QDir::toNativeSeparators(u"multiple/track.txt"_qs));
}

TEST(ContentPaths, AnExistingFileIsFoundWhateverTheLetterCaseOfItsFolder) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkpath(u"Images"_qs);
    QFile(u"Images/homersm.jpg"_qs).open(QIODevice::WriteOnly);
    EXPECT_EQ(contentPath(u"images\\homersm.jpg"_qs), QDir::toNativeSeparators(u"Images/homersm.jpg"_qs));
    // A file that exists nowhere keeps the name it was asked for, so writers create it as named.
    EXPECT_EQ(contentPath(u"images\\new.txt"_qs), QDir::toNativeSeparators(u"images/new.txt"_qs));
    QDir::setCurrent(previous);
}
