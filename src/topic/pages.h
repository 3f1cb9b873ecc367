#pragma once
// Page files, page labels and the logo animation of the page viewers.

#include <QString>
#include <optional>

namespace pages {

// A notes run has at most five pages, lettered "a" to "e".
inline constexpr int MaxNotesPages = 5;
inline constexpr int LogoFrames = 20;

// "Page 1 of 2".
QString label(int page, int count);

// Page n of the notes run with the given base name in a page folder, as
// "wmf\key phidiasb.wmf"; nothing for a page outside 1 to 5.
std::optional<QString> notesFile(const QString &folder, const QString &baseName, int page);

// "wmf\guide3.wmf".
QString guideFile(const QString &folder, int page);

// The frame after the given one: 1, 2, ..., 19, 0, 1, ...
int nextLogoFrame(int frame);
// "logo\lark0007.gif".
QString logoFrameFile(int frame);

} // namespace pages
