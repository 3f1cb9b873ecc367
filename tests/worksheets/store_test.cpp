#include "quiz/questionset.h"
#include "shell/textfields.h"
#include "worksheets/catalogue.h"
#include "worksheets/draft.h"
#include "worksheets/store.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class WorksheetStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("multiple")));
    }

    QString folder() const { return dir_.path() + QStringLiteral("/multiple"); }
    QString path(const QString &name) const { return folder() + u'/' + name; }
    QByteArray read(const QString &name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    void write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList filesInFolder() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir_;
    std::unique_ptr<SharedState> state_ = std::make_unique<SharedState>();
};

WorksheetDraft sampleDraft(const QString &title) {
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = QStringLiteral("Question %1, about Athens").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[4 * q + a] = QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar(u'A' + a));
        draft.ticks[4 * q + q % 4] = true;
    }
    draft.answers[5] = QStringLiteral("Bread & olives");
    return draft;
}

QByteArray thousandTitles() {
    QByteArray bytes = " 1000 \r\n";
    for (int i = 1; i <= 1000; ++i)
        bytes += "Title " + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

TEST_F(WorksheetStoreTest, ASavedWorksheetIsSeventyTwoCrLfLinesThatReadBackAsWritten) {
    write(QStringLiteral("track.txt"), " 0 \r\n");
    WorksheetStore store(folder());
    const WorksheetDraft draft = sampleDraft(QStringLiteral("Rome, Athens"));
    ASSERT_TRUE(store.saveWorksheet(draft.title, worksheetBytes(draft), *state_));

    const QByteArray bytes = read(QStringLiteral("Rome& Athens.txt"));
    EXPECT_EQ(bytes, worksheetBytes(draft));
    EXPECT_EQ(bytes.count("\r\n"), 72);
    EXPECT_TRUE(bytes.startsWith("Rome& Athens\r\n \r\nQuestion 1& about Athens\r\nAnswer 1A\r\n"));
    EXPECT_FALSE(bytes.contains(','));

    FieldReader fields(decodeText(bytes));
    SharedState loaded;
    ASSERT_TRUE(LoadQuestionSet(fields, loaded));
    EXPECT_EQ(loaded.SetTitle, u"Rome, Athens"_qs);
    EXPECT_EQ(loaded.Question[10], u"Question 10, about Athens"_qs);
    EXPECT_EQ(loaded.AnswerB[2], u"Bread , olives"_qs);
    EXPECT_EQ(loaded.CorrectAnswer[1], u"1"_qs);
    EXPECT_EQ(loaded.CorrectAnswer[4], u"4"_qs);
    EXPECT_EQ(loaded.CorrectAnswer[5], u"1"_qs);
}

TEST_F(WorksheetStoreTest, SavingANewTitleEntersItLastInTheCatalogue) {
    write(QStringLiteral("track.txt"), " 2 \r\nTroy\r\nDelphi\r\n");
    WorksheetStore store(folder());
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n"));
    EXPECT_EQ(read(QStringLiteral("Corinth.txt")), QByteArray("x\r\n"));
    EXPECT_EQ(state_->WorksheetCount, 3);
}

TEST_F(WorksheetStoreTest, SavingAListedTitleReplacesTheFileAndLeavesTheCatalogueAlone) {
    write(QStringLiteral("track.txt"), " 2 \r\nTroy\r\nDelphi\r\n");
    write(QStringLiteral("Troy.txt"), "old\r\n");
    const QDateTime before = QFileInfo(path(QStringLiteral("track.txt"))).lastModified();
    WorksheetStore store(folder());
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Troy"), "new\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("new\r\n"));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 2 \r\nTroy\r\nDelphi\r\n"));
    EXPECT_EQ(QFileInfo(path(QStringLiteral("track.txt"))).lastModified(), before);
}

TEST_F(WorksheetStoreTest, ACommaInATitleIsAnAmpersandInTheCatalogueAndTheFileName) {
    write(QStringLiteral("track.txt"), " 0 \r\n");
    WorksheetStore store(folder());
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Gods, heroes"), "x\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 1 \r\nGods& heroes\r\n"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Gods& heroes.txt"))));
    EXPECT_EQ(store.worksheetPath(QStringLiteral("Gods, heroes")), path(QStringLiteral("Gods& heroes.txt")));
}

TEST_F(WorksheetStoreTest, AMissingCatalogueIsCreatedWithTheFirstTitle) {
    WorksheetStore store(folder());
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Olympia"), "x\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 1 \r\nOlympia\r\n"));
}

