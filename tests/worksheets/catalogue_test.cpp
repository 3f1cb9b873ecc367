#include "core/textfields.h"
#include "worksheets/catalogue.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<SharedState> catalogueOf(int count) {
    auto state = std::make_unique<SharedState>();
    state->WorksheetCount = count;
    for (int i = 1; i <= count; ++i)
        state->WorksheetTitles[i] = QStringLiteral("Title ") + QString::number(i);
    return state;
}

enum class Op { Add, Remove };

} // namespace

TEST(CatalogueLines, ASaveAppendsOneLineAndADeletionTakesOneOutKeepingEveryOtherByte) {
    struct Case {
        const char *name;
        QByteArray before;
        Op op;
        QString title;
        CatalogueChange change;
        QByteArray after; // empty: unchanged
    };
    // Line ends, marks, encodings, damaged catalogues and repeated titles meet
    // the store's property test as well, a full catalogue the store's own
    // table; these are the edges they do not reach.
    const Case cases[] = {
        {"append", " 2 \r\nTroy\r\nDelphi\r\n", Op::Add, u"Corinth"_qs, CatalogueChange::Added,
         " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n"},
        {"a lone count", "0", Op::Add, u"Troy"_qs, CatalogueChange::Added, " 1 \r\nTroy\r\n"},
        {"not a title of one line", " 0 \r\n", Op::Add, u" Troy"_qs, CatalogueChange::NotATitle, ""},
        {"delete the last occurrence", " 3 \nTroy\nDelphi\nTroy", Op::Remove, u"Troy"_qs,
         CatalogueChange::Removed, " 2 \nTroy\nDelphi\n"},
        {"a lone CR would join an empty LF line", " 2 \rTroy\r\n\n", Op::Remove, u"Troy"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"delete compares letter case", " 1 \r\nTroy\r\n", Op::Remove, u"troy"_qs, CatalogueChange::NotListed,
         ""},
        {"empty file", "", Op::Add, u"Troy"_qs, CatalogueChange::NotOneTitleALine, ""},
        {"two counts", "1,1\r\nTroy\r\n", Op::Add, u"Delphi"_qs, CatalogueChange::NotOneTitleALine, ""},
        // Not UTF-8 with the no-break space: the mark's bytes are Windows-1252 letters before the count.
        {"a mark that is not one", "\xEF\xBB\xBF 1 \xA0\r\nTroy\r\n", Op::Add, u"Delphi"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"over a thousand", " 1001 \r\nTroy\r\n", Op::Add, u"Delphi"_qs, CatalogueChange::NotOneTitleALine,
         ""}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CatalogueLines catalogue(c.before);
        EXPECT_EQ(c.op == Op::Add ? catalogue.add(c.title) : catalogue.remove(c.title), c.change);
        EXPECT_EQ(catalogue.bytes(), c.after.isEmpty() ? c.before : c.after);
        EXPECT_EQ(catalogue.problem().isEmpty(), c.change != CatalogueChange::NotOneTitleALine);
    }
}

TEST(CatalogueRead, KeepsExactlyTheTitlesReadAndTheCountOnlyWhenItIsANumber) {
    QByteArray over = " 1005 \r\n";
    QStringList overTitles;
    for (int i = 1; i <= 1005; ++i) {
        over += "Title " + QByteArray::number(i) + "\r\n";
        if (i <= 1000) overTitles.append(QStringLiteral("Title %1").arg(i));
    }
    // bytes -> read whole?, the count after (7 is what an earlier read left), the titles kept
    struct Case { const char *name; QByteArray bytes; bool complete; int count; QStringList titles; };
    const Case cases[] = {
        {"whole", " 2 \r\nAthens\r\nSparta\r\n", true, 2, {u"Athens"_qs, u"Sparta"_qs}},
        {"fewer titles than the count", " 3 \r\nAthens\r\nSparta\r\n", false, 3, {u"Athens"_qs, u"Sparta"_qs}},
        {"empty", "", false, 7, {}},
        {"not a number", "many\r\nAthens\r\n", false, 7, {}},
        {"garbage", QByteArray("\x00\xff\x13garbage", 10), false, 7, {}},
        {"count over 1000", over, false, 1005, overTitles},
        {"a comma splits the line", " 2 \r\nRome, Athens\r\nSparta\r\n", true, 2, {u"Rome"_qs, u"Athens"_qs}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.WorksheetCount = 7;
        FieldReader reader(decodeText(c.bytes));
        EXPECT_EQ(readCatalogue(reader, state), c.complete);
        EXPECT_EQ(state.WorksheetCount, c.count);
        const qsizetype kept = std::min<qsizetype>(c.titles.size() + 1, SharedState::MaxWorksheets);
        EXPECT_EQ(QStringList(state.WorksheetTitles.begin() + 1, state.WorksheetTitles.begin() + kept + 1),
                  c.titles + QStringList(kept - c.titles.size(), QString()));
    }
}

TEST(CatalogueRead, EachLineIsDecodedOnItsOwn) {
    SharedState state;
    FieldReader fields(decodeLines(" 3 \r\nCaf\xC3\xA9 grec\r\nD\xE9los\r\n\xEF\xBB\xBFOdd\r\n"));
    ASSERT_TRUE(readCatalogue(fields, state));
    EXPECT_EQ(state.WorksheetTitles[1], u"Caf\u00E9 grec"_qs);
    EXPECT_EQ(state.WorksheetTitles[2], u"D\u00E9los"_qs);
    EXPECT_EQ(state.WorksheetTitles[3], u"\uFEFFOdd"_qs); // only the file's own mark is dropped
}

// Paging of 0, 24, 25 and 1000 titles is tested through the catalogue screen.
TEST(CataloguePaging, ACountBeyondTheTitlesHeldNeverListsMoreThanAThousand) {
    auto state = catalogueOf(1000);
    state->WorksheetCount = 1005;
    EXPECT_EQ(cataloguePage(*state, 41).last, 1000);
    EXPECT_FALSE(cataloguePage(*state, 41).next);
    state->WorksheetCount = -3;
    EXPECT_LT(cataloguePage(*state, 0).last, 1);
    EXPECT_FALSE(cataloguePage(*state, 0).next);
}
