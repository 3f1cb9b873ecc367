// The catalogue on any bytes: the screens' read and paging stay inside the
// thousand titles the shared state holds, and saves and deletions, as the
// store makes them, change only the count and their own line or nothing.
//
// Input: the catalogue's bytes, then optionally a NUL and a script, one byte
// an edit: the low bit chooses a save or a deletion, the rest the title (one
// the catalogue lists, in its own or another letter case, or a new one).

#include "core/textfields.h"
#include "worksheets/catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QStringList kNewTitles = {QStringLiteral("Fuzzed title"), QStringLiteral("Caf\u00E9 grec"),
                                QStringLiteral("\u03A6\u03B5\u03B9\u03B4\u03AF\u03B1\u03C2"),
                                QStringLiteral("\u00C3\u00A9"), QStringLiteral("Rome& Athens"),
                                QStringLiteral("\u20AC 5")};

struct Line {
    QByteArrayView text;
    QByteArrayView end;
    bool operator==(const Line &other) const { return text == other.text && end == other.end; }
};

std::vector<Line> linesOf(QByteArrayView bytes) {
    std::vector<Line> lines;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const qsizetype width = end == bytes.size() ? 0 : bytes.sliced(end).startsWith("\r\n") ? 2 : 1;
        lines.push_back({bytes.sliced(at, end - at), bytes.sliced(end, width)});
        at = end + width;
    }
    return lines;
}

QString decoded(QByteArrayView line) {
    return decodeLine(QByteArray::fromRawData(line.data(), line.size()));
}

void check(bool holds) {
    if (!holds) std::abort();
}

// The screens' read of the bytes and the paging built on it.
void checkRead(const QByteArray &bytes, SharedState &state) {
    state.WorksheetCount = 0;
    FieldReader fields(decodeLines(bytes));
    readCatalogue(fields, state);
    const int listed = listedTitles(state);
    check(listed >= 0 && listed <= SharedState::MaxWorksheets);
    for (int page = 0; page <= LastCataloguePage + 1; page += 7) {
        const CataloguePageView view = cataloguePage(state, page);
        check(view.first >= 1 && view.last <= SharedState::MaxWorksheets);
        check(view.last < view.first || view.last - view.first < TitlesPerPage);
    }
}

// A catalogue the store may edit is read by the screens as the same titles.
void checkAgreement(const CatalogueLines &catalogue, const SharedState &state) {
    if (!catalogue.problem().isEmpty()) return;
    check(state.WorksheetCount == catalogue.titles().size());
    for (int i = 0; i < catalogue.titles().size(); ++i)
        check(state.WorksheetTitles[i + 1] == catalogue.titles()[i]);
}

// After an edit: refused and unchanged, or the count rewritten and exactly one
// line added at the end or taken out, every other line as it was.
void checkEdit(const QByteArray &before, const QByteArray &after, CatalogueChange change,
               const QString &title) {
    if (change != CatalogueChange::Added && change != CatalogueChange::Removed) {
        check(after == before);
        return;
    }
    const std::vector<Line> was = linesOf(before), now = linesOf(after);
    check(!now.empty());
    const QByteArrayView count = now[0].text.startsWith("\xEF\xBB\xBF") ? now[0].text.sliced(3) : now[0].text;
    check(count == QByteArray(' ' + QByteArray::number(qsizetype(now.size()) - 1) + ' '));
    if (change == CatalogueChange::Added) {
        check(now.size() == was.size() + 1);
        for (std::size_t i = 1; i < was.size(); ++i) {
            check(now[i].text == was[i].text);
            check(now[i].end == was[i].end || (i + 1 == was.size() && was[i].end.isEmpty()));
        }
        check(decoded(now.back().text) == title && now.back().end == "\r\n");
        return;
    }
    check(now.size() + 1 == was.size());
    std::size_t gone = 1;
    while (gone < now.size() && now[gone] == was[gone]) ++gone;
    for (std::size_t i = gone; i < now.size(); ++i)
        check(now[i] == was[i + 1]);
    check(FieldReader(decoded(was[gone].text) + QStringLiteral("\r\n")).next() == title);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // A state of its own for each input: titles kept from one input to the
    // next would look like leaks to the fuzzer, which then checks every run.
    const auto state = std::make_unique<SharedState>();
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.lastIndexOf('\0');
    QByteArray bytes = nul < 0 ? input : input.left(nul);
    const QByteArray script = nul < 0 ? QByteArray("\x00\x03\x04\x07", 4) : input.mid(nul + 1, 6);

    checkRead(bytes, *state);
    checkAgreement(CatalogueLines(bytes), *state);
    for (char op : script) {
        const auto code = static_cast<unsigned char>(op);
        CatalogueLines catalogue(bytes);
        const QStringList &titles = catalogue.titles();
        const int pick = code >> 2;
        QString title = !titles.isEmpty() && (code & 2) ? titles[pick % titles.size()]
                                                       : kNewTitles[pick % kNewTitles.size()];
        if (pick & 8) title = title.toUpper();
        const CatalogueChange change = code & 1 ? catalogue.remove(title) : catalogue.add(title);
        const QByteArray after = catalogue.bytes();
        checkEdit(bytes, after, change, title);
        if (!catalogue.problem().isEmpty()) check(after == bytes);
        bytes = after;
    }
    checkRead(bytes, *state);
    checkAgreement(CatalogueLines(bytes), *state);
    return 0;
}
