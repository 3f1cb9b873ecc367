#include "core/paths.h"
#include "core/textfields.h"
#include "quiz/questionset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The lines of a well-formed set whose texts name their place: "Q3", "Q3 B" and so on.
QStringList wellFormedLines() {
    QStringList lines{u"Sculptors"_qs, u" "_qs};
    for (int q = 1; q <= 10; ++q) {
        lines << u"Q%1"_qs.arg(q);
        for (const char *letter : {"A", "B", "C", "D"})
            lines << u"Q%1 %2"_qs.arg(q).arg(QLatin1String(letter));
        lines << QString::number((q - 1) % 4 + 1) << u" "_qs;
    }
    return lines;
}

// The same set as entries for the writer.
std::array<QuestionSetEntry, 10> wellFormedEntries() {
    const QStringList lines = wellFormedLines();
    std::array<QuestionSetEntry, 10> entries;
    for (int q = 0; q < 10; ++q) {
        const int at = 2 + 7 * q;
        entries[q] = {lines[at], {lines[at + 1], lines[at + 2], lines[at + 3], lines[at + 4]}, lines[at + 5]};
    }
    return entries;
}

QString fileText(const QStringList &lines) {
    return lines.join(u"\r\n"_qs) + u"\r\n"_qs;
}

bool load(const QString &text, SharedState &state) {
    FieldReader reader(text);
    return LoadQuestionSet(reader, state);
}

// The stored set in file order; the separators, which are not stored, stay empty.
QStringList fieldsOf(const SharedState &s) {
    QStringList fields{s.SetTitle, QString()};
    for (int q = 1; q <= 10; ++q)
        fields << s.Question[q] << s.AnswerA[q] << s.AnswerB[q] << s.AnswerC[q] << s.AnswerD[q]
               << s.CorrectAnswer[q] << QString();
    return fields;
}

QStringList withoutSeparators(QStringList lines) {
    for (int i = 1; i < lines.size(); i += 7)
        lines[i].clear();
    return lines;
}

void expectFields(const SharedState &state, const QStringList &expected) {
    const QStringList got = fieldsOf(state);
    for (int i = 0; i < kQuestionSetFields; ++i)
        EXPECT_EQ(got[i], expected[i]) << "field " << i;
}

} // namespace

