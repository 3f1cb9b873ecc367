// The catalogue reader on any bytes: the read, the edits and the paging built
// on it must stay inside the thousand titles the shared state holds.

#include "shell/textfields.h"
#include "worksheets/catalogue.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static auto state = std::make_unique<SharedState>();
    state->WorksheetCount = 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    FieldReader fields(decodeText(bytes));
    readCatalogue(fields, *state);

    const int listed = listedTitles(*state);
    if (listed < 0 || listed > SharedState::MaxWorksheets) std::abort();
    for (int page = 0; page <= LastCataloguePage + 1; ++page) {
        const CataloguePageView view = cataloguePage(*state, page);
        if (view.first < 1 || view.last > SharedState::MaxWorksheets) std::abort();
        if (view.last >= view.first && view.last - view.first >= TitlesPerPage) std::abort();
    }
    if (countIsWhole(*state)) {
        const QByteArray written = catalogueBytes(*state);
        auto again = std::make_unique<SharedState>();
        FieldReader back(decodeText(written));
        readCatalogue(back, *again);
        if (again->WorksheetCount != state->WorksheetCount) std::abort();
        removeTitle(*state, state->WorksheetTitles[1]);
        addTitle(*state, QStringLiteral("Fuzzed title"));
        if (listedTitles(*state) > SharedState::MaxWorksheets) std::abort();
    }
    return 0;
}
