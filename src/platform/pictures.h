#pragma once
// Loads the content pictures the screens show.

#include "wmf/displaylist.h"

#include <QImage>
#include <QString>
#include <memory>

// Loads a JPEG, GIF or bitmap picture, or a metafile drawn at its own size; a
// missing, refused or undecodable file gives a null image, and the screen
// shows without it. Its reason is logged.
QImage loadPicture(const QString &programPath);

// A picture as a control shows it: a metafile stays a drawing, so that it is
// drawn at whatever resolution the display has; anything else is an image.
// Both empty when the file is missing or cannot be read, and the problem
// says why (also logged).
struct ScalablePicture {
    QImage image;
    std::shared_ptr<const wmf::DisplayList> metafile;
    QString problem;
};
ScalablePicture loadScalablePicture(const QString &programPath);

// Opens the publisher's web site in the user's browser; a failure is ignored.
void openWebSite();
extern const char *const kPublisherAddress;