TEST(QuestionSetFile, TheFieldRulesStoreEachField) {
    struct Case {
        const char *name;
        QList<std::pair<int, QString>> lines;  // changes to the well-formed file
        QList<std::pair<int, QString>> fields; // changes to what is stored
    };
    const QList<Case> cases = {
        {"well-formed", {}, {}},
        {"comma escape",
         {{0, u"Rome& Athens"_qs}, {2, u"Bread & olives"_qs}, {3, u"&&"_qs}},
         {{0, u"Rome, Athens"_qs}, {2, u"Bread , olives"_qs}, {3, u",,"_qs}}},
        {"correct answer stored as read",
         {{7, u"seven&"_qs}, {14, u"9"_qs}},
         {{7, u"seven&"_qs}, {14, u"9"_qs}}},
        // How each field's text is read is the field reader's, tested with it.
        {"a field as the reader gives it", {{2, u"   \"Gold, ivory\" and more"_qs}, {4, QString()}},
         {{2, u"Gold, ivory"_qs}, {4, QString()}}},
        {"separators hold any text", {{1, u"anything at all"_qs}, {8, u"-- next --"_qs}}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = wellFormedLines();
        QStringList expected = withoutSeparators(lines);
        for (const auto &[at, text] : c.lines)
            lines[at] = text;
        for (const auto &[at, text] : c.fields)
            expected[at] = text;
        SharedState state;
        state.CurrentQuestion = 4;
        state.QuestionScore[3] = 1;
        state.Score = 6;
        state.QuizHeading = u"Heading"_qs;
        ASSERT_TRUE(load(fileText(lines), state));
        expectFields(state, expected);
        EXPECT_EQ(state.Question[0], QString());
        // The quiz state is left alone.
        EXPECT_EQ(state.CurrentQuestion, 4);
        EXPECT_EQ(state.QuestionScore[3], 1);
        EXPECT_EQ(state.Score, 6);
        EXPECT_EQ(state.QuizHeading, u"Heading"_qs);
    }
}

TEST(QuestionSetFile, ACommaInASeparatorShiftsEveryLaterFieldByOne) {
    QStringList lines = wellFormedLines();
    lines[8] = u"a,b"_qs; // the separator after question 1
    QStringList expected = lines;
    for (int i = kQuestionSetFields - 1; i > 9; --i)
        expected[i] = lines[i - 1].trimmed(); // a moved separator loses its blank
    expected[9] = u"b"_qs;
    SharedState state;
    EXPECT_TRUE(load(fileText(lines), state));
    expectFields(state, withoutSeparators(expected));
}

TEST(QuestionSetFile, AShortFileFailsKeepingTheNewEntriesAndTheLaterOnesOfTheOldSet) {
    struct Case {
        int keptLines;
        QList<std::pair<int, QString>> changes;
    };
    // 71 lines fail on the last field after storing every question.
    const Case cases[] = {{71, {{70, u"3"_qs}}}, {12, {{0, u"New title"_qs}, {9, u"New Q2"_qs}}}, {0, {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keptLines);
        SharedState state;
        ASSERT_TRUE(load(fileText(wellFormedLines()), state));
        QStringList lines = wellFormedLines();
        for (const auto &[at, text] : c.changes)
            lines[at] = text;
        lines = lines.mid(0, c.keptLines);
        EXPECT_FALSE(load(c.keptLines ? fileText(lines) : QString(), state));
        QStringList expected = withoutSeparators(wellFormedLines());
        for (const auto &[at, text] : c.changes)
            expected[at] = text;
        expectFields(state, expected);
    }
}

TEST(QuestionSetFile, LinesAfterTheSeventySecondAreIgnored) {
    SharedState state;
    FieldReader reader(fileText(wellFormedLines() << u"extra"_qs << u"more,fields"_qs));
    ASSERT_TRUE(LoadQuestionSet(reader, state));
    EXPECT_EQ(state.CorrectAnswer[10], u"2"_qs);
    EXPECT_EQ(reader.next(), u"extra"_qs);
}

TEST(QuestionSetWriting, WritesTheLayoutWithCrLfAndCommasAsAmpersandsInWindows1252WhereItFits) {
    EXPECT_EQ(questionSetBytes(u"Sculptors"_qs, wellFormedEntries()), fileText(wellFormedLines()).toUtf8());
    QStringList latin = wellFormedLines();
    latin[0] = u"Caf\u00E9"_qs;
    latin[3] = u"\" padded \""_qs; // blanks at its ends, kept in quotes
    auto accented = wellFormedEntries();
    accented[0].answers[0] = u" padded "_qs;
    EXPECT_EQ(questionSetBytes(u"Caf\u00E9"_qs, accented), fileText(latin).toLatin1());
    // A Greek letter makes the whole file UTF-8.
    auto entries = wellFormedEntries();
    entries[0].question = u"Gold, ivory, wood"_qs;
    entries[0].answers[1] = u"a,b"_qs;
    QStringList lines = wellFormedLines();
    lines[0] = u"Φειδίας& Athens"_qs;
    lines[2] = u"Gold& ivory& wood"_qs;
    lines[4] = u"a&b"_qs;
    EXPECT_EQ(questionSetBytes(u"Φειδίας, Athens"_qs, entries), fileText(lines).toUtf8());
}

TEST(QuestionSetWriting, ALineBreakInsideATextCannotShiftTheLayout) {
    auto entries = wellFormedEntries();
    entries[2].question = u"two\r\nlines\nand\rmore"_qs;
    const QByteArray bytes = questionSetBytes(u"T"_qs, entries);
    EXPECT_EQ(bytes.count('\n'), kQuestionSetFields);
    SharedState state;
    ASSERT_TRUE(load(decodeText(bytes), state));
    EXPECT_EQ(state.Question[3], u"two lines and more"_qs);
    EXPECT_EQ(state.Question[4], u"Q4"_qs);
}

TEST(QuestionSetRoundTrip, TextComesBackExactlyExceptThatAmpersandsBecomeCommas) {
    auto entries = wellFormedEntries();
    entries[0].question = u"Bread & olives, figs"_qs;
    entries[4].answers[3] = u"Ἀθῆναι, the city of Athena"_qs;
    entries[9].answers[0] = u"café"_qs;
    SharedState state;
    ASSERT_TRUE(load(decodeText(questionSetBytes(u"Gods, heroes"_qs, entries)), state));
    QStringList expected = withoutSeparators(wellFormedLines());
    expected[0] = u"Gods, heroes"_qs;
    expected[2] = u"Bread , olives, figs"_qs;
    expected[2 + 7 * 4 + 4] = u"Ἀθῆναι, the city of Athena"_qs;
    expected[2 + 7 * 9 + 1] = u"café"_qs;
    expectFields(state, expected);

    // The shared set written and read back is unchanged, even a correct
    // answer read from a quoted field with a comma in it.
    state.CorrectAnswer[2] = u"1, 2"_qs;
    SharedState copy;
    ASSERT_TRUE(load(decodeText(questionSetBytes(state)), copy));
    expectFields(copy, fieldsOf(state));
}

TEST(QuestionSetFileOnDisc, AMissingFileFailsWithItsReasonAndAPresentOneIsReadAndClosed) {
    QTemporaryDir dir;
    setProgramFolders(ProgramFolders::inOneFolder(dir.path()));
    SharedState state;
    EXPECT_TRUE(loadQuestionSetFile(u"multiple\\phidias.txt"_qs, state).startsWith(u"cannot be opened"_qs));
    const QString path = dir.filePath(u"multiple/phidias.txt"_qs);
    QDir().mkpath(dir.filePath(u"multiple"_qs));
    const auto write = [&path](const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write(questionSetBytes(u"Disc"_qs, wellFormedEntries()).left(40)));
    EXPECT_EQ(loadQuestionSetFile(u"multiple\\phidias.txt"_qs, state), u"ends before its last question"_qs);
    ASSERT_TRUE(write(questionSetBytes(u"Disc"_qs, wellFormedEntries())));
    EXPECT_EQ(loadQuestionSetFile(u"multiple\\phidias.txt"_qs, state), QString());
    EXPECT_EQ(state.SetTitle, u"Disc"_qs);
    // Closed again: it can be removed at once.
    EXPECT_TRUE(QFile::remove(path));
}
