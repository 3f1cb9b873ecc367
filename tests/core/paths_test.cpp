#include "support/fakemachine.h"

#include "core/language.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void writeContent(const QString &folder) {
    writeFile(folder + u"/multiple/phidias.txt"_qs);
    writeFile(folder + u"/Images/homersm.jpg"_qs);
}

} // namespace

TEST(ContentPaths, EachProgramPathResolvesInItsFolderWithEitherSeparator) {
    const ProgramFolders folders(u"/opt/content"_qs, u"/srv/worksheets"_qs);
    const std::pair<QString, QString> cases[] = {
        {u"multiple\\phidias.txt"_qs, u"/opt/content/multiple/phidias.txt"_qs},
        {u"Multiple/Phidias.txt"_qs, u"/opt/content/Multiple/Phidias.txt"_qs},
        {u"Images\\homersm.jpg"_qs, u"/opt/content/Images/homersm.jpg"_qs},
        {u"wmf2\\guide1.wmf"_qs, u"/opt/content/wmf2/guide1.wmf"_qs},
        {u"multiple\\track.txt"_qs, u"/srv/worksheets/track.txt"_qs},
        {u"MULTIPLE/Athens& Sparta.txt"_qs, u"/srv/worksheets/Athens& Sparta.txt"_qs},
        {u"multiple"_qs, u"/srv/worksheets"_qs},
        {u"/srv/worksheets/track.txt"_qs, u"/srv/worksheets/track.txt"_qs},
    };
    for (const auto &[programPath, expected] : cases)
        EXPECT_EQ(folders.filePath(programPath), QDir::toNativeSeparators(expected))
            << programPath.toStdString();
    // Until a start decides, the working folder holds everything, as it always has.
    EXPECT_EQ(ProgramFolders::inOneFolder().filePath(u"multiple\\track.txt"_qs),
              QDir::toNativeSeparators(u"multiple/track.txt"_qs));
}

// An existing file is found whatever the letter case asked for; one that
// exists nowhere keeps the name asked for, so writers create it as named. A
// run in Greek reads a content file from the Greek set where the set has it
// and the English file where not; the worksheet folder is never translated,
// and an English run never reads the Greek set.
TEST(ContentPaths, FilesAreFoundInAnyLetterCaseAndAGreekRunReadsTheGreekFileWhereThereIsOne) {
    QTemporaryDir dir;
    for (const char *file : {"wmf/guide1.wmf", "wmf2/guide1.wmf", "multiple/phidias.txt", "multiple/track.txt",
                             "multiple/Athens.txt", "Images/homersm.jpg", "el/wmf/guide1.wmf",
                             "el/multiple/phidias.txt", "el/multiple/track.txt", "el/multiple/Athens.txt"})
        writeFile(dir.filePath(QString::fromLatin1(file)));
    struct Case {
        const char *language, *programPath, *expected;
    };
    const Case cases[] = {
        {"el", "wmf\\guide1.wmf", "el/wmf/guide1.wmf"},
        {"el", "WMF/Guide1.wmf", "el/wmf/guide1.wmf"},
        {"el", "multiple\\phidias.txt", "el/multiple/phidias.txt"},
        {"el", "wmf2\\guide1.wmf", "wmf2/guide1.wmf"},
        {"el", "Images\\homersm.jpg", "Images/homersm.jpg"},
        {"el", "wmf\\guide9.wmf", "wmf/guide9.wmf"},
        {"el", "multiple\\track.txt", "multiple/track.txt"},
        {"el", "multiple\\Athens.txt", "multiple/Athens.txt"},
        {"el", "multiple\\Sparta.txt", "multiple/Sparta.txt"},
        {"en", "wmf\\guide1.wmf", "wmf/guide1.wmf"},
        {"en", "multiple\\phidias.txt", "multiple/phidias.txt"},
        {"fr", "wmf\\guide1.wmf", "wmf/guide1.wmf"},
        {"en", "images\\homersm.jpg", "Images/homersm.jpg"},
        {"en", "Multiple\\TRACK.txt", "multiple/track.txt"},
        {"el", "MULTIPLE\\athens.txt", "multiple/Athens.txt"},
        {"en", "images\\new.txt", "images/new.txt"},
    };
    const ProgramFolders folders = ProgramFolders::inOneFolder(dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.programPath);
        setProgramLanguage(QString::fromLatin1(c.language));
        EXPECT_EQ(folders.filePath(QString::fromLatin1(c.programPath)),
                  QDir::toNativeSeparators(dir.filePath(QString::fromLatin1(c.expected))));
    }
    setProgramLanguage(u"en"_qs);
    setProgramFolders(folders);
    EXPECT_EQ(contentPath(u"images\\homersm.jpg"_qs),
              QDir::toNativeSeparators(dir.path() + u"/Images/homersm.jpg"_qs));
}

