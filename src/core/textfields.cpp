#include "core/textfields.h"

#include "core/codepages.h"

#include <QIODevice>
#include <QStringDecoder>
#include <cmath>

namespace {

constexpr QChar kNoBreakSpace(0x00A0);

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool isBlank(QChar c) { return c == u' '; }

std::optional<QString> fromUtf8(const QByteArray &bytes, bool keepByteOrderMark) {
    // Stateless: a sequence cut short at the end is an error, not a wait for more.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    if (!keepByteOrderMark && text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

bool isAscii(const QByteArray &bytes) {
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) return false;
    }
    return true;
}

// Windows-1252 where every character fits and the bytes cannot pass for
// UTF-8 ("Ã©" would come back as "é"), else UTF-8.
QByteArray encodeChosen(const QString &text, bool *asUtf8) {
    *asUtf8 = false;
    if (fitsWindows1252(text)) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            bytes[i] = static_cast<char>(cp1252Byte(text[i].unicode()));
        if (isAscii(bytes) || !fromUtf8(bytes, true)) return bytes;
    }
    *asUtf8 = true;
    return text.toUtf8();
}

} // namespace

QString decodeText(const QByteArray &bytes) {
    if (auto text = fromUtf8(bytes, false)) return *text;
    return fromCp1252(bytes);
}

QString decodeLine(const QByteArray &bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    if (auto text = fromUtf8(bytes, true)) return *text;
    return fromCp1252(bytes);
}

QString decodeLines(const QByteArray &bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const QByteArray line = QByteArray::fromRawData(bytes.constData() + start, end - start);
        if (isAscii(line)) {
            text += QLatin1StringView(line);
        } else {
            QString decoded = decodeLine(line);
            if (start == 0 && decoded.startsWith(QChar(0xFEFF))) decoded.remove(0, 1);
            text += decoded;
        }
        qsizetype next = end;
        if (next < bytes.size()) {
            ++next;
            if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
        }
        text += QLatin1StringView(bytes.constData() + end, next - end);
        start = next;
    }
    return text;
}

bool fitsWindows1252(const QString &text) {
    for (QChar c : text) {
        if (cp1252Byte(c.unicode()) < 0) return false;
    }
    return true;
}

QByteArray encodeLine(const QString &text) {
    bool asUtf8 = false;
    return encodeChosen(text, &asUtf8);
}

QByteArray encodeText(const QString &text) {
    bool asUtf8 = false;
    QByteArray bytes = encodeChosen(text, &asUtf8);
    // The reader drops one byte order mark: a text that begins with the
    // character itself keeps it behind a mark of the file's own.
    if (asUtf8 && text.startsWith(QChar(0xFEFF))) bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QByteArray readLimited(QIODevice &device, qint64 byteLimit) {
    QByteArray bytes = device.read(byteLimit);
    // A multi-byte character cut by the limit must not turn the whole file
    // into Windows-1252.
    if (bytes.size() == byteLimit) {
        qsizetype lead = bytes.size();
        while (lead > 0 && lead > bytes.size() - 4 &&
               (static_cast<unsigned char>(bytes[lead - 1]) & 0xC0) == 0x80)
            --lead;
        if (lead > 0) {
            const auto first = static_cast<unsigned char>(bytes[lead - 1]);
            const qsizetype length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
            if (bytes.size() - (lead - 1) < length) bytes.truncate(lead - 1);
        }
    }
    return bytes;
}

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

FieldReader FieldReader::fromDevice(QIODevice &device, qint64 byteLimit) {
    return FieldReader(decodeText(readLimited(device, byteLimit)));
}

bool FieldReader::atEnd() const { return pos_ >= text_.size(); }

std::optional<QString> FieldReader::next() { return read(false); }

std::optional<QString> FieldReader::nextText() { return read(true); }

std::optional<QString> FieldReader::read(bool marked) {
    const QStringView text(text_);
    const qsizetype size = text.size();
    if (pos_ >= size) return std::nullopt;
    while (pos_ < size && isBlank(text[pos_])) ++pos_;

    QString field;
    if (pos_ < size && text[pos_] == u'"') {
        qsizetype end = pos_ + 1;
        while (end < size && text[end] != u'"' && !isLineEnd(text[end])) ++end;
        field = text.mid(pos_ + 1, end - pos_ - 1).toString();
        pos_ = end < size && text[end] == u'"' ? end + 1 : end;
        // Whatever follows the closing quote up to the separator is dropped.
        while (pos_ < size && text[pos_] != u',' && !isLineEnd(text[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < size && text[pos_] != u',' && !isLineEnd(text[pos_])) ++pos_;
        qsizetype end = pos_;
        if (marked && start < end && text[start] == kNoBreakSpace) {
            field = text.mid(start + 1, end - start - 1).toString();
        } else {
            while (end > start && isBlank(text[end - 1])) --end;
            field = text.mid(start, end - start).toString();
        }
    }

    if (pos_ < size) {
        if (text[pos_] == u',') {
            ++pos_;
            // A comma that ends a line still ends only this field; the line
            // end after it closes the empty field that follows.
        } else if (text[pos_] == u'\r') {
            ++pos_;
            if (pos_ < size && text[pos_] == u'\n') ++pos_;
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

QString textLine(const QString &text) {
    if (text.isEmpty()) return text;
    const bool blankAtAnEnd = isBlank(text.front()) || isBlank(text.back());
    const bool readOtherwise = text.front() == u'"' || text.front() == kNoBreakSpace;
    if (!blankAtAnEnd && !readOtherwise) return text;
    if (!text.contains(u'"')) return u'"' + text + u'"';
    return kNoBreakSpace + text;
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
