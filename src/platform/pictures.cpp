#include "platform/pictures.h"

#include "core/paths.h"
#include "platform/log.h"
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

namespace {

// A raster picture, or why there is none.
ScalablePicture readImage(const QString &programPath) {
    const QString path = contentPath(programPath);
    QImageReader reader(path);
    // A picture larger than any screen of the program is refused rather than
    // decoded into hundreds of megabytes.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 4096LL * 4096LL)
        return {{}, nullptr, QStringLiteral("larger than 4096 x 4096 pixels")};
    QImage image = reader.read();
    if (image.isNull()) return {{}, nullptr, reader.errorString()};
    return {std::move(image), nullptr, {}};
}

void logProblem(const QString &programPath, const ScalablePicture &picture) {
    if (!picture.problem.isEmpty())
        qCWarning(lcPlatform).noquote() << "picture" << programPath << "not shown:" << picture.problem;
}

} // namespace

QImage loadPicture(const QString &programPath) {
    // Qt reads no metafiles: ours are drawn at their own size.
    if (isMetafile(programPath)) return wmf::renderMetafile(contentPath(programPath));
    ScalablePicture picture = readImage(programPath);
    logProblem(programPath, picture);
    return std::move(picture.image);
}

ScalablePicture loadScalablePicture(const QString &programPath) {
    if (!isMetafile(programPath)) {
        ScalablePicture picture = readImage(programPath);
        logProblem(programPath, picture);
        return picture;
    }
    // The metafile reader logs its own refusals.
    wmf::ReadResult read = wmf::readMetafileFile(contentPath(programPath));
    if (read.problem == wmf::Problem::NotAMetafile || read.problem == wmf::Problem::EmptyPicture)
        return {{}, nullptr, QString::fromLatin1(wmf::problemName(read.problem))};
    return {QImage(), std::make_shared<const wmf::DisplayList>(std::move(read.list)), {}};
}

void openWebSite() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + QString::fromLatin1(kPublisherAddress)));
}
