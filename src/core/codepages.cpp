#include "core/codepages.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

// The upper half, bytes 0x80 to 0xFF, of each single-byte code page as
// Windows maps it; U+FFFD marks a byte the code page leaves undefined. The
// lower half of every one of them is ASCII.
struct UpperHalf {
    int codePage;
    std::u16string_view chars;
};

constexpr UpperHalf kUpperHalves[] = {
    {1252, // Western European
     u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
     u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178"
     u"\u00A0\u00A1\u00A2\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9\u00AA\u00AB\u00AC\u00AD\u00AE\u00AF"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00B8\u00B9\u00BA\u00BB\u00BC\u00BD\u00BE\u00BF"
     u"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"
     u"\u00D0\u00D1\u00D2\u00D3\u00D4\u00D5\u00D6\u00D7\u00D8\u00D9\u00DA\u00DB\u00DC\u00DD\u00DE\u00DF"
     u"\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF"
     u"\u00F0\u00F1\u00F2\u00F3\u00F4\u00F5\u00F6\u00F7\u00F8\u00F9\u00FA\u00FB\u00FC\u00FD\u00FE\u00FF"},
    {1253, // Greek
     u"\u20AC\uFFFD\u201A\u0192\u201E\u2026\u2020\u2021\uFFFD\u2030\uFFFD\u2039\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\uFFFD\u203A\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\u00A0\u0385\u0386\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9\uFFFD\u00AB\u00AC\u00AD\u00AE\u2015"
     u"\u00B0\u00B1\u00B2\u00B3\u0384\u00B5\u00B6\u00B7\u0388\u0389\u038A\u00BB\u038C\u00BD\u038E\u038F"
     u"\u0390\u0391\u0392\u0393\u0394\u0395\u0396\u0397\u0398\u0399\u039A\u039B\u039C\u039D\u039E\u039F"
     u"\u03A0\u03A1\uFFFD\u03A3\u03A4\u03A5\u03A6\u03A7\u03A8\u03A9\u03AA\u03AB\u03AC\u03AD\u03AE\u03AF"
     u"\u03B0\u03B1\u03B2\u03B3\u03B4\u03B5\u03B6\u03B7\u03B8\u03B9\u03BA\u03BB\u03BC\u03BD\u03BE\u03BF"
     u"\u03C0\u03C1\u03C2\u03C3\u03C4\u03C5\u03C6\u03C7\u03C8\u03C9\u03CA\u03CB\u03CC\u03CD\u03CE\uFFFD"},
    {1250, // Central European
     u"\u20AC\uFFFD\u201A\uFFFD\u201E\u2026\u2020\u2021\uFFFD\u2030\u0160\u2039\u015A\u0164\u017D\u0179"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\u0161\u203A\u015B\u0165\u017E\u017A"
     u"\u00A0\u02C7\u02D8\u0141\u00A4\u0104\u00A6\u00A7\u00A8\u00A9\u015E\u00AB\u00AC\u00AD\u00AE\u017B"
     u"\u00B0\u00B1\u02DB\u0142\u00B4\u00B5\u00B6\u00B7\u00B8\u0105\u015F\u00BB\u013D\u02DD\u013E\u017C"
     u"\u0154\u00C1\u00C2\u0102\u00C4\u0139\u0106\u00C7\u010C\u00C9\u0118\u00CB\u011A\u00CD\u00CE\u010E"
     u"\u0110\u0143\u0147\u00D3\u00D4\u0150\u00D6\u00D7\u0158\u016E\u00DA\u0170\u00DC\u00DD\u0162\u00DF"
     u"\u0155\u00E1\u00E2\u0103\u00E4\u013A\u0107\u00E7\u010D\u00E9\u0119\u00EB\u011B\u00ED\u00EE\u010F"
     u"\u0111\u0144\u0148\u00F3\u00F4\u0151\u00F6\u00F7\u0159\u016F\u00FA\u0171\u00FC\u00FD\u0163\u02D9"},
    {1251, // Cyrillic
     u"\u0402\u0403\u201A\u0453\u201E\u2026\u2020\u2021\u20AC\u2030\u0409\u2039\u040A\u040C\u040B\u040F"
     u"\u0452\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\u0459\u203A\u045A\u045C\u045B\u045F"
     u"\u00A0\u040E\u045E\u0408\u00A4\u0490\u00A6\u00A7\u0401\u00A9\u0404\u00AB\u00AC\u00AD\u00AE\u0407"
     u"\u00B0\u00B1\u0406\u0456\u0491\u00B5\u00B6\u00B7\u0451\u2116\u0454\u00BB\u0458\u0405\u0455\u0457"
     u"\u0410\u0411\u0412\u0413\u0414\u0415\u0416\u0417\u0418\u0419\u041A\u041B\u041C\u041D\u041E\u041F"
     u"\u0420\u0421\u0422\u0423\u0424\u0425\u0426\u0427\u0428\u0429\u042A\u042B\u042C\u042D\u042E\u042F"
     u"\u0430\u0431\u0432\u0433\u0434\u0435\u0436\u0437\u0438\u0439\u043A\u043B\u043C\u043D\u043E\u043F"
     u"\u0440\u0441\u0442\u0443\u0444\u0445\u0446\u0447\u0448\u0449\u044A\u044B\u044C\u044D\u044E\u044F"},
    {1254, // Turkish
     u"\u20AC\uFFFD\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\uFFFD\uFFFD\uFFFD"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\uFFFD\uFFFD\u0178"
     u"\u00A0\u00A1\u00A2\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9\u00AA\u00AB\u00AC\u00AD\u00AE\u00AF"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00B8\u00B9\u00BA\u00BB\u00BC\u00BD\u00BE\u00BF"
     u"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"
     u"\u011E\u00D1\u00D2\u00D3\u00D4\u00D5\u00D6\u00D7\u00D8\u00D9\u00DA\u00DB\u00DC\u0130\u015E\u00DF"
     u"\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF"
     u"\u011F\u00F1\u00F2\u00F3\u00F4\u00F5\u00F6\u00F7\u00F8\u00F9\u00FA\u00FB\u00FC\u0131\u015F\u00FF"},
    {1257, // Baltic
     u"\u20AC\uFFFD\u201A\uFFFD\u201E\u2026\u2020\u2021\uFFFD\u2030\uFFFD\u2039\uFFFD\u00A8\u02C7\u00B8"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\uFFFD\u203A\uFFFD\u00AF\u02DB\uFFFD"
     u"\u00A0\uFFFD\u00A2\u00A3\u00A4\uFFFD\u00A6\u00A7\u00D8\u00A9\u0156\u00AB\u00AC\u00AD\u00AE\u00C6"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00F8\u00B9\u0157\u00BB\u00BC\u00BD\u00BE\u00E6"
     u"\u0104\u012E\u0100\u0106\u00C4\u00C5\u0118\u0112\u010C\u00C9\u0179\u0116\u0122\u0136\u012A\u013B"
     u"\u0160\u0143\u0145\u00D3\u014C\u00D5\u00D6\u00D7\u0172\u0141\u015A\u016A\u00DC\u017B\u017D\u00DF"
     u"\u0105\u012F\u0101\u0107\u00E4\u00E5\u0119\u0113\u010D\u00E9\u017A\u0117\u0123\u0137\u012B\u013C"
     u"\u0161\u0144\u0146\u00F3\u014D\u00F5\u00F6\u00F7\u0173\u0142\u015B\u016B\u00FC\u017C\u017E\u02D9"},
    {1255, // Hebrew
     u"\u20AC\uFFFD\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\uFFFD\u2039\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\uFFFD\u203A\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\u00A0\u00A1\u00A2\u00A3\u20AA\u00A5\u00A6\u00A7\u00A8\u00A9\u00D7\u00AB\u00AC\u00AD\u00AE\u00AF"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00B8\u00B9\u00F7\u00BB\u00BC\u00BD\u00BE\u00BF"
     u"\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\uFFFD\u05BB\u05BC\u05BD\u05BE\u05BF"
     u"\u05C0\u05C1\u05C2\u05C3\u05F0\u05F1\u05F2\u05F3\u05F4\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DA\u05DB\u05DC\u05DD\u05DE\u05DF"
     u"\u05E0\u05E1\u05E2\u05E3\u05E4\u05E5\u05E6\u05E7\u05E8\u05E9\u05EA\uFFFD\uFFFD\u200E\u200F\uFFFD"},
    {1256, // Arabic
     u"\u20AC\u067E\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0679\u2039\u0152\u0686\u0698\u0688"
     u"\u06AF\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u06A9\u2122\u0691\u203A\u0153\u200C\u200D\u06BA"
     u"\u00A0\u060C\u00A2\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9\u06BE\u00AB\u00AC\u00AD\u00AE\u00AF"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00B8\u00B9\u061B\u00BB\u00BC\u00BD\u00BE\u061F"
     u"\u06C1\u0621\u0622\u0623\u0624\u0625\u0626\u0627\u0628\u0629\u062A\u062B\u062C\u062D\u062E\u062F"
     u"\u0630\u0631\u0632\u0633\u0634\u0635\u0636\u00D7\u0637\u0638\u0639\u063A\u0640\u0641\u0642\u0643"
     u"\u00E0\u0644\u00E2\u0645\u0646\u0647\u0648\u00E7\u00E8\u00E9\u00EA\u00EB\u0649\u064A\u00EE\u00EF"
     u"\u064B\u064C\u064D\u064E\u00F4\u064F\u0650\u00F7\u0651\u00F9\u0652\u00FB\u00FC\u200E\u200F\u06D2"},
    {1258, // Vietnamese
     u"\u20AC\uFFFD\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\uFFFD\u2039\u0152\uFFFD\uFFFD\uFFFD"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\uFFFD\u203A\u0153\uFFFD\uFFFD\u0178"
     u"\u00A0\u00A1\u00A2\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9\u00AA\u00AB\u00AC\u00AD\u00AE\u00AF"
     u"\u00B0\u00B1\u00B2\u00B3\u00B4\u00B5\u00B6\u00B7\u00B8\u00B9\u00BA\u00BB\u00BC\u00BD\u00BE\u00BF"
     u"\u00C0\u00C1\u00C2\u0102\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u0300\u00CD\u00CE\u00CF"
     u"\u0110\u00D1\u0309\u00D3\u00D4\u01A0\u00D6\u00D7\u00D8\u00D9\u00DA\u00DB\u00DC\u01AF\u0303\u00DF"
     u"\u00E0\u00E1\u00E2\u0103\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9\u00EA\u00EB\u0301\u00ED\u00EE\u00EF"
     u"\u0111\u00F1\u0323\u00F3\u00F4\u01A1\u00F6\u00F7\u00F8\u00F9\u00FA\u00FB\u00FC\u01B0\u20AB\u00FF"},
    {874, // Thai
     u"\u20AC\uFFFD\uFFFD\uFFFD\uFFFD\u2026\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"
     u"\u00A0\u0E01\u0E02\u0E03\u0E04\u0E05\u0E06\u0E07\u0E08\u0E09\u0E0A\u0E0B\u0E0C\u0E0D\u0E0E\u0E0F"
     u"\u0E10\u0E11\u0E12\u0E13\u0E14\u0E15\u0E16\u0E17\u0E18\u0E19\u0E1A\u0E1B\u0E1C\u0E1D\u0E1E\u0E1F"
     u"\u0E20\u0E21\u0E22\u0E23\u0E24\u0E25\u0E26\u0E27\u0E28\u0E29\u0E2A\u0E2B\u0E2C\u0E2D\u0E2E\u0E2F"
     u"\u0E30\u0E31\u0E32\u0E33\u0E34\u0E35\u0E36\u0E37\u0E38\u0E39\u0E3A\uFFFD\uFFFD\uFFFD\uFFFD\u0E3F"
     u"\u0E40\u0E41\u0E42\u0E43\u0E44\u0E45\u0E46\u0E47\u0E48\u0E49\u0E4A\u0E4B\u0E4C\u0E4D\u0E4E\u0E4F"
     u"\u0E50\u0E51\u0E52\u0E53\u0E54\u0E55\u0E56\u0E57\u0E58\u0E59\u0E5A\u0E5B\uFFFD\uFFFD\uFFFD\uFFFD"},
};

