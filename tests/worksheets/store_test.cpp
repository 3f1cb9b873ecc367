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
    void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("multiple"))); }

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

const QByteArray kTwo = " 2 \r\nTroy\r\nDelphi\r\n";

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
    for (int q : {1, 4, 5}) // the ticked answer is written as its digit
        EXPECT_EQ(loaded.CorrectAnswer[q], QString::number((q - 1) % 4 + 1)) << q;
}

TEST_F(WorksheetStoreTest, SavingWritesTheFileAndEntersANewTitleOnceIntoTheCatalogue) {
    struct Case { const char *catalogueName; QByteArray before; const char *title; bool saved; QByteArray after;
                  const char *fileName; };
    const Case cases[] = {
        {"track.txt", kTwo, "Corinth", true, " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n", "Corinth.txt"},
        {"track.txt", kTwo, "Troy", true, kTwo, "Troy.txt"}, // replaced, no second entry
        {"track.txt", kTwo, "troy", true, " 3 \r\nTroy\r\nDelphi\r\ntroy\r\n", "troy.txt"}, // case counts
        {"track.txt", " 0 \r\n", "Gods, heroes", true, " 1 \r\nGods& heroes\r\n", "Gods& heroes.txt"},
        {"track.txt", QByteArray(), "Olympia", true, " 1 \r\nOlympia\r\n", "Olympia.txt"}, // no catalogue yet
        {"Track.txt", " 1 \r\nTroy\r\n", "Delphi", true, " 2 \r\nTroy\r\nDelphi\r\n", "Delphi.txt"},
        // A damaged catalogue, like a full one, gets the worksheet written but not entered.
        {"track.txt", " 3 \r\nTroy\r\nDelphi\r\n", "Corinth", false, " 3 \r\nTroy\r\nDelphi\r\n", "Corinth.txt"},
        {"track.txt", kTwo, "track", false, kTwo, nullptr}, // refused titles write nothing
        {"track.txt", kTwo, "PHIDIAS", false, kTwo, nullptr},
        {"track.txt", kTwo, "../escape", false, kTwo, nullptr},
        {"track.txt", thousandTitles(), "One more", false, thousandTitles(), "One more.txt"},
        {"track.txt", thousandTitles(), "Title 1000", true, thousandTitles(), "Title 1000.txt"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        *state_ = SharedState{};
        if (!c.before.isNull()) write(QString::fromUtf8(c.catalogueName), c.before);
        write(QStringLiteral("Troy.txt"), "old\r\n");
        const QString catalogue = path(QString::fromUtf8(c.catalogueName));
        const QDateTime modified = QFileInfo(catalogue).lastModified();
        WorksheetStore store(folder());
        const QString title = QString::fromUtf8(c.title);
        EXPECT_EQ(store.saveWorksheet(title, "new\r\n", *state_), c.saved);
        EXPECT_EQ(read(QString::fromUtf8(c.catalogueName)), c.after);
        if (c.before == c.after) {
            EXPECT_EQ(QFileInfo(catalogue).lastModified(), modified);
        }
        if (c.fileName) {
            EXPECT_EQ(read(QString::fromUtf8(c.fileName)), QByteArray("new\r\n"));
            EXPECT_EQ(store.worksheetPath(title), path(QString::fromUtf8(c.fileName)));
        } else {
            EXPECT_EQ(filesInFolder(), QStringList({u"Troy.txt"_qs, u"track.txt"_qs}));
            EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("old\r\n"));
        }
        if (c.saved) {
            EXPECT_EQ(catalogueBytes(*state_), c.after); // the count and titles follow at once
        }
        EXPECT_EQ(QDir(folder()).entryList({QStringLiteral("*rack.txt")}, QDir::Files).size(), 1);
    }
}

