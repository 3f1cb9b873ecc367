#include "gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QImage decodeGif(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

TEST(GifEncoding, APictureOfFewColoursComesBackExactly) {
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 8 * 30, y % 8 * 30, (x + y) % 3 * 90));
    const auto bytes = encodeGif(picture);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->startsWith("GIF8"));
    EXPECT_EQ(decodeGif(*bytes), picture);
}

TEST(GifEncoding, APictureOfManyColoursKeepsEveryPixelClose) {
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 4, 128));
    const auto bytes = encodeGif(picture);
    ASSERT_TRUE(bytes.has_value());
    const QImage decoded = decodeGif(*bytes);
    ASSERT_EQ(decoded.size(), picture.size());
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    // 4096 colours in 256 entries: boxes of 4 x 4 steps of 4, so at most 8 off.
    EXPECT_LE(worst, 8);
}

TEST(GifEncoding, RefusesAPictureThatIsNotThere) {
    EXPECT_FALSE(encodeGif(QImage()).has_value());
}

} // namespace
