#pragma once
// Twips, the unit of every position in the layouts: 15 to a pixel, 1440 to an inch.

#include <QPoint>
#include <QRect>
#include <cmath>

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kScreenWidthTwips = 12000;
inline constexpr int kScreenHeightTwips = 9000;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double toTwips(double pixels) { return pixels * kTwipsPerPixel; }

inline QRect toPixels(const TwipRect &r) {
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}
inline QPoint toTwips(const QPoint &pixels) { return pixels * kTwipsPerPixel; }
