#include "defaultcontent.h"

#include "gifwriter.h"
#include "pictures.h"
#include "questionsource.h"
#include "core/wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

std::optional<QString> writeWhole(const QString &path, const QByteArray &bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return std::nullopt;
    return writeFileWhole(path, bytes);
}

namespace {

std::optional<QByteArray> encodePicture(const QImage &image, const QByteArray &format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpg") writer.setQuality(92);
    if (!writer.write(image)) return std::nullopt;
    return bytes;
}

} // namespace

QStringList writeDefaultContent(const QString &folder, const QString &questionSource) {
    QStringList problems;
    const QDir root(folder);
    for (const QString &sub : {QStringLiteral("Images"), QStringLiteral("logo"), QStringLiteral("multiple")})
        if (!root.mkpath(sub)) problems << root.filePath(sub) + QStringLiteral(": cannot make the folder");
    if (!problems.isEmpty()) return problems;

    const auto store = [&](const QString &relative, const std::optional<QByteArray> &bytes) {
        if (!bytes) {
            problems << relative + QStringLiteral(": cannot encode the picture");
            return;
        }
        if (const auto problem = writeWhole(root.filePath(relative), *bytes)) problems << *problem;
    };

    for (const ContentPicture &picture : contentPictures())
        store(picture.path, encodePicture(renderPicture(picture),
                                          picture.path.endsWith(QStringLiteral(".bmp")) ? "bmp" : "jpg"));
    for (int frame = 0; frame < kLarkFrames; ++frame)
        store(QStringLiteral("logo/lark%1.gif").arg(frame, 4, 10, QLatin1Char('0')),
              encodeGif(larkFrame(frame)));

    problems << writeTopicQuestionSet(folder, questionSource);

    // The catalogue belongs to the teacher once it exists: it is made only
    // where there is none, and never opened for writing otherwise.
    QFile catalogue(root.filePath(QStringLiteral("multiple/track.txt")));
    if (!catalogue.exists()) {
        if (!catalogue.open(QIODevice::WriteOnly | QIODevice::NewOnly) || catalogue.write(" 0 \r\n") != 5)
            problems << catalogue.fileName() + QStringLiteral(": ") + catalogue.errorString();
    }
    return problems;
}

QStringList writeTopicQuestionSet(const QString &folder, const QString &questionSource) {
    const QDir root(folder);
    if (!root.mkpath(QStringLiteral("multiple")))
        return {root.filePath(QStringLiteral("multiple")) + QStringLiteral(": cannot make the folder")};
    const auto parsed = parseQuestionSource(questionSource);
    if (const auto *problem = std::get_if<QString>(&parsed)) return {QStringLiteral("question source, ") + *problem};
    if (const auto written = writeWhole(root.filePath(QStringLiteral("multiple/phidias.txt")),
                                        questionSetFile(std::get<SourceQuestionSet>(parsed))))
        return {*written};
    return {};
}
