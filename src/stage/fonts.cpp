#include "stage/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

void registerFonts() {
    // Only Wine's regular Tahoma is registered: under Qt 6.4 its bold file
    // draws regular outlines at bold widths, while Qt's own emboldening of
    // the regular face draws a true bold.
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    const bool haveTahoma = QFile::exists(tahoma) && QFontDatabase::addApplicationFont(tahoma) >= 0;
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (!haveTahoma) QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
}

QFont designFont(const QString &family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    return font;
}
