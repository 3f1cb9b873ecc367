#include "platform/pictures.h"

#include "core/paths.h"
#include "wmf/painter.h"
#include "wmf/reader.h"

#include <QDesktopServices>
#include <QDir>
#include <QImageReader>
#include <QUrl>

const char *const kPublisherAddress = "www.larkspur.example";

namespace {

bool isMetafile(const QString &programPath) {
    return programPath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
}

} // namespace

QImage loadPicture(const QString &programPath) {
    // Qt reads no metafiles: ours are drawn at their own size.
    if (isMetafile(programPath)) return wmf::renderMetafile(contentPath(programPath));
    QImageReader reader(contentPath(programPath));
    // A picture larger than any screen of the program is refused rather than
    // decoded into hundreds of megabytes.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 4096LL * 4096LL) return {};
    return reader.read();
}

ScalablePicture loadScalablePicture(const QString &programPath) {
    if (!isMetafile(programPath)) return {loadPicture(programPath), nullptr};
    wmf::ReadResult read = wmf::readMetafileFile(contentPath(programPath));
    if (read.problem == wmf::Problem::NotAMetafile || read.problem == wmf::Problem::EmptyPicture) return {};
    return {QImage(), std::make_shared<const wmf::DisplayList>(std::move(read.list))};
}

void openWebSite() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + QString::fromLatin1(kPublisherAddress)));
}
