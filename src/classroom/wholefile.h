#pragma once
// Writes a file whole or not at all, for the result records and the export.

#include <QByteArray>
#include <QString>
#include <optional>

// Writes the bytes to a new hidden file beside the path, made with O_EXCL so
// that no other writer shares it, syncs it, then renames it to the path, so
// a reader sees the whole file or none. The file may be read by its owner's
// group (a teachers' group reads pupils' records through a folder's default
// access list), by no one else. The reason when it fails; nothing left behind.
std::optional<QString> saveWhole(const QString &path, const QByteArray &bytes);