TEST_F(WorksheetStoreTest, BeyondAThousandTitlesTheWorksheetIsWrittenButTheCatalogueIsUnchanged) {
    write(QStringLiteral("track.txt"), thousandTitles());
    WorksheetStore store(folder());
    EXPECT_FALSE(store.saveWorksheet(QStringLiteral("One more"), "x\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("One more.txt")), QByteArray("x\r\n"));
    EXPECT_EQ(read(QStringLiteral("track.txt")), thousandTitles());
    EXPECT_TRUE(store.saveWorksheet(QStringLiteral("Title 1000"), "y\r\n", *state_));
}

TEST_F(WorksheetStoreTest, ADamagedCatalogueIsNeverWrittenOver) {
    const QByteArray shortOne = " 3 \r\nTroy\r\nDelphi\r\n";
    write(QStringLiteral("track.txt"), shortOne);
    WorksheetStore store(folder());
    EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
    EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), shortOne);
}

TEST_F(WorksheetStoreTest, DeletingTakesTheTitleOutAndKeepsTheWorksheetFile) {
    write(QStringLiteral("track.txt"), " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n");
    write(QStringLiteral("Troy.txt"), "kept\r\n");
    WorksheetStore store(folder());
    ASSERT_TRUE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 2 \r\nDelphi\r\nCorinth\r\n"));
    EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("kept\r\n"));
    EXPECT_EQ(state_->WorksheetCount, 2);
    EXPECT_EQ(state_->WorksheetTitles[1], u"Delphi"_qs);
}

TEST_F(WorksheetStoreTest, DeletingATitleShownWithACommaFindsItsStoredAmpersand) {
    write(QStringLiteral("track.txt"), " 2 \r\nGods& heroes\r\nTroy\r\n");
    WorksheetStore store(folder());
    ASSERT_TRUE(store.deleteWorksheet(QStringLiteral("Gods, heroes"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 1 \r\nTroy\r\n"));
}

TEST_F(WorksheetStoreTest, DeletingATitleThatIsNotListedChangesNothing) {
    const QByteArray catalogue = " 2 \r\nTroy\r\nDelphi\r\n";
    write(QStringLiteral("track.txt"), catalogue);
    WorksheetStore store(folder());
    EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("troy"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), catalogue);
}

TEST_F(WorksheetStoreTest, AnInterruptedWorksheetWriteLeavesTheOldWorksheetAndCatalogue) {
    const QByteArray catalogue = " 1 \r\nTroy\r\n";
    write(QStringLiteral("track.txt"), catalogue);
    write(QStringLiteral("Troy.txt"), "old worksheet\r\n");
    WorksheetStore store(folder());
    int writes = 0;
    store.beforeCommit = [&writes](QSaveFile &) { return ++writes > 1; };
    EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Troy"), "new worksheet\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("old worksheet\r\n"));
    EXPECT_EQ(read(QStringLiteral("track.txt")), catalogue);
    EXPECT_EQ(filesInFolder(), QStringList({QStringLiteral("Troy.txt"), QStringLiteral("track.txt")}));
}

TEST_F(WorksheetStoreTest, AnInterruptedCatalogueWriteLeavesTheOldCatalogueWhole) {
    const QByteArray catalogue = " 2 \r\nTroy\r\nDelphi\r\n";
    write(QStringLiteral("track.txt"), catalogue);
    WorksheetStore store(folder());
    store.beforeCommit = [](QSaveFile &file) { return !file.fileName().endsWith(u"track.txt"); };
    EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
    EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), catalogue);
    EXPECT_EQ(read(QStringLiteral("Corinth.txt")), QByteArray("x\r\n"));
}

TEST_F(WorksheetStoreTest, ACatalogueLockedByAnotherCopyFailsAfterTheWaitWithoutWriting) {
    const QByteArray catalogue = " 1 \r\nTroy\r\n";
    write(QStringLiteral("track.txt"), catalogue);
    QLockFile other(path(QStringLiteral("track.txt.lock")));
    ASSERT_TRUE(other.tryLock(0));
    WorksheetStore store(folder());
    store.lockWaitMs = 50;
    EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
    EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
    EXPECT_EQ(read(QStringLiteral("track.txt")), catalogue);
    other.unlock();
    EXPECT_TRUE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
}

TEST_F(WorksheetStoreTest, ARefusedTitleWritesNothing) {
    write(QStringLiteral("track.txt"), " 0 \r\n");
    WorksheetStore store(folder());
    for (const QString &title :
         {QStringLiteral("track"), QStringLiteral("../escape"), QStringLiteral("PHIDIAS")})
        EXPECT_FALSE(store.saveWorksheet(title, "x\r\n", *state_)) << title.toStdString();
    EXPECT_EQ(read(QStringLiteral("track.txt")), QByteArray(" 0 \r\n"));
    EXPECT_EQ(filesInFolder(), QStringList({QStringLiteral("track.txt")}));
}

