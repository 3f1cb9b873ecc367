#pragma once
// Pixel comparisons shared by the drawing tests.

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>

// The mean difference of two same-sized images' grey levels, 0 to 255.
inline double meanGreyDifference(const QImage &a, const QImage &b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return total / (a.width() * a.height());
}

// The bounding box of the pixels of one colour, give or take anti-aliasing.
inline QRect inkOf(const QImage &image, QColor colour, int tolerance = 60) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                           std::abs(c.blue() - colour.blue()) <
                                       tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}