TEST_F(WorksheetStoreTest, DeletingTakesOutTheTitleOnlyAndKeepsEveryFile) {
    struct Case { QByteArray before; const char *title; bool deleted; QByteArray after; };
    const Case cases[] = {
        {" 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n", "Troy", true, " 2 \r\nDelphi\r\nCorinth\r\n"},
        {" 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n", "Corinth", true, kTwo},
        {" 4 \r\nTroy\r\nDelphi\r\nTroy\r\nCorinth\r\n", "Troy", true, " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n"},
        {" 1 \r\nGods& heroes\r\n", "Gods, heroes", true, " 0 \r\n"},
        {kTwo, "troy", false, kTwo},
        {" 3 \r\nTroy\r\nDelphi\r\n", "Troy", false, " 3 \r\nTroy\r\nDelphi\r\n"}}; // damaged
    for (const Case &c : cases) {
        SCOPED_TRACE(c.before.toStdString() + " less " + c.title);
        write(QStringLiteral("track.txt"), c.before);
        write(QStringLiteral("Troy.txt"), "kept\r\n");
        WorksheetStore store(folder());
        EXPECT_EQ(store.deleteWorksheet(QString::fromUtf8(c.title), *state_), c.deleted);
        EXPECT_EQ(read(QStringLiteral("track.txt")), c.after);
        EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("kept\r\n"));
        if (c.deleted) {
            EXPECT_EQ(catalogueBytes(*state_), c.after); // the count and titles follow at once
        }
    }
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

TEST_F(WorksheetStoreTest, ACatalogueThatCannotBeRewrittenOrIsLockedByAnotherCopyIsLeftWhole) {
    for (bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "interrupted");
        write(QStringLiteral("track.txt"), kTwo);
        QLockFile other(path(QStringLiteral("track.txt.lock")));
        WorksheetStore store(folder());
        store.lockWaitMs = 50;
        if (locked) {
            ASSERT_TRUE(other.tryLock(0));
        } else {
            store.beforeCommit = [](QSaveFile &file) { return !file.fileName().endsWith(u"track.txt"); };
        }
        EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
        EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
        EXPECT_EQ(read(QStringLiteral("track.txt")), kTwo);
        if (!locked) {
            EXPECT_EQ(read(QStringLiteral("Corinth.txt")), QByteArray("x\r\n"));
        }
    }
    // Once the other copy lets go, saving works again.
    EXPECT_TRUE(WorksheetStore(folder()).saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
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
    titles.removeDuplicates();
    EXPECT_EQ(titles.size(), 200);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_TRUE(titles.contains(QStringLiteral("First %1").arg(i)));
        EXPECT_TRUE(titles.contains(QStringLiteral("Second %1").arg(i)));
    }
}

TEST(WorksheetTitle, OnlyTitlesThatCanSafelyNameAFileOfTheFolderAreAccepted) {
    for (const QString &title : {u"The Parthenon"_qs, u"Rome, Athens & Sparta"_qs, u"Trackers"_qs, u"Ch. 1."_qs,
                                 u"Console"_qs, u"COM0"_qs, u"Old Athens"_qs, QString(25, u'a'),
                                 u"\u00C9glise d'Ath\u00E8nes"_qs})
        EXPECT_TRUE(titleProblem(title).isEmpty()) << title.toStdString();
    QStringList refused = {u"Tab\there"_qs, u"Line\nbreak"_qs, QString(QChar(0x7F)), // control characters
                           u"."_qs, u".."_qs, u" . "_qs, u" Athens"_qs, u"Athens "_qs, QString(26, u'a'),
                           u"track"_qs, u"Track"_qs, u"PHIDIAS"_qs, u"phidias"_qs, // the folder's own files
                           u"CON"_qs, u"prn"_qs, u"Aux"_qs, u"nul"_qs, u"COM1"_qs, u"com9"_qs, u"LPT1"_qs,
                           u"lpt9"_qs, u"con.quiz"_qs};
    for (QChar c : QStringLiteral("/\\:*?\"<>|"))
        refused.append(QStringLiteral("Bad") + c + QStringLiteral("title"));
    for (const QString &title : refused)
        EXPECT_FALSE(titleProblem(title).isEmpty()) << title.toStdString();
}
