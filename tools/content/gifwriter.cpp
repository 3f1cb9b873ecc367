#include "gifwriter.h"

#include <QHash>
#include <algorithm>
#include <gif_lib.h>
#include <vector>

namespace {

int appendBytes(GifFileType *gif, const GifByteType *bytes, int length) {
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

std::vector<QRgb> mostUsedColours(const QImage &image, int limit) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[row[x]];
    }
    std::vector<std::pair<int, QRgb>> ranked;
    ranked.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.emplace_back(it.value(), it.key());
    // Ties broken by colour so the same picture always gives the same file.
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<QRgb> palette;
    for (int i = 0; i < int(ranked.size()) && i < limit; ++i)
        palette.push_back(ranked[i].second);
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
    const std::vector<QRgb> palette = mostUsedColours(image, 256);

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
