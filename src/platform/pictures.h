#pragma once
// Loads the content pictures the screens show.

#include <QImage>
#include <QString>

// Loads a JPEG, GIF or bitmap picture; a missing or undecodable file gives a
// null image, and the screen shows without it.
QImage loadPicture(const QString &programPath);

// Opens the publisher's web site in the user's browser; a failure is ignored.
void openWebSite();
extern const char *const kPublisherAddress;
