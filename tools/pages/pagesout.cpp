#include "pagesout.h"

#include "pagelayout.h"
#include "pictures.h"
#include "core/wholefile.h"

#include <QDir>

QStringList requiredPages() {
    return {
        QStringLiteral("key phidiasa"), QStringLiteral("key phidiasb"), QStringLiteral("phidiasa"),
        QStringLiteral("guide1"),       QStringLiteral("guide2"),       QStringLiteral("guide3"),
        QStringLiteral("guide4"),       QStringLiteral("guide5"),       QStringLiteral("acknowledgments")};
}

QStringList writePages(const QString &folder, const std::function<QString(const QString &name)> &source,
                       MissingPage missing) {
    QStringList problems;
    const QDir root(folder);
    for (const QString &sub : {QStringLiteral("wmf"), QStringLiteral("wmf2")})
        if (!root.mkpath(sub)) problems << root.filePath(sub) + QStringLiteral(": cannot make the folder");
    if (!problems.isEmpty()) return problems;

    const PictureSource pictures = [](const QString &name) { return pagePicture(name); };
    for (const QString &name : requiredPages()) {
        const QString text = source(name);
        if (text.isEmpty()) {
            if (missing == MissingPage::Problem) problems << name + QStringLiteral(": no text for this page");
            continue;
        }
        const auto parsed = parsePageText(text);
        if (const auto *problem = std::get_if<QString>(&parsed)) {
            problems << name + QStringLiteral(": ") + *problem;
            continue;
        }
        const PageText &page = std::get<PageText>(parsed);
        const int screenWidth =
            name == QLatin1String("acknowledgments") ? kAcknowledgmentsScreenWidth : kScreenPageWidth;
        const std::pair<QString, PageStyle> targets[] = {{QStringLiteral("wmf"), screenStyle(screenWidth)},
                                                         {QStringLiteral("wmf2"), paperStyle()}};
        for (const auto &[sub, style] : targets) {
            const auto laidOut = layoutPage(page, style, pictures);
            if (const auto *problem = std::get_if<QString>(&laidOut)) {
                problems << sub + u'/' + name + QStringLiteral(": ") + *problem;
                continue;
            }
            const QByteArray &bytes = std::get<LaidOutPage>(laidOut).metafile;
            if (const auto problem = writeFileWhole(root.filePath(sub + u'/' + name + QStringLiteral(".wmf")), bytes))
                problems << *problem;
        }
    }
    return problems;
}
