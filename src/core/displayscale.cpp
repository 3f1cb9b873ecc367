#include "core/displayscale.h"

#include "core/settings.h"
#include "core/twips.h"

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

std::optional<double> chooseScaleFactor(const QString &zoomSetting, const QByteArray &environmentFactor,
                                        const std::function<DisplayInfo()> &display) {
    if (!environmentFactor.trimmed().isEmpty()) return std::nullopt;
    const Zoom zoom = parseZoom(zoomSetting).value_or(Zoom{});
    if (!zoom.fit) return zoom.factor;
    return fitFactor(display());
}

QString zoomSetting(const QString &commandLine) {
    if (!commandLine.isEmpty()) return commandLine;
    return launchSetting(QStringLiteral("zoom")).trimmed();
}
