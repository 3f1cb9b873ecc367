#include "core/textfields.h"
#include "worksheets/catalogue.h"
#include "worksheets/store.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <memory>
#include <random>

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

    // A folder in memory where there is one: thousands of whole-file writes
    // each wait for the disc otherwise.
    QTemporaryDir dir_{QDir(u"/dev/shm"_qs).exists() ? u"/dev/shm/hellas-XXXXXX"_qs
                                                     : QDir::tempPath() + u"/hellas-XXXXXX"_qs};
    std::unique_ptr<SharedState> state_ = std::make_unique<SharedState>();
};

QByteArray thousandTitles() {
    QByteArray bytes = " 1000 \r\n";
    for (int i = 1; i <= 1000; ++i)
        bytes += "Title " + QByteArray::number(i) + "\r\n";
    return bytes;
}

const QByteArray kTwo = " 2 \r\nTroy\r\nDelphi\r\n";

QStringList listed(const SharedState &state) {
    return QStringList(state.WorksheetTitles.begin() + 1,
                       state.WorksheetTitles.begin() + 1 + listedTitles(state));
}

} // namespace

TEST_F(WorksheetStoreTest, SavingWritesTheFileAndEntersANewTitleOnceIntoTheCatalogue) {
    struct Case { const char *catalogueName; QByteArray before; const char *title; bool saved; QByteArray after;
                  const char *fileName; };
    const Case cases[] = {
        {"track.txt", kTwo, "Corinth", true, " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n", "Corinth.txt"},
        {"track.txt", kTwo, "Troy", true, kTwo, "Troy.txt"}, // replaced, no second entry
        // Letter case aside it is the same worksheet (the wizard has asked first): one file, one entry.
        {"track.txt", kTwo, "troy", true, kTwo, "Troy.txt"},
        {"track.txt", " 0 \r\n", "Gods, heroes", true, " 1 \r\nGods& heroes\r\n", "Gods& heroes.txt"},
        {"track.txt", QByteArray(), "Olympia", true, " 1 \r\nOlympia\r\n", "Olympia.txt"}, // no catalogue yet
        {"Track.txt", " 1 \r\nTroy\r\n", "Delphi", true, " 2 \r\nTroy\r\nDelphi\r\n", "Delphi.txt"},
        // A damaged or full catalogue cannot take the title: the worksheet is taken back.
        {"track.txt", " 3 \r\nTroy\r\nDelphi\r\n", "Corinth", false, " 3 \r\nTroy\r\nDelphi\r\n", nullptr},
        {"track.txt", kTwo, "track", false, kTwo, nullptr}, // refused titles, nothing written
        {"track.txt", kTwo, "PHIDIAS", false, kTwo, nullptr},
        {"track.txt", kTwo, "../escape", false, kTwo, nullptr},
        {"track.txt", thousandTitles(), "One more", false, thousandTitles(), nullptr},
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
        EXPECT_EQ(store.saveWorksheet(title, "new\r\n", *state_).ok(), c.saved);
        EXPECT_EQ(read(QString::fromUtf8(c.catalogueName)), c.after);
        if (c.before == c.after) EXPECT_EQ(QFileInfo(catalogue).lastModified(), modified);
        if (c.fileName) {
            EXPECT_EQ(read(QString::fromUtf8(c.fileName)), QByteArray("new\r\n"));
            EXPECT_EQ(store.worksheetPath(title), path(QString::fromUtf8(c.fileName)));
        } else {
            EXPECT_EQ(filesInFolder(), QStringList({u"Troy.txt"_qs, u"track.txt"_qs}));
            EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("old\r\n"));
        }
        if (c.saved) EXPECT_EQ(listed(*state_), CatalogueLines(c.after).titles()); // followed at once
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
        EXPECT_EQ(store.deleteWorksheet(QString::fromUtf8(c.title), *state_).ok(), c.deleted);
        EXPECT_EQ(read(QStringLiteral("track.txt")), c.after);
        EXPECT_EQ(read(QStringLiteral("Troy.txt")), QByteArray("kept\r\n"));
        if (c.deleted) EXPECT_EQ(listed(*state_), CatalogueLines(c.after).titles()); // followed at once
    }
}

