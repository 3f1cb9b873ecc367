#pragma once
// Reads the primary display before the application object exists and gives
// Qt's high-DPI scaling the run's one factor.

#include "core/displayscale.h"

// The primary display, read through a short-lived QGuiApplication of its own
// that is gone again on return; argv is not changed. No display: an empty one.
DisplayInfo probePrimaryDisplay(int argc, char **argv);

// Sets the scale factor of the whole run from the zoom setting (see
// zoomSetting); call it once, before the QApplication is created, with the
// arguments that application will get. The display is read only when the
// setting is to fit it or a factor above 1 (which it may not hold), and Qt is
// left alone when QT_SCALE_FACTOR is set. An unreadable setting and a factor
// too large for the display are reported on standard error.
void applyDisplayScale(const QString &zoomSetting, int argc, char **argv);
