// hellas_content OUTDIR: writes the default pictures, logo, animation and
// question set into OUTDIR.

#include "defaultcontent.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hellas_content OUTDIR\n");
        return 2;
    }
    QFile source(QStringLiteral(":/content/phidias.txt"));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "hellas_content: the question source is missing from the build\n");
        return 1;
    }
    const QStringList problems =
        writeDefaultContent(QString::fromLocal8Bit(argv[1]), QString::fromUtf8(source.readAll()));
    for (const QString &problem : problems)
        std::fprintf(stderr, "hellas_content: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
