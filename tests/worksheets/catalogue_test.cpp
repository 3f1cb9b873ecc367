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

} // namespace

TEST(CatalogueAdd, ACountThatIsNotAWholeNumberFromTheFileIsNotBuiltOn) {
    auto state = catalogueOf(2);
    state->WorksheetCount = 2.5;
    EXPECT_EQ(addTitle(*state, QStringLiteral("Delphi")), CatalogueChange::Damaged);
    state->WorksheetCount = -1;
    EXPECT_EQ(removeTitle(*state, QStringLiteral("Title 1")), CatalogueChange::Damaged);
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
