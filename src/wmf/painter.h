#pragma once
// Draws metafile display lists with QPainter: on screen, into images and on paper.

#include "wmf/displaylist.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace wmf {

// The picture's own size in pixels at 96 dpi (15 twips to a pixel), at least 1 x 1.
QSize pixelSize(const DisplayList &list);

// How shapes drawn with a raster operation (XOR and the like) mix with what
// lies under them: by the device where it can (images and widgets), else
// (printers, PDF) as images of the parts they touch at the device's resolution.
enum class Mixing { AsDeviceCan, ByDevice, AsImages };

// Draws the picture's frame stretched onto target, given in the painter's
// own coordinates; nothing is drawn outside target.
void paintDisplayList(QPainter &painter, const DisplayList &list, const QRectF &target,
                      Mixing mixing = Mixing::AsDeviceCan);

// Reads the metafile at path (a file path, not a program path) and draws it
// onto target; false when the file is missing or not a metafile. For paper,
// give target the picture's own size in the printer's units, e.g. for a
// printer of R dots per inch: width = list.widthTwips * R / 1440.
bool drawMetafile(QPainter &painter, const QString &path, const QRectF &target);

// The picture drawn into an image of the given size, or of its own size at
// 96 dpi when size is empty; the parts the picture leaves undrawn show the
// background. A null image when the file is missing or not a metafile.
// Pictures beyond 4096 x 4096 pixels are drawn scaled down to fit.
QImage renderMetafile(const QString &path, QSize size = {}, const QColor &background = Qt::transparent);
QImage renderDisplayList(const DisplayList &list, QSize size = {},
                         const QColor &background = Qt::transparent);

} // namespace wmf