constexpr bool everyHalfIsWhole() {
    for (const UpperHalf &half : kUpperHalves)
        if (half.chars.size() != 128) return false;
    return true;
}
static_assert(everyHalfIsWhole());

// Windows-1252 stands first: it is the code page of any code page not known here.
const UpperHalf &upperHalf(int codePage) {
    for (const UpperHalf &half : kUpperHalves)
        if (half.codePage == codePage) return half;
    return kUpperHalves[0];
}

bool hasTable(int codePage) {
    return std::any_of(std::begin(kUpperHalves), std::end(kUpperHalves),
                       [&](const UpperHalf &half) { return half.codePage == codePage; });
}

struct ByteOf {
    char16_t c;
    unsigned char byte;
};
using Reverse = std::array<ByteOf, 128>;

// Each upper half sorted by character, made once, for encoding.
const Reverse &reverseOf(const UpperHalf &half) {
    static const auto all = [] {
        std::array<Reverse, std::size(kUpperHalves)> reverse{};
        for (std::size_t t = 0; t < std::size(kUpperHalves); ++t) {
            for (std::size_t i = 0; i < 128; ++i)
                reverse[t][i] = {kUpperHalves[t].chars[i], static_cast<unsigned char>(0x80 + i)};
            std::sort(reverse[t].begin(), reverse[t].end(),
                      [](const ByteOf &a, const ByteOf &b) { return a.c < b.c; });
        }
        return reverse;
    }();
    return all[std::size_t(&half - kUpperHalves)];
}

