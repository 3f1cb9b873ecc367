#include "shell/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

void registerFonts() {
    bool haveTahoma = false;
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(file)))
            haveTahoma = QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0 || haveTahoma;
    }
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
