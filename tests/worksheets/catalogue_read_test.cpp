#include "core/textfields.h"
#include "worksheets/catalogue.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

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
