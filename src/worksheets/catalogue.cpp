#include "worksheets/catalogue.h"

#include "core/paths.h"
#include "core/textfields.h"

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
    QFile file(contentPath(programfile::inWorksheetFolder(programfile::Catalogue)));
    if (!file.open(QIODevice::ReadOnly)) return false;
    FieldReader fields(decodeLines(readLimited(file, FieldReader::DefaultByteLimit)));
    file.close();
    return readCatalogue(fields, state);
}

int listedTitles(const SharedState &state) {
    const double count = std::floor(state.WorksheetCount);
    if (!(count > 0)) return 0;
    return static_cast<int>(std::min<double>(count, SharedState::MaxWorksheets));
}

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
constexpr QByteArrayView kCrLf("\r\n");

// The count of a count line, when it is one field holding a whole number
// from 0 to 1000.
std::optional<int> countOf(const QString &line) {
    FieldReader reader(line);
    const auto count = reader.nextNumber();
    if (!count || !reader.atEnd() || line.contains(u',')) return std::nullopt;
    if (*count < 0 || *count > SharedState::MaxWorksheets || *count != std::floor(*count))
        return std::nullopt;
    return static_cast<int>(*count);
}

// The title of a line, when the catalogue read takes exactly one title from
// it: a comma would split it in two, a double quote in front would cut it at
// the next quote.
std::optional<QString> titleOf(const QString &line) {
    if (line.contains(u',') || line.contains(u'\r') || line.contains(u'\n')) return std::nullopt;
    qsizetype first = 0;
    while (first < line.size() && line[first] == u' ') ++first;
    if (first < line.size() && line[first] == u'"') return std::nullopt;
    FieldReader reader(line);
    return reader.next().value_or(QString());
}

QString decoded(QByteArrayView line) {
    return decodeLine(QByteArray::fromRawData(line.data(), line.size()));
}

} // namespace

CatalogueLines::CatalogueLines(const QByteArray &bytes) : file_(bytes) {
    const QByteArrayView all(file_);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
        qsizetype next = end;
        if (next < all.size()) {
            ++next;
            if (all[end] == '\r' && next < all.size() && all[next] == '\n') ++next;
        }
        lines_.push_back({all.sliced(start, end - start), all.sliced(end, next - end)});
        start = next;
    }
    if (lines_.empty()) {
        problem_ = tr("the catalogue has no count line");
        return;
    }
    // The mark is the file's own only where the line reads as UTF-8, as the
    // catalogue read decides it.
    QString countLine = decoded(lines_[0].text);
    if (countLine.startsWith(QChar(0xFEFF))) {
        byteOrderMark_ = true;
        countLine.remove(0, 1);
        lines_[0].text = lines_[0].text.sliced(kByteOrderMark.size());
    }
    const auto count = countOf(countLine);
    if (!count) {
        problem_ = tr("the first line is not a count from 0 to 1000");
        return;
    }
    const int titleLines = static_cast<int>(lines_.size()) - 1;
    if (titleLines != *count) {
        problem_ = tr("the count says %1 titles but %2 lines follow it").arg(*count).arg(titleLines);
        return;
    }
    titles_.reserve(titleLines);
    for (int i = 1; i <= titleLines; ++i) {
        auto title = titleOf(decoded(lines_[i].text));
        if (!title) {
            problem_ = tr("line %1 does not hold one title").arg(i + 1);
            titles_.clear();
            return;
        }
        titles_.append(std::move(*title));
    }
}

int CatalogueLines::findIgnoringCase(const QString &title) const {
    for (int i = 0; i < titles_.size(); ++i) {
        if (titles_[i].compare(title, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QByteArrayView CatalogueLines::keep(QByteArray bytes) {
    own_.push_back(std::move(bytes));
    return own_.back();
}

void CatalogueLines::rewriteCount() {
    Line &count = lines_[0];
    count.text = keep(' ' + QByteArray::number(titles_.size()) + ' ');
    if (count.end.isEmpty() && lines_.size() > 1) count.end = kCrLf;
}

CatalogueChange CatalogueLines::add(const QString &title) {
    if (!problem_.isEmpty()) return CatalogueChange::NotOneTitleALine;
    if (titleOf(title) != title) return CatalogueChange::NotATitle;
    if (findIgnoringCase(title) >= 0) return CatalogueChange::AlreadyListed;
    if (titles_.size() >= SharedState::MaxWorksheets) return CatalogueChange::Full;
    // A last line without its line end gets one, so the new title has a line of its own.
    if (lines_.back().end.isEmpty()) lines_.back().end = kCrLf;
    lines_.push_back({keep(encodeLine(title)), kCrLf});
    titles_.append(title);
    rewriteCount();
    return CatalogueChange::Added;
}

CatalogueChange CatalogueLines::remove(const QString &title) {
    if (!problem_.isEmpty()) return CatalogueChange::NotOneTitleALine;
    const qsizetype found = titles_.lastIndexOf(title);
    if (found < 0) return CatalogueChange::NotListed;
    // A line ended by a lone CR would run into an empty line ended by LF
    // below the one taken out: the two would read as one line end.
    const std::size_t line = static_cast<std::size_t>(found) + 1;
    if (lines_[line - 1].end == "\r" && line + 1 < lines_.size() && lines_[line + 1].text.isEmpty() &&
        lines_[line + 1].end == "\n") {
        problem_ = tr("taking out line %1 would join the lines around it").arg(line + 1);
        return CatalogueChange::NotOneTitleALine;
    }
    lines_.erase(lines_.begin() + found + 1);
    titles_.removeAt(found);
    rewriteCount();
    return CatalogueChange::Removed;
}

QByteArray CatalogueLines::bytes() const {
    qsizetype size = byteOrderMark_ ? kByteOrderMark.size() : 0;
    for (const Line &line : lines_)
        size += line.text.size() + line.end.size();
    QByteArray bytes;
    bytes.reserve(size);
    if (byteOrderMark_) bytes += kByteOrderMark;
    for (const Line &line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

CataloguePageView cataloguePage(const SharedState &state, int page) {
    page = std::clamp(page, 0, LastCataloguePage);
    const int count = listedTitles(state);
    CataloguePageView view;
    view.first = TitlesPerPage * page + 1;
    view.last = std::min(count, TitlesPerPage * page + TitlesPerPage);
    view.previous = page > 0;
    view.next = page < LastCataloguePage && count > TitlesPerPage * page + TitlesPerPage;
    //: One line of 133 pixels, Tahoma 15.75 bold.
    view.indicator = CatalogueLines::tr("Page %1").arg(page + 1);
    return view;
}
