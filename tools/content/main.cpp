// hellas_content OUTDIR: writes the default pictures, logo, animation,
// sounds and question set into OUTDIR, and prints for each jigsaw painting
// the two squares that look most alike.

#include "defaultcontent.h"
#include "pictures.h"
#include "sounds.h"
#include "squares.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

void printLeastDistantSquares(const QDir &folder) {
    for (const ContentPicture &picture : contentPictures()) {
        if (picture.size != QSize(kSquareColumns * kSquarePixels, kSquareRows * kSquarePixels)) continue;
        const QImage painting(folder.filePath(picture.path));
        if (painting.isNull()) continue; // already reported as a problem
        const SquarePair least = leastDistantSquares(painting);
        std::printf("squares %s: least distant %d and %d, distance %.1f, floor %.1f%s\n",
                    qPrintable(picture.path), least.first, least.second, least.distance, kSquareDistanceFloor,
                    least.distance > kSquareDistanceFloor ? "" : " (too alike)");
    }
}

} // namespace

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
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QStringList problems = writeDefaultContent(folder, QString::fromUtf8(source.readAll()));
    problems << writeSounds(folder);
    for (const QString &problem : problems)
        std::fprintf(stderr, "hellas_content: %s\n", qPrintable(problem));
    if (problems.isEmpty()) printLeastDistantSquares(QDir(folder));
    return problems.isEmpty() ? 0 : 1;
}
