#include "wmf/pagetext.h"

#include <algorithm>
#include <cmath>

namespace wmf {

namespace {

struct Placed {
    double left = 0;
    double middle = 0;
    double height = 0;
    QString text;
};

Placed place(const TextRun &run) {
    // A font of no size takes the default of 12 points.
    const double height = run.font.height == 0 ? 240 : std::abs(run.font.height);
    double width = 0;
    for (const double advance : run.dx)
        width += advance;
    if (run.dx.empty()) width = run.text.size() * height / 2;
    Placed placed;
    placed.height = height;
    placed.text = run.text.trimmed();
    switch (run.horizontal) {
    case HAlign::Left:
        placed.left = run.at.x;
        break;
    case HAlign::Centre:
        placed.left = run.at.x - width / 2;
        break;
    case HAlign::Right:
        placed.left = run.at.x - width;
        break;
    }
    switch (run.vertical) {
    case VAlign::Top:
        placed.middle = run.at.y + height / 2;
        break;
    case VAlign::Baseline:
        // The ascent is about four fifths of the cell.
        placed.middle = run.at.y - height * 0.3;
        break;
    case VAlign::Bottom:
        placed.middle = run.at.y - height / 2;
        break;
    }
    return placed;
}

} // namespace

QString pageText(const DisplayList &list) {
    std::vector<Placed> runs;
    for (const Item &item : list.items) {
        if (const auto *run = std::get_if<TextRun>(&item.what)) {
            Placed placed = place(*run);
            if (!placed.text.isEmpty()) runs.push_back(std::move(placed));
        }
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Placed &a, const Placed &b) { return a.middle < b.middle; });
    QString text;
    for (std::size_t first = 0; first < runs.size();) {
        std::size_t end = first + 1;
        while (end < runs.size() &&
               runs[end].middle - runs[first].middle < std::min(runs[first].height, runs[end].height) / 2)
            ++end;
        std::stable_sort(runs.begin() + long(first), runs.begin() + long(end),
                         [](const Placed &a, const Placed &b) { return a.left < b.left; });
        for (std::size_t i = first; i < end; ++i) {
            if (i > first) text += u' ';
            text += runs[i].text;
        }
        text += u'\n';
        first = end;
    }
    return text;
}

} // namespace wmf
