#include "shell/textfields.h"
#include "worksheets/catalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<SharedState> catalogueOf(int count, const QString &prefix = QStringLiteral("Title ")) {
    auto state = std::make_unique<SharedState>();
    state->WorksheetCount = count;
    for (int i = 1; i <= count; ++i)
        state->WorksheetTitles[i] = prefix + QString::number(i);
    return state;
}

std::unique_ptr<SharedState> readBack(const QByteArray &bytes) {
    auto state = std::make_unique<SharedState>();
    FieldReader fields(decodeText(bytes));
    EXPECT_TRUE(readCatalogue(fields, *state));
    return state;
}

} // namespace

TEST(CatalogueFile, IsTheCountBetweenBlanksThenOneTitleALineWithCrLf) {
    const auto state = catalogueOf(2);
    EXPECT_EQ(catalogueBytes(*state), QByteArray(" 2 \r\nTitle 1\r\nTitle 2\r\n"));
    EXPECT_EQ(catalogueBytes(SharedState{}), QByteArray(" 0 \r\n"));
}

TEST(CatalogueFile, ReadsBackWhatWasWritten) {
    const auto state = catalogueOf(1000);
    const auto back = readBack(catalogueBytes(*state));
    EXPECT_EQ(back->WorksheetCount, 1000);
    EXPECT_EQ(back->WorksheetTitles, state->WorksheetTitles);
}

TEST(CatalogueAdd, PutsANewTitleLastAndRaisesTheCountAtOnce) {
    auto state = catalogueOf(3);
    EXPECT_EQ(addTitle(*state, QStringLiteral("Delphi")), CatalogueChange::Added);
    EXPECT_EQ(state->WorksheetCount, 4);
    EXPECT_EQ(state->WorksheetTitles[4], u"Delphi"_qs);
    EXPECT_EQ(catalogueBytes(*state), QByteArray(" 4 \r\nTitle 1\r\nTitle 2\r\nTitle 3\r\nDelphi\r\n"));
}

TEST(CatalogueAdd, ATitleAlreadyListedIsNotEnteredTwice) {
    auto state = catalogueOf(3);
    EXPECT_EQ(addTitle(*state, QStringLiteral("Title 2")), CatalogueChange::AlreadyListed);
    EXPECT_EQ(state->WorksheetCount, 3);
}

TEST(CatalogueAdd, TitlesThatDifferOnlyInLetterCaseAreTwoEntries) {
    auto state = catalogueOf(1);
    EXPECT_EQ(addTitle(*state, QStringLiteral("title 1")), CatalogueChange::Added);
    EXPECT_EQ(addTitle(*state, QStringLiteral("TITLE 1")), CatalogueChange::Added);
    EXPECT_EQ(state->WorksheetCount, 3);
}

TEST(CatalogueAdd, AnEmptyCatalogueTakesItsFirstTitle) {
    const auto empty = readBack(" 0 \r\n");
    SharedState state = *empty;
    EXPECT_EQ(addTitle(state, QStringLiteral("Olympia")), CatalogueChange::Added);
    EXPECT_EQ(catalogueBytes(state), QByteArray(" 1 \r\nOlympia\r\n"));
}

TEST(CatalogueAdd, AFullCatalogueTakesNoMoreButStillKnowsItsOwnTitles) {
    auto state = catalogueOf(1000);
    EXPECT_EQ(addTitle(*state, QStringLiteral("One more")), CatalogueChange::Full);
    EXPECT_EQ(state->WorksheetCount, 1000);
    EXPECT_EQ(addTitle(*state, QStringLiteral("Title 1000")), CatalogueChange::AlreadyListed);
}

TEST(CatalogueAdd, ACountThatIsNotAWholeNumberFromTheFileIsNotBuiltOn) {
    auto state = catalogueOf(2);
    state->WorksheetCount = 2.5;
    EXPECT_EQ(addTitle(*state, QStringLiteral("Delphi")), CatalogueChange::Damaged);
    state->WorksheetCount = -1;
    EXPECT_EQ(removeTitle(*state, QStringLiteral("Title 1")), CatalogueChange::Damaged);
}