TEST(ProgramFolderChoice, TheWorkingFolderTheInstalledContentAndTheWorksheetFolderAreChosenInOrder) {
    enum Content { InWorkingFolder, BesideProgram, InDataDirs, Nowhere };
    struct Case {
        const char *name;
        Content content;
        QString userSetting, systemSetting, option;
        QString expectedContent, expectedWorksheets;
    };
    const QString work = u"work"_qs, own = u"own"_qs, set = u"set"_qs, shared = u"shared"_qs;
    const QString installed = u"prefix/share/lives-of-hellas"_qs, dataDirs = u"data/lives-of-hellas"_qs;
    const QString userOwn = u"data-home/lives-of-hellas/multiple"_qs, workOwn = u"work/multiple"_qs;
    const Case cases[] = {
        {"run from the tree", InWorkingFolder, set, shared, {}, work, workOwn},
        {"run from the tree with a folder named", InWorkingFolder, {}, {}, own, work, own},
        {"no content anywhere", Nowhere, {}, shared, {}, work, workOwn},
        {"installed", BesideProgram, {}, {}, {}, installed, userOwn},
        {"installed in the data folders", InDataDirs, {}, {}, {}, dataDirs, userOwn},
        {"the school's folder", BesideProgram, {}, shared, {}, installed, shared},
        {"the user's folder over the school's", InDataDirs, set, shared, {}, dataDirs, set},
        {"the command line over both", BesideProgram, set, shared, own, installed, own},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeMachine machine;
        if (c.content == InWorkingFolder) writeContent(machine.path(u"work"_qs));
        if (c.content == BesideProgram) writeContent(machine.path(installed));
        if (c.content != Nowhere) writeContent(machine.path(dataDirs));
        if (!c.userSetting.isEmpty()) machine.setWorksheets(u"config-home"_qs, machine.path(c.userSetting));
        if (!c.systemSetting.isEmpty()) machine.setWorksheets(u"config"_qs, machine.path(c.systemSetting));
        const FolderChoice choice = machine.choose(c.option.isEmpty() ? QString() : machine.path(c.option));
        EXPECT_EQ(choice.folders.contentFolder(), machine.path(c.expectedContent));
        EXPECT_EQ(choice.folders.worksheetFolder(), machine.path(c.expectedWorksheets));
        EXPECT_TRUE(choice.problem.isEmpty()) << choice.problem.toStdString();
        // Every folder waits for the first save, whether named or the user's own.
        if (c.expectedWorksheets != workOwn) {
            EXPECT_FALSE(QFileInfo::exists(choice.folders.worksheetFolder()));
        }
    }
}

TEST(ProgramFolderChoice, ANamedFolderThatCanBeMadeIsLeftForTheFirstSaveToMake) {
    FakeMachine machine;
    writeContent(machine.path(u"prefix/share/lives-of-hellas"_qs));
    QDir().mkpath(machine.path(u"school"_qs));
    for (const QString &folder : {machine.path(u"school/worksheets"_qs), machine.path(u"school/a/b/c"_qs),
                                  machine.path(u"new/worksheets"_qs), machine.path(u"school"_qs)}) {
        SCOPED_TRACE(folder.toStdString());
        const bool existed = QFileInfo::exists(folder);
        const FolderChoice choice = machine.choose(folder);
        EXPECT_EQ(choice.folders.worksheetFolder(), folder);
        EXPECT_TRUE(choice.problem.isEmpty()) << choice.problem.toStdString();
        EXPECT_EQ(QFileInfo::exists(folder), existed);
    }
    // Trying a folder leaves nothing behind in it or above it.
    EXPECT_EQ(
        QDir(machine.path(u"school"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
    EXPECT_FALSE(QFileInfo::exists(machine.path(u"new"_qs)));
}

TEST(ProgramFolderChoice, AFolderThatCannotBeUsedIsReportedAndKept) {
    FakeMachine machine;
    writeContent(machine.path(u"prefix/share/lives-of-hellas"_qs));
    writeFile(machine.path(u"a file"_qs));
    QFile::link(machine.path(u"nowhere"_qs), machine.path(u"dangling"_qs));
    QStringList unusable = {machine.path(u"a file"_qs),
                            machine.path(u"a file/below"_qs),
                            machine.path(u"a file/below/deeper"_qs),
                            machine.path(u"dangling"_qs),
                            machine.path(u"dangling/below"_qs),
                            u"/proc/self/worksheets"_qs,
                            u"/proc/self/worksheets/deeper"_qs,
                            u"/proc/self"_qs};
    if (geteuid() != 0) {
        QDir().mkpath(machine.path(u"locked"_qs));
        QFile::setPermissions(machine.path(u"locked"_qs), QFile::ReadOwner | QFile::ExeOwner);
        unusable.append(machine.path(u"locked"_qs));
        unusable.append(machine.path(u"locked/below/deeper"_qs));
    }
    for (const QString &folder : unusable) {
        SCOPED_TRACE(folder.toStdString());
        const FolderChoice choice = machine.choose(folder);
        EXPECT_EQ(choice.folders.worksheetFolder(), folder);
        EXPECT_TRUE(choice.problem.startsWith(u"The worksheet folder "_qs + folder + u" cannot be used"_qs))
            << choice.problem.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(machine.path(u"nowhere"_qs)));
    // The same holds for a folder the settings name.
    machine.setWorksheets(u"config"_qs, u"/proc/self/worksheets"_qs);
    EXPECT_FALSE(machine.choose().problem.isEmpty());
    // Nothing is written into the installed content: a folder inside it gives way to the user's own.
    for (const QString &inside :
         {u"prefix/share/lives-of-hellas"_qs, u"prefix/share/lives-of-hellas/multiple"_qs}) {
        const FolderChoice choice = machine.choose(machine.path(inside));
        EXPECT_EQ(choice.folders.worksheetFolder(), machine.path(u"data-home/lives-of-hellas/multiple"_qs));
        EXPECT_TRUE(choice.problem.contains(u"inside the installed content"_qs))
            << choice.problem.toStdString();
    }
}
