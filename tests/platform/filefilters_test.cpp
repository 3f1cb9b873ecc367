#include "platform/filefilters.h"

#include <gtest/gtest.h>

TEST(FileFilters, ANameTypedWithoutAnEndingGetsTheFiltersFirstOneAndEveryFileNone) {
    const std::pair<const char *, const char *> cases[] = {
        {"Moodle XML files (*.xml)", "xml"},
        {"GIFT files (*.txt *.gift)", "txt"},
        {"Spreadsheet files (*.csv)", "csv"},
        {"Old *.doc notes (*.odt)", "odt"},
        {"All files (*)", ""},
        {"Pictures (*.jp?g *.png)", "png"},
        {"*.gift", "gift"},
        {"", ""},
    };
    for (const auto &[filter, suffix] : cases)
        EXPECT_EQ(filterSuffix(QString::fromUtf8(filter)), QString::fromUtf8(suffix)) << filter;
}
