// hellas_pages OUTDIR: lays out the reading pages as metafiles in OUTDIR/wmf
// (for the screen) and OUTDIR/wmf2 (for paper).

#include "pagesout.h"
#include "stage/fonts.h"

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
    const auto source = [](const QString &name) {
        QFile file(QStringLiteral(":/content/pages/") + name + QStringLiteral(".txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QStringList problems = writePages(QString::fromLocal8Bit(argv[1]), source);
    for (const QString &problem : problems)
        std::fprintf(stderr, "hellas_pages: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
