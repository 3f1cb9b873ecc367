#include "topic/pages.h"

#include <QCoreApplication>

namespace pages {

QString label(int page, int count) {
    //: The page label of the page viewers: 153 by 33 pixels in Tahoma 15.75 bold.
    return QCoreApplication::translate("pages", "Page %1 of %2").arg(page).arg(count);
}

std::optional<QString> notesFile(const QString &folder, const QString &baseName, int page) {
    if (page < 1 || page > MaxNotesPages) return std::nullopt;
    const QChar letter(u'a' + (page - 1));
    return folder + u'\\' + baseName + letter + QStringLiteral(".wmf");
}

QString guideFile(const QString &folder, int page) {
    return folder + QStringLiteral("\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

int nextLogoFrame(int frame) {
    const int next = frame + 1;
    // A counter that somehow left 0 to 19 starts the cycle again rather than
    // asking for frames that do not exist.
    return next >= LogoFrames || next < 0 ? 0 : next;
}

QString logoFrameFile(int frame) {
    return QStringLiteral("logo\\lark%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

} // namespace pages
