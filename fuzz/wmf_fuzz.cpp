// Any bytes as a metafile: read, then drawn into a small image as a page
// viewer would draw it. The reader's caps keep every input quick and small.

#include "wmf/painter.h"
#include "wmf/reader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Text needs fonts, and fonts need the application object.
    // It is destroyed at exit, so the font caches it holds are released.
    static const std::unique_ptr<QGuiApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "wmf_fuzz";
        static char *argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();

    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const wmf::ReadResult read = wmf::readMetafile(bytes);
    if (read.list.items.size() > std::size_t(wmf::kMaxItems)) std::abort();
    if (read.ok() && read.list.widthTwips <= 0) std::abort();

    QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf::paintDisplayList(painter, read.list, QRectF(0, 0, 80, 60));
    return 0;
}