int byteOf(const UpperHalf &half, char16_t c) {
    if (c < 0x80) return c;
    if (c == 0xFFFD) return -1;
    const Reverse &reverse = reverseOf(half);
    const auto found = std::lower_bound(reverse.begin(), reverse.end(), c,
                                        [](const ByteOf &entry, char16_t key) { return entry.c < key; });
    return found != reverse.end() && found->c == c ? found->byte : -1;
}

// The double-byte code pages, by the names Qt's converters know them by.
struct DoubleByte {
    int codePage;
    const char *name;
};
constexpr DoubleByte kDoubleByte[] = {
    {932, "windows-932"}, {936, "windows-936"}, {949, "windows-949"}, {950, "windows-950"}};

std::optional<QString> fromDoubleByte(int codePage, const char *bytes, qsizetype length) {
    const auto which = std::find_if(std::begin(kDoubleByte), std::end(kDoubleByte),
                                    [&](const DoubleByte &d) { return d.codePage == codePage; });
    if (which == std::end(kDoubleByte)) return std::nullopt;
    // One converter a code page and thread, made when first needed.
    thread_local std::optional<QStringDecoder> decoders[std::size(kDoubleByte)];
    std::optional<QStringDecoder> &decoder = decoders[which - kDoubleByte];
    if (!decoder) decoder.emplace(which->name, QStringConverter::Flag::Stateless);
    if (!decoder->isValid()) return std::nullopt;
    // The converter would keep a lead byte at the end for bytes to come: it is
    // cut off here and stands as U+FFFD.
    qsizetype whole = 0;
    while (whole < length &&
           !(isLeadByte(codePage, static_cast<unsigned char>(bytes[whole])) && whole + 1 == length))
        whole += isLeadByte(codePage, static_cast<unsigned char>(bytes[whole])) ? 2 : 1;
    QString text = decoder->decode(QByteArrayView(bytes, whole));
    if (whole < length) text += QChar(0xFFFD);
    return text;
}

