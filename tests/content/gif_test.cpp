#include "gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

// The largest channel difference after encoding and decoding; 1000 when that fails.
int roundTripError(const QImage &picture) {
    const auto bytes = encodeGif(picture);
    if (!bytes || !bytes->startsWith("GIF8")) return 1000;
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage decoded = QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_RGB32);
    if (decoded.size() != picture.size()) return 1000;
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y), b = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    return worst;
}

TEST(GifEncoding, FewColoursComeBackExactlyManyStayCloseAndNoPictureIsRefused) {
    QImage few(37, 23, QImage::Format_RGB32), many(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (few.valid(x, y)) few.setPixel(x, y, qRgb(x % 8 * 30, y % 8 * 30, (x + y) % 3 * 90));
            many.setPixel(x, y, qRgb(x * 4, y * 4, 128));
        }
    EXPECT_EQ(roundTripError(few), 0);
    // 4096 colours in 256 entries: boxes of 4 x 4 steps of 4, so at most 8 off.
    EXPECT_LE(roundTripError(many), 8);
    EXPECT_FALSE(encodeGif(QImage()).has_value());
}

} // namespace
