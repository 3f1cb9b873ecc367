#pragma once
// Pixel comparisons shared by the drawing tests.

#include <QImage>
#include <cstdlib>

// The mean difference of two same-sized images' grey levels, 0 to 255.
inline double meanGreyDifference(const QImage &a, const QImage &b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return total / (a.width() * a.height());
}
