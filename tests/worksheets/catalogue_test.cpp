#include "core/textfields.h"
#include "worksheets/catalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<SharedState> catalogueOf(int count) {
    auto state = std::make_unique<SharedState>();
    state->WorksheetCount = count;
    for (int i = 1; i <= count; ++i)
        state->WorksheetTitles[i] = QStringLiteral("Title ") + QString::number(i);
    return state;
}

QByteArray thousandTitles() {
    QByteArray bytes = " 1000 \r\n";
    for (int i = 1; i <= 1000; ++i)
        bytes += "Title " + QByteArray::number(i) + "\r\n";
    return bytes;
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
    const QByteArray mixed = " 2 \r\nCaf\xC3\xA9 grec\r\nD\xE9los\r\n"; // UTF-8 and Windows-1252 lines
    const Case cases[] = {
        {"append", " 2 \r\nTroy\r\nDelphi\r\n", Op::Add, u"Corinth"_qs, CatalogueChange::Added,
         " 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n"},
        {"LF lines stay LF", "2\nTroy \nDelphi\n", Op::Add, u"Corinth"_qs, CatalogueChange::Added,
         " 3 \nTroy \nDelphi\nCorinth\r\n"},
        {"a last line without its end gets one", " 1 \r\nTroy", Op::Add, u"Corinth"_qs,
         CatalogueChange::Added, " 2 \r\nTroy\r\nCorinth\r\n"},
        {"a lone count", "0", Op::Add, u"Troy"_qs, CatalogueChange::Added, " 1 \r\nTroy\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF 1 \r\nTroy\r\n", Op::Add, u"Sparta"_qs, CatalogueChange::Added,
         "\xEF\xBB\xBF 2 \r\nTroy\r\nSparta\r\n"},
        {"both encodings kept, Windows-1252 added", mixed, Op::Add, u"Ath\u00E8nes"_qs,
         CatalogueChange::Added, " 3 \r\nCaf\xC3\xA9 grec\r\nD\xE9los\r\nAth\xE8nes\r\n"},
        {"Greek added as UTF-8", mixed, Op::Add, u"\u03A6\u03B5\u03B9\u03B4\u03AF\u03B1\u03C2"_qs,
         CatalogueChange::Added,
         " 3 \r\nCaf\xC3\xA9 "
         "grec\r\nD\xE9los\r\n\xCE\xA6\xCE\xB5\xCE\xB9\xCE\xB4\xCE\xAF\xCE\xB1\xCF\x82\r\n"},
        {"cp1252 that would read as UTF-8", " 0 \r\n", Op::Add, u"\u00C3\u00A9"_qs, CatalogueChange::Added,
         " 1 \r\n\xC3\x83\xC2\xA9\r\n"},
        {"listed, letter case aside", " 1 \r\nTroy\r\n", Op::Add, u"TROY"_qs, CatalogueChange::AlreadyListed,
         ""},
        {"full", thousandTitles(), Op::Add, u"One more"_qs, CatalogueChange::Full, ""},
        {"not a title of one line", " 0 \r\n", Op::Add, u" Troy"_qs, CatalogueChange::NotATitle, ""},
        {"delete a Windows-1252 title", mixed, Op::Remove, u"D\u00E9los"_qs, CatalogueChange::Removed,
         " 1 \r\nCaf\xC3\xA9 grec\r\n"},
        {"delete the last occurrence", " 3 \nTroy\nDelphi\nTroy", Op::Remove, u"Troy"_qs,
         CatalogueChange::Removed, " 2 \nTroy\nDelphi\n"},
        {"a lone CR would join an empty LF line", " 2 \rTroy\r\n\n", Op::Remove, u"Troy"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"delete compares letter case", " 1 \r\nTroy\r\n", Op::Remove, u"troy"_qs, CatalogueChange::NotListed,
         ""},
        // Anything that the catalogue read does not take as one title a line is left alone.
        {"comma line", "2\r\nRome, Athens\r\nSparta\r\n", Op::Add, u"New 1"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"line beyond the count", "1\r\nTroy\r\nDelphi\r\n", Op::Add, u"New 1"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"quoted line", "1\r\n\"Best\" of Athens\r\n", Op::Remove, u"Best"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"fewer lines than the count", " 3 \r\nTroy\r\nDelphi\r\n", Op::Remove, u"Troy"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"blank line at the end", " 1 \r\nTroy\r\n\r\n", Op::Add, u"Delphi"_qs,
         CatalogueChange::NotOneTitleALine, ""},
        {"empty file", "", Op::Add, u"Troy"_qs, CatalogueChange::NotOneTitleALine, ""},
        {"fraction", "1.5\r\nTroy\r\n", Op::Add, u"Delphi"_qs, CatalogueChange::NotOneTitleALine, ""},
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
