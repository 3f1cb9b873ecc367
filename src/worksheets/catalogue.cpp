#include "worksheets/catalogue.h"

#include "shell/paths.h"
#include "shell/textfields.h"

#include <QFile>
#include <algorithm>
#include <cmath>

bool readCatalogue(FieldReader &fields, SharedState &state) {
    const auto count = fields.nextNumber();
    if (!count) return false;
    state.WorksheetCount = *count;
    for (int i = 1; i <= state.WorksheetCount; ++i) {
        if (i > SharedState::MaxWorksheets) return false;
        auto title = fields.next();
        if (!title) return false;
        state.WorksheetTitles[i] = std::move(*title);
    }
    return true;
}

bool readCatalogueFile(SharedState &state) {
    QFile file(contentPath(QStringLiteral("multiple\\track.txt")));
    if (!file.open(QIODevice::ReadOnly)) return false;
    FieldReader fields = FieldReader::fromDevice(file);
    file.close();
    return readCatalogue(fields, state);
}

int listedTitles(const SharedState &state) {
    const double count = std::floor(state.WorksheetCount);
    if (!(count > 0)) return 0;
    return static_cast<int>(std::min<double>(count, SharedState::MaxWorksheets));
}

bool countIsWhole(const SharedState &state) {
    const double count = state.WorksheetCount;
    return count >= 0 && count <= SharedState::MaxWorksheets && count == std::floor(count);
}

QByteArray catalogueBytes(const SharedState &state) {
    const int count = listedTitles(state);
    QByteArray bytes = ' ' + QByteArray::number(count) + " \r\n";
    for (int i = 1; i <= count; ++i)
        bytes += encodeText(state.WorksheetTitles[i]) + "\r\n";
    return bytes;
}

CatalogueChange addTitle(SharedState &state, const QString &title) {
    if (!countIsWhole(state)) return CatalogueChange::Damaged;
    const int count = listedTitles(state);
    for (int i = 1; i <= count; ++i) {
        if (state.WorksheetTitles[i] == title) return CatalogueChange::AlreadyListed;
    }
    if (count >= SharedState::MaxWorksheets) return CatalogueChange::Full;
    state.WorksheetTitles[count + 1] = title;
    state.WorksheetCount = count + 1;
    return CatalogueChange::Added;
}

CatalogueChange removeTitle(SharedState &state, const QString &title) {
    if (!countIsWhole(state)) return CatalogueChange::Damaged;
    const int count = listedTitles(state);
    int found = 0;
    for (int i = count; i >= 1 && !found; --i) {
        if (state.WorksheetTitles[i] == title) found = i;
    }
    if (!found) return CatalogueChange::NotListed;
    for (int i = found; i < count; ++i)
        state.WorksheetTitles[i] = state.WorksheetTitles[i + 1];
    state.WorksheetCount = count - 1;
    return CatalogueChange::Removed;
}

CataloguePageView cataloguePage(const SharedState &state, int page) {
    page = std::clamp(page, 0, LastCataloguePage);
    const int count = listedTitles(state);
    CataloguePageView view;
    view.first = TitlesPerPage * page + 1;
    view.last = std::min(count, TitlesPerPage * page + TitlesPerPage);
    view.previous = page > 0;
    view.next = page < LastCataloguePage && count > TitlesPerPage * page + TitlesPerPage;
    view.indicator = QStringLiteral("Page ") + QString::number(page + 1);
    return view;
}
