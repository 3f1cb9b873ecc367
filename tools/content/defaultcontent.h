#pragma once
// Writes the program's default content into a folder: the pictures, the
// logo and its animation, the topic's question set and an empty catalogue.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Rewrites a file whole (a new file, then a rename), and leaves it alone when
// it already holds these bytes. The problem met, if any.
std::optional<QString> writeWhole(const QString &path, const QByteArray &bytes);

// What is owned by the teacher is never touched: an existing catalogue
// track.txt and every worksheet stay as they are; only the topic's own
// multiple/phidias.txt is (re)written. Returns the problems met, empty on
// success.
QStringList writeDefaultContent(const QString &folder, const QString &questionSource);

// The topic's question set alone, as folder/multiple/phidias.txt: a language's
// own set beside the English content, which has no catalogue of its own.
QStringList writeTopicQuestionSet(const QString &folder, const QString &questionSource);
