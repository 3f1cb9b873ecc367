#include "worksheets/catalogue.h"

#include "shell/paths.h"
#include "shell/textfields.h"

#include <QFile>

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
