#include "shell/textfields.h"

#include <QIODevice>
#include <QStringDecoder>
#include <cmath>

namespace {

// Windows-1252 for bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

QString decodeText(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    text.clear();
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray encodeText(const QString &text) { return text.toUtf8(); }

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

FieldReader FieldReader::fromDevice(QIODevice &device, qint64 byteLimit) {
    QByteArray bytes = device.read(byteLimit);
    // A multi-byte character cut by the limit must not turn the whole file
    // into Windows-1252.
    if (bytes.size() == byteLimit) {
        qsizetype lead = bytes.size();
        while (lead > 0 && lead > bytes.size() - 4 && (static_cast<unsigned char>(bytes[lead - 1]) & 0xC0) == 0x80)
            --lead;
        if (lead > 0) {
            const auto first = static_cast<unsigned char>(bytes[lead - 1]);
            const qsizetype length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
            if (bytes.size() - (lead - 1) < length) bytes.truncate(lead - 1);
        }
    }
    return FieldReader(decodeText(bytes));
}

bool FieldReader::atEnd() const { return pos_ >= text_.size(); }

std::optional<QString> FieldReader::next() {
    const qsizetype size = text_.size();
    if (pos_ >= size) return std::nullopt;
    while (pos_ < size && isBlank(text_[pos_])) ++pos_;

    QString field;
    if (pos_ < size && text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype end = close < 0 ? size : close;
        field = text_.mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? size : close + 1;
        // Whatever follows the closing quote up to the separator is dropped.
        while (pos_ < size && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < size && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(text_[end - 1])) --end;
        field = text_.mid(start, end - start);
    }

    if (pos_ < size) {
        if (text_[pos_] == u',') {
            ++pos_;
            // A comma that ends a line still ends only this field; the line
            // end after it closes the empty field that follows.
        } else if (text_[pos_] == u'\r') {
            ++pos_;
            if (pos_ < size && text_[pos_] == u'\n') ++pos_;
        } else {
            ++pos_;
        }
    }
    return field;
}

std::optional<double> FieldReader::nextNumber() {
    const auto field = next();
    if (!field) return std::nullopt;
    bool ok = false;
    const double value = field->trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString escapeCommas(const QString &text) {
    QString result = text;
    result.replace(u',', u'&');
    return result;
}

QString unescapeCommas(const QString &text) {
    QString result = text;
    result.replace(u'&', u',');
    return result;
}
