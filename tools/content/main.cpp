// hellas_content OUTDIR: writes the default pictures, logo, animation,
// sounds and question set into OUTDIR, each language's own question set into
// that language's content folder (OUTDIR/el/multiple/phidias.txt), and prints for each jigsaw painting
// the two squares that look most alike.

#include "defaultcontent.h"
#include "pictures.h"
#include "sounds.h"
#include "squares.h"
#include "core/paths.h"

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
    // A language's sources sit beside the English ones, in a folder named by its code.
    const QDir sources(QStringLiteral(":/content"));
    for (const QString &language : sources.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile translated(sources.filePath(language + QStringLiteral("/phidias.txt")));
        if (!translated.open(QIODevice::ReadOnly)) continue;
        for (const QString &problem :
             writeTopicQuestionSet(languageContentFolder(folder, language), QString::fromUtf8(translated.readAll())))
            problems << language + QStringLiteral(": ") + problem;
    }
    for (const QString &problem : problems)
        std::fprintf(stderr, "hellas_content: %s\n", qPrintable(problem));
    if (problems.isEmpty()) printLeastDistantSquares(QDir(folder));
    return problems.isEmpty() ? 0 : 1;
}
