// hellas_pages OUTDIR: lays out the reading pages as metafiles in OUTDIR/wmf
// (for the screen) and OUTDIR/wmf2 (for paper), and each language's own pages
// the same way in that language's content folder (OUTDIR/el/wmf, OUTDIR/el/wmf2).

#include "pagesout.h"
#include "core/paths.h"
#include "stage/fonts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    // Text is measured with the fonts the program draws it with.
    registerFonts();
    if (argc != 2) {
        std::fprintf(stderr, "usage: hellas_pages OUTDIR\n");
        return 2;
    }
    const auto sourceIn = [](const QString &pages) {
        return [pages](const QString &name) {
            QFile file(pages + u'/' + name + QStringLiteral(".txt"));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
    };
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QStringList problems = writePages(folder, sourceIn(QStringLiteral(":/content/pages")));
    // A language's pages sit beside the English ones, under a folder named by its code;
    // a page it lacks is shown in English.
    const QDir sources(QStringLiteral(":/content"));
    for (const QString &language : sources.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString pages = sources.filePath(language + QStringLiteral("/pages"));
        if (language == QLatin1String("pages") || !QDir(pages).exists()) continue;
        for (const QString &problem :
             writePages(languageContentFolder(folder, language), sourceIn(pages), MissingPage::LeftOut))
            problems << language + QStringLiteral(": ") + problem;
    }
    for (const QString &problem : problems)
        std::fprintf(stderr, "hellas_pages: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
