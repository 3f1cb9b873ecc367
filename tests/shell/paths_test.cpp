#include "fakemachine.h"

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
    EXPECT_EQ(contentPath(u"multiple\\track.txt"_qs), QDir::toNativeSeparators(u"multiple/track.txt"_qs));
}

TEST(ContentPaths, AnExistingFileIsFoundWhateverTheLetterCaseOfItsFolder) {
    QTemporaryDir dir;
    writeFile(dir.path() + u"/Images/homersm.jpg"_qs);
    writeFile(dir.path() + u"/Multiple/Track.txt"_qs);
    const ProgramFolders folders = ProgramFolders::inOneFolder(dir.path());
    EXPECT_EQ(folders.filePath(u"images\\homersm.jpg"_qs),
              QDir::toNativeSeparators(dir.path() + u"/Images/homersm.jpg"_qs));
    EXPECT_EQ(folders.filePath(u"multiple\\track.txt"_qs),
              QDir::toNativeSeparators(dir.path() + u"/Multiple/Track.txt"_qs));
    // A file that exists nowhere keeps the name it was asked for, so writers create it as named.
    EXPECT_EQ(folders.filePath(u"images\\new.txt"_qs),
              QDir::toNativeSeparators(dir.path() + u"/images/new.txt"_qs));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(contentPath(u"images\\homersm.jpg"_qs), QDir::toNativeSeparators(u"Images/homersm.jpg"_qs));
    QDir::setCurrent(previous);
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
