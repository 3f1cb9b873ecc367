#include "classroom/record.h"
#include "generated.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kGood = "lives-of-hellas result 1\r\ndate=2026-12-07T09:32:15+01:00\r\nactivity=quiz\r\n"
                         "worksheet=Phidias\r\npupil=Eleni\r\nscore=7\r\nout_of=10\r\n"
                         "answers=ABCD-ABCDA\r\nright=1101101100\r\n";

TEST(ResultRecordFile, ReadsBackEveryGeneratedRecordWithItsOffset) {
    std::mt19937 random(20261207);
    for (int i = 0; i < 500; ++i) {
        const ResultRecord written = generatedRecord(random);
        const QByteArray bytes = recordBytes(written);
        QString problem;
        const auto read = readRecord(bytes, &problem);
        ASSERT_TRUE(read) << problem.toStdString() << "\n" << bytes.toStdString();
        EXPECT_EQ(*read, written) << bytes.toStdString();
        EXPECT_EQ(recordTime(read->when), recordTime(written.when));
    }
}

TEST(ResultRecordFile, RefusesWhatIsNotAWholeValidRecord) {
    const auto changed = [](const char *from, const char *to) { return QByteArray(kGood).replace(from, to); };
    const struct {
        const char *what;
        QByteArray bytes;
        bool valid;
    } cases[] = {
        {"as written", kGood, true},
        {"LF line ends", QByteArray(kGood).replace("\r\n", "\n"), true},
        {"a key of a later copy", kGood + "room=4\r\n", true},
        {"UTC as Z", changed("+01:00", "Z"), true},
        {"cut short", kGood.chopped(3), false},
        {"empty", "", false},
        {"another format", changed("lives-of-hellas result 1", "hello"), false},
        {"a later version", changed("result 1", "result 2"), false},
        {"no pupil", changed("pupil=Eleni\r\n", ""), false},
        {"a repeated key", kGood + "score=8\r\n", false},
        {"score above out_of", changed("score=7", "score=11"), false},
        {"a score with a sign", changed("score=7", "score=+7"), false},
        {"a date without offset", changed("+01:00", ""), false},
        {"a date that is no date", changed("12-07", "13-32"), false},
        {"an unknown activity", changed("=quiz", "=chess"), false},
        {"nine answers", changed("ABCD-ABCDA", "ABCD-ABCD"), false},
        {"answers without marks", changed("right=1101101100\r\n", ""), false},
        {"a mark other than 0 or 1", changed("1101101100", "1101101102"), false},
        {"an unknown escape", changed("Eleni", "El\\eni"), false},
        {"bytes that are not UTF-8", changed("Eleni", "El\xffni"), false},
        {"a line without =", kGood + "oops\r\n", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readRecord(c.bytes).has_value(), c.valid) << c.what;
}

TEST(ResultRecordFile, NameHoldsTimeAccountAndRandomPartInSafeCharacters) {
    const QRegularExpression safe(
        QStringLiteral("^\\d{8}T\\d{6}Z-[A-Za-z0-9_-][A-Za-z0-9._-]*-[0-9a-f]{16}\\.result$"));
    const QDateTime when = QDateTime::fromString(QStringLiteral("2026-12-07T09:32:15+01:00"), Qt::ISODate);
    for (const char *account : {"jsmith", "../../etc", "Ελένη", ".hidden", "a b/c", ""}) {
        const QString name = recordFileName(when, QString::fromUtf8(account), 0xabc);
        EXPECT_TRUE(safe.match(name).hasMatch()) << name.toStdString();
        EXPECT_TRUE(name.startsWith(u"20261207T083215Z-")) << name.toStdString();
    }
    EXPECT_NE(recordFileName(when, QStringLiteral("jsmith"), 1),
              recordFileName(when, QStringLiteral("jsmith"), 2));
}

TEST(ResultRecordPupil, TypedNameElseFullNameElseLogin) {
    EXPECT_EQ(fullNameFromComment("Eleni Papadopoulou,Room 4,,", "eleni"), "Eleni Papadopoulou");
    EXPECT_EQ(fullNameFromComment("& Smith", "jane"), "Jane Smith");
    EXPECT_EQ(fullNameFromComment("Ελένη Π.", "eleni"), "Ελένη Π.");
    EXPECT_EQ(pupilName(" Nikos ", {"eleni", "Eleni P."}), "Nikos");
    EXPECT_EQ(pupilName("  ", {"eleni", "Eleni P."}), "Eleni P.");
    EXPECT_EQ(pupilName("", {"eleni", ""}), "eleni");
}

TEST(ResultRecordWrite, LeavesOneWholeFileOrAReason) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("made/on/first/score"));
    ResultRecord record = *readRecord(kGood);
    ASSERT_FALSE(writeRecord(folder, record));
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(files.size(), 1);
    QFile file(QDir(folder).filePath(files[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kGood);

    QFile blocker(dir.filePath(QStringLiteral("a file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_TRUE(writeRecord(blocker.fileName(), record));
    record.score = 11;
    EXPECT_TRUE(writeRecord(folder, record));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
