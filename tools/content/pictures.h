#pragma once
// The pictures of the Images and logo folders, drawn procedurally at the size
// of the control that shows each.

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class Brush;

struct ContentPicture {
    QString path; // relative to the content folder, "/" separated
    QSize size;   // pixels, from the twip size of the control that shows it
    std::function<void(Brush &)> draw;
};

// Every JPEG of Images and the publisher's logo bitmap.
QList<ContentPicture> contentPictures();
// The frames of the lark animation, lark0000.gif to lark0019.gif.
inline constexpr int kLarkFrames = 20;
inline constexpr QSize kLarkFrameSize{120, 120};
QImage larkFrame(int frame);

// A picture for the reading pages by name ("zeus", "parthenon", "homer",
// "painting"); a null image for a name it does not know.
QImage pagePicture(const QString &name);

// Draws at twice the size and scales down, for smooth edges in small pictures.
QImage renderPicture(const ContentPicture &picture);
