#include "wmf/pagetext.h"

#include <gtest/gtest.h>

namespace {

wmf::Item run(double x, double y, const char *text, wmf::HAlign h = wmf::HAlign::Left,
              wmf::VAlign v = wmf::VAlign::Baseline, double height = -240) {
    wmf::TextRun r;
    r.at = {x, y};
    r.text = QString::fromUtf8(text);
    r.font.height = height;
    r.horizontal = h;
    r.vertical = v;
    return {r, std::nullopt};
}

} // namespace

// Records come in drawing order, which need not be reading order: lines go
// top to bottom, runs of a line left to right, whatever their alignment.
TEST(PageText, ReadsLinesTopToBottomAndRunsLeftToRight) {
    wmf::DisplayList page;
    page.items.push_back(run(900, 1400, "second line"));
    page.items.push_back(run(600, 1400, "\u2022"));
    page.items.push_back(run(3000, 600, "Title", wmf::HAlign::Centre, wmf::VAlign::Top, -400));
    page.items.push_back(run(5000, 1000, "right", wmf::HAlign::Right));
    page.items.push_back(run(600, 1000, "first"));
    page.items.push_back(run(2000, 1030, "  "));
    wmf::Shape line;
    page.items.push_back({line, std::nullopt});
    EXPECT_EQ(wmf::pageText(page), QStringLiteral("Title\nfirst right\n\u2022 second line\n"));
    EXPECT_EQ(wmf::pageText({}), QString());
}