TEST(CatalogueRemove, TheFirstTitleMovesEveryOtherUpOnePlace) {
    auto state = catalogueOf(3);
    EXPECT_EQ(removeTitle(*state, QStringLiteral("Title 1")), CatalogueChange::Removed);
    EXPECT_EQ(catalogueBytes(*state), QByteArray(" 2 \r\nTitle 2\r\nTitle 3\r\n"));
}

TEST(CatalogueRemove, TheLastTitleLowersTheCountAndMovesNothing) {
    auto state = catalogueOf(3);
    EXPECT_EQ(removeTitle(*state, QStringLiteral("Title 3")), CatalogueChange::Removed);
    EXPECT_EQ(state->WorksheetCount, 2);
    EXPECT_EQ(catalogueBytes(*state), QByteArray(" 2 \r\nTitle 1\r\nTitle 2\r\n"));
}

TEST(CatalogueRemove, ADuplicateTitleLosesItsLastOccurrenceOnly) {
    const auto state = readBack(" 4 \r\nTroy\r\nDelphi\r\nTroy\r\nCorinth\r\n");
    EXPECT_EQ(removeTitle(*state, QStringLiteral("Troy")), CatalogueChange::Removed);
    EXPECT_EQ(catalogueBytes(*state), QByteArray(" 3 \r\nTroy\r\nDelphi\r\nCorinth\r\n"));
}

TEST(CatalogueRemove, ATitleThatIsNotListedTakesNothingOut) {
    auto state = catalogueOf(3);
    EXPECT_EQ(removeTitle(*state, QStringLiteral("title 2")), CatalogueChange::NotListed);
    EXPECT_EQ(state->WorksheetCount, 3);
    EXPECT_EQ(catalogueBytes(*state), catalogueBytes(*catalogueOf(3)));
}

TEST(CataloguePaging, NoTitlesShowAnEmptyFirstPageWithoutArrows) {
    const CataloguePageView view = cataloguePage(SharedState{}, 0);
    EXPECT_LT(view.last, view.first);
    EXPECT_FALSE(view.previous);
    EXPECT_FALSE(view.next);
    EXPECT_EQ(view.indicator, u"Page 1"_qs);
}

TEST(CataloguePaging, TwentyFourTitlesFillOnePageWithNoNextPage) {
    const CataloguePageView view = cataloguePage(*catalogueOf(24), 0);
    EXPECT_EQ(view.first, 1);
    EXPECT_EQ(view.last, 24);
    EXPECT_FALSE(view.next);
}

TEST(CataloguePaging, TheTwentyFifthTitleIsAloneOnPageTwo) {
    const auto state = catalogueOf(25);
    EXPECT_TRUE(cataloguePage(*state, 0).next);
    const CataloguePageView second = cataloguePage(*state, 1);
    EXPECT_EQ(second.first, 25);
    EXPECT_EQ(second.last, 25);
    EXPECT_TRUE(second.previous);
    EXPECT_FALSE(second.next);
    EXPECT_EQ(second.indicator, u"Page 2"_qs);
}

TEST(CataloguePaging, AFullCatalogueReachesTitlesNineHundredEightyFiveToOneThousandOnPageFortyTwo) {
    const auto state = catalogueOf(1000);
    EXPECT_TRUE(cataloguePage(*state, 40).next);
    const CataloguePageView last = cataloguePage(*state, 41);
    EXPECT_EQ(last.first, 985);
    EXPECT_EQ(last.last, 1000);
    EXPECT_FALSE(last.next);
    EXPECT_EQ(last.indicator, u"Page 42"_qs);
}

TEST(CataloguePaging, ACountBeyondTheTitlesHeldNeverListsMoreThanAThousand) {
    auto state = catalogueOf(1000);
    state->WorksheetCount = 1005;
    EXPECT_EQ(cataloguePage(*state, 41).last, 1000);
    EXPECT_FALSE(cataloguePage(*state, 41).next);
    state->WorksheetCount = -3;
    EXPECT_LT(cataloguePage(*state, 0).last, 1);
}
