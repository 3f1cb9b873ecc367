#include "core/displayscale.h"

#include "core/settings.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

std::optional<Zoom> parseZoom(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("fit"), Qt::CaseInsensitive) == 0) return Zoom{};
    bool ok = false;
    const double factor = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(factor) || factor < kMinZoom || factor > kMaxZoom) return std::nullopt;
    return Zoom{false, factor};
}

double fitFactor(const DisplayInfo &display) {
    const double ratio = display.devicePixelRatio > 0 ? display.devicePixelRatio : 1;
    const double across = display.devicePixels.width() / ratio / (kScreenWidthTwips / kTwipsPerPixel);
    const double down = display.devicePixels.height() / ratio / (kScreenHeightTwips / kTwipsPerPixel);
    const double fits = std::min(across, down);
    if (!std::isfinite(fits) || fits <= 1) return 1;
    // A quotient such as 1080 / 600 may come out a hair above its decimal
    // value; the small allowance keeps it from being rounded a step down.
    return std::min(kMaxZoom, std::floor(fits * 10000 + 1e-6) / 10000);
}

ScaleChoice chooseScaleFactor(const QString &zoomSetting, const QByteArray &environmentFactor,
                              const std::function<DisplayInfo()> &display) {
    if (!environmentFactor.trimmed().isEmpty()) return {};
    const Zoom zoom = parseZoom(zoomSetting).value_or(Zoom{});
    if (!zoom.fit && zoom.factor <= 1) return {zoom.factor, {}};
    const DisplayInfo shown = display();
    const double fits = fitFactor(shown);
    if (zoom.fit) return {fits, {}};
    if (shown.devicePixels.isEmpty() || zoom.factor <= fits) return {zoom.factor, {}};
    // 800 x 600 is the least the screens are drawn at, even on a display smaller than that.
    const double ratio = shown.devicePixelRatio > 0 ? shown.devicePixelRatio : 1;
    const QSizeF logical = shown.devicePixels / ratio;
    const bool ownSizeFits = logical.width() >= kScreenWidthTwips / kTwipsPerPixel &&
                             logical.height() >= kScreenHeightTwips / kTwipsPerPixel;
    const char *const correction =
        ownSizeFits
            ? QT_TRANSLATE_NOOP("ScaleChoice", "The zoom %1 does not fit the display (%2 x %3 pixels): the "
                                               "screens are shown at %4, the largest zoom that fits.")
            : QT_TRANSLATE_NOOP("ScaleChoice", "The zoom %1 does not fit the display (%2 x %3 pixels): the "
                                               "screens are shown at %4, their own size of 800 x 600.");
    return {fits, QCoreApplication::translate("ScaleChoice", correction)
                      .arg(QString::number(zoom.factor, 'g', 10))
                      .arg(std::lround(shown.devicePixels.width()))
                      .arg(std::lround(shown.devicePixels.height()))
                      .arg(QString::number(fits, 'g', 10))};
}

QString zoomSetting(const QString &commandLine) {
    if (!commandLine.isEmpty()) return commandLine;
    return launchSetting(QStringLiteral("zoom")).trimmed();
}
