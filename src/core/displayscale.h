#pragma once
// Chooses the one scale factor of a run: by default the largest at which an
// 800 x 600 screen fits the primary display, so a projector or a whiteboard
// shows the screens at the display's full height.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

// The zoom setting: fit the display, or a fixed factor.
struct Zoom {
    bool fit = true;
    double factor = 1; // when not fitting
    friend bool operator==(const Zoom &, const Zoom &) = default;
};

inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 8;

// "fit", or a number from kMinZoom to kMaxZoom ("1", "1.5"), blanks around it
// ignored and the letters in any case; anything else is no setting.
std::optional<Zoom> parseZoom(const QString &text);

// The primary display as the platform reports it before this program scales
// anything: its size in device pixels and the ratio of device pixels to
// logical pixels it already has (2 on a high-density laptop).
struct DisplayInfo {
    QSizeF devicePixels;
    double devicePixelRatio = 1;
};

// The largest factor at which 800 x 600 logical pixels fit the display's
// logical size, never below 1. The display's own ratio is divided out first,
// so nothing is scaled twice. Rounded down to four decimals, so the scaled
// screen never exceeds the display.
double fitFactor(const DisplayInfo &display);

// The factor of a run and what the terminal is to be told about it.
struct ScaleChoice {
    // The factor Qt's high-DPI scaling gets, or nothing when Qt is left to itself.
    std::optional<double> factor;
    // Set when a fixed zoom was too large for the display and factor is the
    // one that fits instead: says so, in a sentence.
    QString correction;
};

// The factor Qt's high-DPI scaling gets for the whole run: a QT_SCALE_FACTOR
// the user set (environmentFactor, empty when unset) wins over every setting
// and leaves Qt to itself. An unreadable setting counts as the default, fit.
// A fixed factor above 1 that the display cannot hold gives way to the one
// that fits, as fit would choose it, and says so; a factor of 1 or below is
// kept as asked, so the display is asked for only for fit and factors above 1.
// A display of unknown size keeps every fixed factor.
ScaleChoice chooseScaleFactor(const QString &zoomSetting, const QByteArray &environmentFactor,
                              const std::function<DisplayInfo()> &display);

// The zoom setting of a run: the command line's --zoom when given, else the
// "zoom" key of the settings files, the user's over the system's; empty when
// none says anything.
QString zoomSetting(const QString &commandLine);
