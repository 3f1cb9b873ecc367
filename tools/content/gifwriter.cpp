#include "gifwriter.h"

#include <QHash>
#include <algorithm>
#include <climits>
#include <gif_lib.h>
#include <vector>

namespace {

int appendBytes(GifFileType *gif, const GifByteType *bytes, int length) {
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

struct ColourCount {
    QRgb colour;
    int count;
};

int channel(QRgb colour, int which) {
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// A palette by median cut: the colours in use are split, again and again, at
// the weighted median of the box with the widest spread, and each box gives
// its weighted mean. A picture of few colours keeps them all exactly.
std::vector<QRgb> paletteFor(const QImage &image, int limit) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[row[x] | 0xFF000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    // Sorted first, so the same picture always gives the same file.
    std::sort(colours.begin(), colours.end(),
              [](const auto &a, const auto &b) { return a.colour < b.colour; });
    if (int(colours.size()) <= limit) {
        std::vector<QRgb> palette;
        for (const ColourCount &c : colours)
            palette.push_back(c.colour);
        return palette;
    }

    struct Box {
        std::size_t begin;
        std::size_t end;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (int(boxes.size()) < limit) {
        int widest = -1;
        int widestChannel = 0;
        int widestRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            for (int c = 0; c < 3; ++c) {
                int low = 255;
                int high = 0;
                for (std::size_t k = boxes[i].begin; k < boxes[i].end; ++k) {
                    low = std::min(low, channel(colours[k].colour, c));
                    high = std::max(high, channel(colours[k].colour, c));
                }
                if (high - low > widestRange) {
                    widestRange = high - low;
                    widest = i;
                    widestChannel = c;
                }
            }
        }
        if (widest < 0) break;
        const Box box = boxes[widest];
        std::stable_sort(colours.begin() + box.begin, colours.begin() + box.end,
                         [&](const auto &a, const auto &b) {
                             return channel(a.colour, widestChannel) < channel(b.colour, widestChannel);
                         });
        qint64 total = 0;
        for (std::size_t k = box.begin; k < box.end; ++k)
            total += colours[k].count;
        std::size_t split = box.begin + 1;
        for (qint64 seen = colours[box.begin].count; split < box.end - 1 && seen * 2 < total; ++split)
            seen += colours[split].count;
        boxes[widest] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    std::vector<QRgb> palette;
    for (const Box &box : boxes) {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (std::size_t k = box.begin; k < box.end; ++k) {
            r += qint64(qRed(colours[k].colour)) * colours[k].count;
            g += qint64(qGreen(colours[k].colour)) * colours[k].count;
            b += qint64(qBlue(colours[k].colour)) * colours[k].count;
            n += colours[k].count;
        }
        palette.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    return palette;
}

int nearest(const std::vector<QRgb> &palette, QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < int(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

std::optional<QByteArray> encodeGif(const QImage &picture) {
    if (picture.isNull()) return std::nullopt;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> palette = paletteFor(image, 256);

    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    if (!map) return std::nullopt;
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < int(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
    }

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return std::nullopt;
    }
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;

    QHash<QRgb, GifPixelType> indexOf;
    std::vector<GifPixelType> line(image.width());
    for (int y = 0; ok && y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            auto found = indexOf.constFind(row[x]);
            if (found == indexOf.cend())
                found = indexOf.insert(row[x], GifPixelType(nearest(palette, row[x])));
            line[x] = *found;
        }
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok) return std::nullopt;
    return bytes;
}
