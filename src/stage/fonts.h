#pragma once
// The fonts the layouts name, mapped to installed metric-compatible fonts.

#include <QFont>
#include <QString>

// Registers Wine's Tahoma and maps Times New Roman and Arial; call once after
// the application object exists.
void registerFonts();

// A font of the layouts: family as designed, size in points at the design
// resolution of 96 dots per inch, so text keeps its designed size in pixels.
QFont designFont(const QString &family, double points, bool bold = false);
