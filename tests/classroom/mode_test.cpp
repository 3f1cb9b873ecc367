#include "classroom/mode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using enum FolderState;
using enum ClassroomMode;

TEST(ClassroomMode, FollowsTheFolderAndEachSettingInEachFile) {
    const struct {
        FolderState folder;
        const char *system;
        const char *user;
        ClassroomMode mode;
    } cases[] = {
        {Writable, "", "", Teacher},           {Missing, "", "", Teacher},
        {NotWritable, "", "", Pupil},          {NotWritable, "teacher", "teacher", Pupil},
        {Writable, "pupil", "", Pupil},        {Writable, "pupil", "teacher", Pupil},
        {Missing, "PUPIL", "teacher", Pupil},  {Writable, "", "pupil", Pupil},
        {Writable, "teacher", "pupil", Pupil}, {Writable, "teacher", "", Teacher},
        {Missing, "", "teacher", Teacher},     {Writable, "pupils", "", Teacher},
    };
    for (const auto &c : cases)
        EXPECT_EQ(classroomMode(c.folder, {c.system, c.user}), c.mode)
            << int(c.folder) << " system=" << c.system << " user=" << c.user;
}

TEST(ClassroomMode, FolderStateIsWhatThisAccountMayDoThere) {
    QTemporaryDir dir;
    EXPECT_EQ(folderState(dir.path()), Writable);
    EXPECT_EQ(folderState(dir.filePath(QStringLiteral("none"))), Missing);
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(folderState(file.fileName()), NotWritable);
    // Root may write anywhere; the drop-folder script tries real pupils' accounts.
    if (::geteuid() == 0) return;
    QDir().mkdir(dir.filePath(QStringLiteral("shared")));
    QFile::setPermissions(dir.filePath(QStringLiteral("shared")), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(folderState(dir.filePath(QStringLiteral("shared"))), NotWritable);
}

TEST(ClassroomSettings, ResultsFolderAndPupilNamesTakeTheNearestSetting) {
    EXPECT_EQ(resultsFolder("/cli", {"/sys", "/user"}, "/w/multiple"), "/cli");
    EXPECT_EQ(resultsFolder("", {"/sys", "/user"}, "/w/multiple"), "/user");
    EXPECT_EQ(resultsFolder("", {"/sys", ""}, "/w/multiple"), "/sys");
    EXPECT_EQ(resultsFolder("", {}, "/w/multiple"), "/w/results");
    EXPECT_TRUE(askPupilNames({"ask", ""}));
    EXPECT_TRUE(askPupilNames({"", "Ask"}));
    EXPECT_FALSE(askPupilNames({"ask", "account"}));
    EXPECT_FALSE(askPupilNames({}));
}

TEST(ClassroomSettings, StartReadsTheSystemAndUserFilesApart) {
    QTemporaryDir system, user, worksheets;
    const auto write = [](const QTemporaryDir &dir, const QByteArray &text) {
        QDir().mkpath(dir.filePath(QStringLiteral("lives-of-hellas")));
        QFile file(dir.filePath(QStringLiteral("lives-of-hellas/lives-of-hellas.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(system, "[General]\nmode=pupil\npupil-names=ask\nresults=/srv/school,results\n");
    write(user, "[General]\nmode=teacher\n");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(user.path()));
    const Classroom classroom = classroomAtStart(worksheets.path(), {});
    qunsetenv("XDG_CONFIG_DIRS");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(classroom.mode, Pupil);
    EXPECT_TRUE(classroom.askPupilNames);
    EXPECT_EQ(classroom.resultsFolder, "/srv/school,results");
}

} // namespace
