// The text rules the exchange formats share: blanks, HTML reduced to plain
// text and plain text written as HTML, category paths.

#include "worksheets/exchangeformats.h"

#include <QHash>
#include <QStringList>
#include <array>

namespace exchange {

namespace {

// Names of the characters 160 to 255, in order.
constexpr const char *kLatin1Names =
    "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn sup2 "
    "sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave Aacute Acirc "
    "Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve "
    "Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute "
    "acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml eth ntilde "
    "ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml yacute thorn yuml";
// Greek capitals from 913 (930 has none) and small letters from 945.
constexpr const char *kGreekCapitals =
    "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron Pi Rho - Sigma Tau "
    "Upsilon Phi Chi Psi Omega";
constexpr const char *kGreekSmall =
    "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi "
    "omicron pi rho sigmaf sigma tau upsilon phi chi psi omega";

struct Named {
    const char *name;
    char32_t code;
};
constexpr Named kOtherNames[] = {
    {"quot", 34},     {"amp", 38},      {"apos", 39},     {"lt", 60},        {"gt", 62},
    {"OElig", 338},   {"oelig", 339},   {"Scaron", 352},  {"scaron", 353},   {"Yuml", 376},
    {"fnof", 402},    {"circ", 710},    {"tilde", 732},   {"thetasym", 977}, {"upsih", 978},
    {"piv", 982},     {"ensp", 8194},   {"emsp", 8195},   {"thinsp", 8201},  {"zwnj", 8204},
    {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},    {"ndash", 8211},   {"mdash", 8212},
    {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218},  {"ldquo", 8220},   {"rdquo", 8221},
    {"bdquo", 8222},  {"dagger", 8224}, {"Dagger", 8225}, {"bull", 8226},    {"hellip", 8230},
    {"permil", 8240}, {"prime", 8242},  {"Prime", 8243},  {"lsaquo", 8249},  {"rsaquo", 8250},
    {"oline", 8254},  {"frasl", 8260},  {"euro", 8364},   {"trade", 8482},   {"larr", 8592},
    {"uarr", 8593},   {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},    {"part", 8706},
    {"prod", 8719},   {"sum", 8721},    {"minus", 8722},  {"radic", 8730},   {"infin", 8734},
    {"asymp", 8776},  {"ne", 8800},     {"equiv", 8801},  {"le", 8804},      {"ge", 8805},
};

const QHash<QString, char32_t> &entities() {
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> names;
        const auto addRun = [&names](const char *list, char32_t first) {
            char32_t code = first;
            for (const QString &name : QString::fromLatin1(list).split(u' ')) {
                if (name != u"-") names.insert(name, code);
                ++code;
            }
        };
        addRun(kLatin1Names, 160);
        addRun(kGreekCapitals, 913);
        addRun(kGreekSmall, 945);
        for (const Named &named : kOtherNames)
            names.insert(QString::fromLatin1(named.name), named.code);
        return names;
    }();
    return table;
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isAsciiAlnum(QChar c) {
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

QString fromCode(char32_t code) {
    // No character, half of a pair and beyond Unicode read as the replacement character.
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    return QString::fromUcs4(&code, 1);
}

// The character a reference at `at` (an "&") stands for, and its length;
// nothing when it is not a reference, and the "&" stands as typed.
std::optional<QString> referenceAt(QStringView html, qsizetype at, qsizetype *length) {
    const qsizetype semicolon = html.indexOf(u';', at + 1);
    if (semicolon < 0 || semicolon - at > 12) return std::nullopt;
    const QStringView body = html.mid(at + 1, semicolon - at - 1);
    *length = semicolon - at + 1;
    if (body.startsWith(u'#')) {
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        const QStringView digits = body.mid(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
        bool ok = false;
        const uint code = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok) return std::nullopt;
        return fromCode(code);
    }
    for (QChar c : body) {
        if (!isAsciiAlnum(c)) return std::nullopt;
    }
    const auto found = entities().constFind(body.toString());
    if (found == entities().constEnd()) return std::nullopt;
    return fromCode(*found);
}

bool isBlockTag(QStringView name) {
    static const QStringList blocks = {
        u"address"_qs, u"article"_qs, u"blockquote"_qs, u"br"_qs,      u"caption"_qs, u"dd"_qs,    u"div"_qs,
        u"dl"_qs,      u"dt"_qs,      u"figcaption"_qs, u"figure"_qs,  u"footer"_qs,  u"h1"_qs,    u"h2"_qs,
        u"h3"_qs,      u"h4"_qs,      u"h5"_qs,         u"h6"_qs,      u"header"_qs,  u"hr"_qs,    u"li"_qs,
        u"ol"_qs,      u"p"_qs,       u"pre"_qs,        u"section"_qs, u"table"_qs,   u"tbody"_qs, u"td"_qs,
        u"tfoot"_qs,   u"th"_qs,      u"thead"_qs,      u"tr"_qs,      u"ul"_qs};
    for (const QString &block : blocks) {
        if (name.compare(block, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// Whether the blank at i stands alone between two characters that are not
// blanks: the one blank HTML shows as it is.
bool loneSpace(QStringView text, qsizetype i) {
    return text[i] == u' ' && i > 0 && i + 1 < text.size() && !isBlank(text[i - 1]) && !isBlank(text[i + 1]);
}

bool needsReference(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (isBlank(c)) return !loneSpace(text, i);
    return c.category() == QChar::Other_Control || c == QChar(0xFFFE) || c == QChar(0xFFFF);
}

} // namespace

std::vector<QStringView> splitLines(QStringView text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.push_back(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.mid(start));
    return lines;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString plainText(QStringView text) {
    const QStringView trimmed = trimBlanks(text);
    QString out;
    out.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size();) {
        if (!isBlank(trimmed[i])) {
            out += trimmed[i++];
            continue;
        }
        qsizetype end = i;
        bool lineBreak = false;
        while (end < trimmed.size() && isBlank(trimmed[end])) {
            lineBreak = lineBreak || trimmed[end] == u'\n' || trimmed[end] == u'\r';
            ++end;
        }
        if (lineBreak)
            out += u' ';
        else
            out += trimmed.mid(i, end - i);
        i = end;
    }
    return out;
}

QString htmlToText(QStringView html) {
    QString out;
    out.reserve(html.size());
    bool pendingBlank = false;
    const auto put = [&](QStringView text) {
        if (pendingBlank && !out.isEmpty()) out += u' ';
        pendingBlank = false;
        out += text;
    };
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = html[i];
        if (c == u'<' && html.mid(i, 4) == u"<!--") {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        // A tag begins with a letter, "/", "!" or "?" and ends at its ">";
        // any other "<" is one as typed.
        if (c == u'<' && i + 1 < n &&
            (isAsciiLetter(html[i + 1]) || html[i + 1] == u'/' || html[i + 1] == u'!' ||
             html[i + 1] == u'?')) {
            const qsizetype end = html.indexOf(u'>', i + 1);
            if (end >= 0) {
                const QStringView inside = html.mid(i + 1, end - i - 1);
                const bool closing = inside.startsWith(u'/');
                qsizetype nameEnd = closing ? 1 : 0;
                while (nameEnd < inside.size() && isAsciiAlnum(inside[nameEnd]))
                    ++nameEnd;
                const QStringView name = inside.mid(closing ? 1 : 0, nameEnd - (closing ? 1 : 0));
                i = end + 1;
                // What a script or style holds is never shown.
                if (!closing && (name.compare(u"script", Qt::CaseInsensitive) == 0 ||
                                 name.compare(u"style", Qt::CaseInsensitive) == 0)) {
                    const QString close = u"</"_qs + name.toString();
                    const qsizetype closeAt = html.indexOf(close, i, Qt::CaseInsensitive);
                    const qsizetype closeEnd = closeAt < 0 ? -1 : html.indexOf(u'>', closeAt);
                    i = closeEnd < 0 ? n : closeEnd + 1;
                }
                if (isBlockTag(name)) pendingBlank = true;
                continue;
            }
        }
        if (c == u'&') {
            qsizetype length = 0;
            if (const auto character = referenceAt(html, i, &length)) {
                // A line break has no place in a box, however it was written.
                put(*character == u"\n" || *character == u"\r" ? u" "_qs : *character);
                i += length;
                continue;
            }
        }
        if (isBlank(c)) {
            pendingBlank = true;
            ++i;
            continue;
        }
        put(html.mid(i, 1));
        ++i;
    }
    return out;
}

QString textAsHtml(QStringView text) {
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'<')
            out += u"&lt;";
        else if (c == u'>')
            out += u"&gt;";
        else if (c == u'&')
            out += u"&amp;";
        else if (needsReference(text, i))
            out += u"&#" + QString::number(c.unicode()) + u';';
        else
            out += c;
    }
    return out;
}

bool keptAsPlain(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'<' || c == u'>' || c == u'&' || needsReference(text, i)) return false;
    }
    return true;
}

QString categoryName(QStringView path) {
    // "//" is a "/" inside a name; a single "/" divides the path.
    QStringList parts{QString()};
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] != u'/') {
            parts.back() += path[i];
        } else if (i + 1 < path.size() && path[i + 1] == u'/') {
            parts.back() += u'/';
            ++i;
        } else {
            parts.append(QString());
        }
    }
    qsizetype first = 0;
    const QString context = trimBlanks(parts[0]).toString();
    if (context.size() > 2 && context.startsWith(u'$') && context.endsWith(u'$')) ++first;
    if (first < parts.size() && trimBlanks(parts[first]) == u"top") ++first;
    if (first >= parts.size()) return {};
    return trimBlanks(parts.back()).toString();
}

QString categoryPath(const QString &title) {
    return u"$course$/top/"_qs + QString(title).replace(u'/', u"//"_qs);
}

} // namespace exchange
