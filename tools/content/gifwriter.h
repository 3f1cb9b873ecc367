#pragma once
// GIF encoding for the logo animation's frames (Qt reads GIF but cannot write it).

#include <QByteArray>
#include <QImage>
#include <optional>

// One picture as a GIF file of one frame with a palette of at most 256
// colours chosen by median cut, each pixel mapped to the nearest. Nothing on
// failure.
std::optional<QByteArray> encodeGif(const QImage &picture);