struct CharsetCodePage {
    int charset;
    int codePage;
};
// In the order a run of text tries them.
constexpr CharsetCodePage kCharsets[] = {
    {0, 1252},            // ANSI
    {161, 1253},          // Greek
    {238, 1250},          // Central European
    {204, 1251},          // Russian (Cyrillic)
    {162, 1254},          // Turkish
    {186, 1257},          // Baltic
    {177, 1255},          // Hebrew
    {178, 1256},          // Arabic
    {163, 1258},          // Vietnamese
    {222, 874},           // Thai
    {2, kSymbolCodePage}, // symbol
    {128, 932},           // Shift-JIS
    {129, 949},           // Hangul
    {130, 1361},          // Johab
    {134, 936},           // GB 2312
    {136, 950},           // Big5
};
constexpr int kWritableCharsets = 10;

} // namespace

QString fromCodePage(int codePage, const char *bytes, qsizetype length) {
    if (length <= 0) return {};
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    if (codePage == kSymbolCodePage) {
        for (qsizetype i = 0; i < length; ++i)
            out[i] = QChar(0xF000 | static_cast<unsigned char>(bytes[i]));
        return text;
    }
    if (auto doubleByte = fromDoubleByte(codePage, bytes, length)) return *doubleByte;
    const std::u16string_view upper = upperHalf(codePage).chars;
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte < 0x80 ? QChar(byte) : QChar(upper[byte - 0x80]);
    }
    return text;
}

QByteArray toCodePage(int codePage, const QString &text) {
    const UpperHalf &half = upperHalf(codePage);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(half, text[i].unicode());
        bytes[i] = static_cast<char>(byte < 0 ? '?' : byte);
    }
    return bytes;
}

bool codePageHolds(int codePage, const QString &text) {
    if (!hasTable(codePage)) return false;
    const UpperHalf &half = upperHalf(codePage);
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return byteOf(half, c.unicode()) >= 0; });
}

bool isLeadByte(int codePage, unsigned char byte) {
    switch (codePage) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

int codePageOfCharset(int charset) {
    for (const CharsetCodePage &known : kCharsets)
        if (known.charset == charset) return known.codePage;
    return 1252;
}

int charsetForText(const QString &text) {
    for (int i = 0; i < kWritableCharsets; ++i)
        if (codePageHolds(kCharsets[i].codePage, text)) return kCharsets[i].charset;
    return -1;
}

QString fromCp1252(const char *bytes, qsizetype length) {
    return fromCodePage(1252, bytes, length);
}

int cp1252Byte(char16_t c) {
    return byteOf(upperHalf(1252), c);
}

QByteArray toCp1252(const QString &text) {
    return toCodePage(1252, text);
}