TEST_F(WorksheetStoreTest, ACatalogueLockedByAnotherCopyIsLeftWholeUntilItLetsGo) {
    write(QStringLiteral("track.txt"), kTwo);
    WorksheetStore store(folder());
    store.lockWaitMs = 50;
    {
        QLockFile other(path(QStringLiteral("track.txt.lock")));
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_FALSE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
        EXPECT_FALSE(store.deleteWorksheet(QStringLiteral("Troy"), *state_));
        EXPECT_EQ(read(QStringLiteral("track.txt")), kTwo);
        EXPECT_EQ(read(QStringLiteral("Corinth.txt")), QByteArray("(missing)")); // taken back
    }
    EXPECT_TRUE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
}

// A copy killed between making its lock file and filling it leaves an empty
// lock; one killed while writing leaves its temporary file. The next save
// takes over at once and clears what such writers left, and nothing else.
TEST_F(WorksheetStoreTest, ADeadCopysEmptyLockAndLeftoverFilesDoNotHoldUpTheNextSave) {
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    const auto make = [&](const QString &name, const QByteArray &bytes, const QDateTime &when) {
        write(name, bytes);
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    write(QStringLiteral("track.txt"), kTwo);
    make(QStringLiteral("track.txt.lock"), "", QDateTime::currentDateTime().addSecs(-10));
    const struct {
        const char *name;
        bool stale, removed;
    } files[] = {{"track.txt.partial-Ab3xYz", true, true}, {"Troy.txt.partial-000000", true, true},
                 {"track.txt.Qx81Zz", true, true},            {"Troy.txt", true, false},
                 {"Troy.txt.partial-NewOne", false, false},   {"Sparta.txt.backup", true, false},
                 {"notes.partial-abc", true, false},          {"track.txt.partial-Ab3xYz.keep", true, false}};
    for (const auto &f : files)
        make(QString::fromLatin1(f.name), "bytes", f.stale ? old : QDateTime::currentDateTime());
    WorksheetStore store(folder());
    store.lockWaitMs = 0;
    ASSERT_TRUE(store.saveWorksheet(QStringLiteral("Corinth"), "x\r\n", *state_));
    for (const auto &f : files)
        EXPECT_EQ(QFile::exists(path(QString::fromLatin1(f.name))), !f.removed) << f.name;
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
    QStringList titles = listed(*state_), expected;
    for (int i = 1; i <= 100; ++i)
        expected << QStringLiteral("First %1").arg(i) << QStringLiteral("Second %1").arg(i);
    titles.sort();
    expected.sort();
    EXPECT_EQ(titles, expected);
}

TEST(WorksheetTitle, OnlyTitlesThatCanSafelyNameAFileOfTheFolderAreAccepted) {
    for (const QString &title :
         {u"The Parthenon"_qs, u"Rome, Athens and Sparta"_qs, u"Trackers"_qs, u"Ch. 1."_qs, u"Console"_qs,
          u"COM0"_qs, u"Old Athens"_qs, QString(25, u'a'), u"\u00C9glise d'Ath\u00E8nes"_qs})
        EXPECT_TRUE(titleProblem(title).isEmpty()) << title.toStdString();
    // Control characters, dots only, blanks at either end, too long, the folder's own files, device
    // names, and "&", which would come back as a comma.
    QStringList refused = {
        u"Tab\there"_qs, u"Line\nbreak"_qs, QString(QChar(0x7F)), u"."_qs,           u".."_qs,
        u" . "_qs,       u" Athens"_qs,     u"Athens "_qs,        QString(26, u'a'), u"track"_qs,
        u"Track"_qs,     u"PHIDIAS"_qs,     u"phidias"_qs,        u"CON"_qs,         u"prn"_qs,
        u"Aux"_qs,       u"nul"_qs,         u"COM1"_qs,           u"com9"_qs,        u"LPT1"_qs,
        u"lpt9"_qs,      u"con.quiz"_qs,    u"Rome & Athens"_qs};
    for (QChar c : QStringLiteral("/\\:*?\"<>|"))
        refused.append(QStringLiteral("Bad") + c + QStringLiteral("title"));
    for (const QString &title : refused)
        EXPECT_FALSE(titleProblem(title).isEmpty()) << title.toStdString();
}

namespace {

// A catalogue line as the test itself splits the file: its bytes and its line end.
struct RawLine {
    QByteArray text;
    QByteArray end;
    bool operator==(const RawLine &) const = default;
};

std::vector<RawLine> rawLines(const QByteArray &bytes) {
    std::vector<RawLine> lines;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype cr = bytes.indexOf('\r', at);
        const qsizetype lf = bytes.indexOf('\n', at);
        qsizetype end = cr < 0 ? lf : lf < 0 ? cr : std::min(cr, lf);
        if (end < 0) {
            lines.push_back({bytes.mid(at), {}});
            break;
        }
        const qsizetype width = bytes.mid(end, 2) == "\r\n" ? 2 : 1;
        lines.push_back({bytes.mid(at, end - at), bytes.mid(end, width)});
        at = end + width;
    }
    return lines;
}

// Pieces of titles: plain, accented, Greek, with a comma, with letters that
// pass for UTF-8 when written in Windows-1252.
const QStringList kPieces = {u"Troy"_qs, u"Delphi"_qs, u"Caf\u00E9"_qs, u"D\u00E9los"_qs, u"grec,"_qs,
                             u"\u1F08\u03B8\u1FC6\u03BD\u03B1\u03B9"_qs, u"\u03A3\u03C0\u03AC\u03C1\u03C4\u03B7"_qs,
                             u"OLYMPIA"_qs, u"olympia"_qs, u"\u00C3\u00A9"_qs, u"No. 7"_qs, u"\u20AC5"_qs};

// Windows-1252 for the characters the pieces use; nothing when one does not fit.
QByteArray windows1252(const QString &text) {
    QByteArray bytes(0, Qt::Uninitialized);
    for (QChar c : text) {
        if (c.unicode() < 0x100)
            bytes += char(c.unicode());
        else if (c == u'\u20AC')
            bytes += '\x80';
        else
            return QByteArray();
    }
    return bytes;
}

bool validUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

class CatalogueMaker {
  public:
    explicit CatalogueMaker(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    QString title() {
        QStringList words;
        for (int i = 0, n = 1 + below(3); i < n; ++i)
            words << kPieces[below(kPieces.size())];
        return words.join(u' ').left(MaxTitleLength).trimmed();
    }
    QByteArray line(const QString &text) {
        // Windows-1252 that passes for UTF-8 would not read back as written.
        const QByteArray latin = windows1252(text);
        const bool readsBack = !latin.isNull() && (latin == text.toUtf8() || !validUtf8(latin));
        return readsBack && chance(50) ? latin : text.toUtf8();
    }

    // A catalogue, and whether it is one count line and that many lines of
    // one title each, as the program writes it or a careful editor would.
    std::pair<QByteArray, bool> catalogue(QStringList &titles) {
        const QByteArray end = chance(70) ? "\r\n" : "\n";
        const int count = below(6);
        QByteArray bytes = (chance(10) ? "\xEF\xBB\xBF" : "") +
                           (chance(50) ? ' ' + QByteArray::number(count) + ' ' : QByteArray::number(count));
        bool oneTitleALine = true;
        QList<QByteArray> lines;
        for (int i = 0; i < count; ++i) {
            const QString t = escapeCommas(title());
            titles << t;
            lines << line(chance(10) ? u"  "_qs + t + u" "_qs : t); // blanks around are read away
        }
        switch (below(8)) {
        case 0: // a comma splits a line
            if (count > 0) lines[below(count)] += ", Athens";
            oneTitleALine = count == 0;
            break;
        case 1:
            if (count > 0) lines[below(count)].prepend("\"Best\" of ");
            oneTitleALine = count == 0;
            break;
        case 2:
            lines << (chance(50) ? QByteArray() : "Sparta");
            oneTitleALine = false;
            break;
        case 3:
            if (count > 0) lines.removeLast();
            oneTitleALine = count == 0;
            break;
        case 4:
            bytes = chance(50) ? "many" : "2.5";
            oneTitleALine = false;
            break;
        default:
            break;
        }
        for (const QByteArray &l : lines)
            bytes += end + l;
        if (chance(80) || lines.isEmpty() || lines.last().isEmpty()) bytes += end;
        return {bytes, oneTitleALine};
    }

  private:
    std::mt19937 random_;
};

} // namespace

// Saves and deletions through the store, on random catalogues of every kind
// that other programs and hand edits leave: after each, either the catalogue
// is byte for byte as it was, or only the count and the one line added or
// taken out changed.
TEST_F(WorksheetStoreTest, SavesAndDeletionsChangeOnlyTheCountAndTheirOwnLine) {
    CatalogueMaker make(20260611);
    WorksheetStore store(folder());
    store.lockWaitMs = 0;
    int added = 0, removed = 0, refusedWhole = 0, refusedDamaged = 0;
    for (int round = 0; round < 400; ++round) {
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        QStringList titles;
        auto [bytes, oneTitleALine] = make.catalogue(titles);
        write(QStringLiteral("track.txt"), bytes);
        for (int step = 0; step < 8; ++step) {
            const bool save = make.chance(60);
            QString title =
                titles.isEmpty() || make.chance(40) ? make.title() : titles[make.below(titles.size())];
            if (make.chance(20)) title = title.toUpper();
            title = unescapeCommas(title); // as typed, or as the catalogue screen shows it
            if (save && !titleProblem(title).isEmpty()) continue;
            SCOPED_TRACE(testing::Message() << round << "/" << step << (save ? " save " : " delete ")
                                            << title.toStdString() << " on " << bytes.toStdString());
            const bool listedBefore = CatalogueLines(bytes).findIgnoringCase(storedTitle(title)) >= 0;
            const bool done = save ? bool(store.saveWorksheet(title, "w\r\n", *state_))
                                   : bool(store.deleteWorksheet(title, *state_));
            const QByteArray after = read(QStringLiteral("track.txt"));
            const std::vector<RawLine> was = rawLines(bytes), now = rawLines(after);
            if (!oneTitleALine) {
                EXPECT_FALSE(done);
                ++refusedDamaged;
            } else if (save || titles.contains(storedTitle(title))) {
                EXPECT_TRUE(done); // a sound catalogue takes every change
            }
            if (!done || after == bytes) {
                EXPECT_EQ(after, bytes);
                if (!done) ++refusedWhole;
                if (save && done) EXPECT_TRUE(listedBefore);
                continue;
            }
            // The count line says how many lines follow it, in the writer's form.
            ASSERT_FALSE(now.empty());
            EXPECT_EQ(QByteArray(now[0].text).replace("\xEF\xBB\xBF", ""),
                      ' ' + QByteArray::number(qsizetype(now.size()) - 1) + ' ');
            EXPECT_TRUE(now[0].end == was[0].end || (was[0].end.isEmpty() && now[0].end == "\r\n"));
            if (save) {
                ++added;
                EXPECT_FALSE(listedBefore);
                ASSERT_EQ(now.size(), was.size() + 1);
                for (std::size_t i = 1; i < was.size(); ++i) {
                    EXPECT_EQ(now[i].text, was[i].text) << "line " << i + 1;
                    const bool gainedEnd =
                        i + 1 == was.size() && was[i].end.isEmpty() && now[i].end == "\r\n";
                    EXPECT_TRUE(now[i].end == was[i].end || gainedEnd) << "line " << i + 1;
                }
                EXPECT_EQ(decodeLine(now.back().text), storedTitle(title));
                EXPECT_EQ(now.back().end, QByteArray("\r\n"));
                // Windows-1252 where it fits and reads back, UTF-8 otherwise.
                const QByteArray latin = windows1252(storedTitle(title)), utf8 = storedTitle(title).toUtf8();
                EXPECT_EQ(now.back().text,
                          latin.isNull() || (latin != utf8 && validUtf8(latin)) ? utf8 : latin);
                titles << storedTitle(title);
            } else {
                ++removed;
                ASSERT_EQ(now.size() + 1, was.size());
                std::size_t gone = 1;
                while (gone < now.size() && now[gone] == was[gone])
                    ++gone;
                for (std::size_t i = gone; i < now.size(); ++i)
                    EXPECT_EQ(now[i], was[i + 1]) << "line " << i + 1;
                const auto titleOf = [&was](std::size_t i) {
                    return FieldReader(decodeLine(was[i].text) + u"\r\n"_qs).next();
                };
                EXPECT_EQ(titleOf(gone), storedTitle(title));
                for (std::size_t i = gone + 1; i < was.size(); ++i)
                    EXPECT_NE(titleOf(i), storedTitle(title)) << "a later occurrence stays";
                titles.removeAt(titles.lastIndexOf(storedTitle(title)));
            }
            bytes = after;
        }
    }
    // Every kind of outcome was met many times.
    EXPECT_GT(added, 300);
    EXPECT_GT(removed, 200);
    EXPECT_GT(refusedDamaged, 300);
    EXPECT_GT(refusedWhole, refusedDamaged);
}