TEST_F(WorksheetStoreTest, TwoProcessesSavingAtOnceLoseNoTitle) {
    write(QStringLiteral("track.txt"), " 0 \r\n");
    QProcess first, second;
    first.start(QStringLiteral(SAVE_HELPER), {folder(), QStringLiteral("First "), QStringLiteral("100")});
    second.start(QStringLiteral(SAVE_HELPER), {folder(), QStringLiteral("Second "), QStringLiteral("100")});
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);

    FieldReader fields(decodeText(read(QStringLiteral("track.txt"))));
    ASSERT_TRUE(readCatalogue(fields, *state_));
    ASSERT_EQ(state_->WorksheetCount, 200);
    QStringList titles(state_->WorksheetTitles.begin() + 1, state_->WorksheetTitles.begin() + 201);
    titles.sort();
    titles.removeDuplicates();
    EXPECT_EQ(titles.size(), 200);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_TRUE(titles.contains(QStringLiteral("First %1").arg(i)));
        EXPECT_TRUE(titles.contains(QStringLiteral("Second %1").arg(i)));
    }
}

TEST(WorksheetTitle, OrdinaryTitlesAreAccepted) {
    for (const QString &title :
         {QStringLiteral("The Parthenon"), QStringLiteral("Rome, Athens & Sparta"),
          QStringLiteral("Trackers"), QStringLiteral("Ch. 1."), QStringLiteral("Console"),
          QStringLiteral("COM0"), QStringLiteral("\u00C9glise d'Ath\u00E8nes")})
        EXPECT_TRUE(titleProblem(title).isEmpty()) << title.toStdString();
}

TEST(WorksheetTitle, PathAndWildcardCharactersAreRefused) {
    for (QChar c : QStringLiteral("/\\:*?\"<>|"))
        EXPECT_FALSE(titleProblem(QStringLiteral("Bad") + c + QStringLiteral("title")).isEmpty())
            << c.toLatin1();
}

TEST(WorksheetTitle, ControlCharactersAreRefused) {
    EXPECT_FALSE(titleProblem(QStringLiteral("Tab\there")).isEmpty());
    EXPECT_FALSE(titleProblem(QStringLiteral("Line\nbreak")).isEmpty());
    EXPECT_FALSE(titleProblem(QString(QChar(0x7F))).isEmpty());
}

TEST(WorksheetTitle, TitlesOfOnlyDotsAndBlanksAreRefused) {
    for (const QString &title : {QStringLiteral("."), QStringLiteral(".."), QStringLiteral(" . ")})
        EXPECT_FALSE(titleProblem(title).isEmpty()) << title.toStdString();
}

TEST(WorksheetTitle, BlanksAroundATitleAreRefusedBecauseTheCatalogueWouldLoseThem) {
    EXPECT_FALSE(titleProblem(QStringLiteral(" Athens")).isEmpty());
    EXPECT_FALSE(titleProblem(QStringLiteral("Athens ")).isEmpty());
    EXPECT_TRUE(titleProblem(QStringLiteral("Old Athens")).isEmpty());
}

TEST(WorksheetTitle, NamesOfTheFoldersOwnFilesAreRefusedInAnyLetterCase) {
    for (const QString &title : {QStringLiteral("track"), QStringLiteral("Track"), QStringLiteral("PHIDIAS"),
                                 QStringLiteral("phidias")})
        EXPECT_FALSE(titleProblem(title).isEmpty()) << title.toStdString();
}

TEST(WorksheetTitle, WindowsDeviceNamesAreRefusedWithOrWithoutAnExtension) {
    for (const QString &title : {QStringLiteral("CON"), QStringLiteral("prn"), QStringLiteral("Aux"),
                                 QStringLiteral("nul"), QStringLiteral("COM1"), QStringLiteral("com9"),
                                 QStringLiteral("LPT1"), QStringLiteral("lpt9"), QStringLiteral("con.quiz")})
        EXPECT_FALSE(titleProblem(title).isEmpty()) << title.toStdString();
}

TEST(WorksheetTitle, MoreThanTwentyFiveCharactersAreRefused) {
    EXPECT_TRUE(titleProblem(QString(25, u'a')).isEmpty());
    EXPECT_FALSE(titleProblem(QString(26, u'a')).isEmpty());
}

TEST_F(WorksheetStoreTest, ACatalogueNamedInAnotherLetterCaseIsTheOneWritten) {
    write(QStringLiteral("Track.txt"), " 1 \r\nTroy\r\n");
    WorksheetStore store(folder());
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Delphi"), "x\r\n", *state_));
    EXPECT_EQ(read(QStringLiteral("Track.txt")), QByteArray(" 2 \r\nTroy\r\nDelphi\r\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("track.txt"))));
}
