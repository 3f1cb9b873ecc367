#pragma once
// Writes a file whole or not at all: the one way the program and its tools
// replace a file on disc.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Writes the bytes to a temporary file beside the path, checks every write,
// the sync to the disc and the close, then renames it over the path and syncs
// the folder, which must exist. On any
// failure the temporary file is removed and the old file, if there was one,
// is left exactly as it was; the result is then the reason, naming the path.
// Nothing means written.
//
// QSaveFile is not used: in Qt 6.4 a write that fails inside commit() (a full
// disc, a quota) still renames the short file over the old one, and the
// result of its sync is ignored.
// A new file may be read by everyone the folder lets in, or only by its owner
// and the owner's group (a pupil's result, read by the teachers' group
// through the folder's default access list). A replaced file keeps its own.
enum class NewFileReaders { Everyone, OwnerAndGroup };
std::optional<QString> writeFileWhole(const QString &path, const QByteArray &bytes,
                                      NewFileReaders readers = NewFileReaders::Everyone);

// Whether a file name is one of the temporary files writeFileWhole makes:
// "<name>.partial-XXXXXX". Files that older copies of the program left
// through QSaveFile ("<name>.txt.XXXXXX" beside "<name>.txt") count too.
bool isLeftoverTemporary(const QString &fileName, const QStringList &siblings);

// Removes the temporary files a writer killed part-way left in a folder,
// those older than a minute (a younger one may belong to a save in progress
// on another machine). Returns the names removed.
QStringList removeLeftoverTemporaries(const QString &folder);
