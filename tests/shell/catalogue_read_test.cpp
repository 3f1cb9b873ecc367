#include "shell/textfields.h"
#include "worksheets/catalogue.h"

#include <gtest/gtest.h>

namespace {

SharedState readFrom(const QByteArray &bytes, bool *complete = nullptr) {
    SharedState state;
    state.WorksheetCount = 7; // what an earlier read left
    FieldReader reader(decodeText(bytes));
    const bool ok = readCatalogue(reader, state);
    if (complete) *complete = ok;
    return state;
}

} // namespace

TEST(CatalogueRead, ReadsTheCountAndEveryTitle) {
    bool complete = false;
    const SharedState state = readFrom(" 2 \r\nAthens\r\nSparta\r\n", &complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(state.WorksheetCount, 2);
    EXPECT_EQ(state.WorksheetTitles[1], u"Athens"_qs);
    EXPECT_EQ(state.WorksheetTitles[2], u"Sparta"_qs);
}

TEST(CatalogueRead, FewerTitlesThanTheCountKeepTheCountAndTheTitlesRead) {
    bool complete = true;
    const SharedState state = readFrom(" 3 \r\nAthens\r\nSparta\r\n", &complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(state.WorksheetCount, 3);
    EXPECT_EQ(state.WorksheetTitles[2], u"Sparta"_qs);
    EXPECT_TRUE(state.WorksheetTitles[3].isEmpty());
}

TEST(CatalogueRead, AnEmptyOrNonNumericFileLeavesTheCountAsItWas) {
    EXPECT_EQ(readFrom("").WorksheetCount, 7);
    EXPECT_EQ(readFrom("many\r\nAthens\r\n").WorksheetCount, 7);
    EXPECT_EQ(readFrom(QByteArray("\x00\xff\x13garbage", 10)).WorksheetCount, 7);
}

TEST(CatalogueRead, ACountAboveOneThousandStopsAfterTheThousandthTitle) {
    QByteArray bytes = " 1005 \r\n";
    for (int i = 1; i <= 1005; ++i) bytes += "Title " + QByteArray::number(i) + "\r\n";
    bool complete = true;
    const SharedState state = readFrom(bytes, &complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(state.WorksheetCount, 1005);
    EXPECT_EQ(state.WorksheetTitles[1000], u"Title 1000"_qs);
}

TEST(CatalogueRead, ACommaInATitleLineSplitsItAsTheFieldRulesSay) {
    const SharedState state = readFrom(" 2 \r\nRome, Athens\r\nSparta\r\n");
    EXPECT_EQ(state.WorksheetTitles[1], u"Rome"_qs);
    EXPECT_EQ(state.WorksheetTitles[2], u"Athens"_qs);
}
