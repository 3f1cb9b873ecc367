#include "platform/pictures.h"

#include "shell/paths.h"
#include "wmf/painter.h"

#include <QDesktopServices>
#include <QDir>
#include <QImageReader>
#include <QUrl>

const char *const kPublisherAddress = "www.larkspur.example";

QImage loadPicture(const QString &programPath) {
    // Qt reads no metafiles: ours are drawn at their own size.
    if (programPath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
        return wmf::renderMetafile(contentPath(programPath));
    QImageReader reader(contentPath(programPath));
    // A picture larger than any screen of the program is refused rather than
    // decoded into hundreds of megabytes.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 4096LL * 4096LL) return {};
    return reader.read();
}

void openWebSite() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + QString::fromLatin1(kPublisherAddress)));
}
