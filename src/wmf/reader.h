#pragma once
// Reads a 16-bit Windows metafile, with or without the placeable header, into
// a display list, surviving any bytes it is given.

#include "wmf/displaylist.h"

#include <QByteArray>
#include <QString>

namespace wmf {

enum class Problem {
    None,
    NotAMetafile,   // too short, or neither header is there
    EmptyPicture,   // the picture has no size
    BadRecordSize,  // a record shorter than its own header or longer than the file: reading stops
    MissingEof,     // the bytes end without the EOF record
    TooManyRecords, // reading stops at the cap
    TooManyItems,   // reading stops at the cap
    TooManyObjects, // a created object beyond the cap is dropped
    BadObjectIndex, // a select or delete of a slot that holds nothing
    SaveDepth,      // SAVEDC beyond the cap is ignored
    BadRecord,      // counts or fields beyond the record: the record is skipped
    BadBitmap,      // an unsupported, oversized or truncated bitmap is skipped
    TooManyPixels,  // bitmaps beyond the total pixel cap are skipped
};

// Caps that bound the work and memory any file can cause.
inline constexpr int kMaxRecords = 1'000'000;
inline constexpr int kMaxItems = 200'000;
inline constexpr int kMaxObjects = 4096;
inline constexpr int kMaxSaveDepth = 256;
inline constexpr qint64 kMaxBitmapPixels = 16LL * 1024 * 1024;
inline constexpr qint64 kMaxTotalPixels = 32LL * 1024 * 1024;
inline constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

struct ReadResult {
    DisplayList list;                // what was read up to the end or the first fatal problem
    Problem problem = Problem::None; // the first problem met
    qint64 problemOffset = 0;        // byte offset of its record
    bool ok() const { return problem == Problem::None; }
};

ReadResult readMetafile(const QByteArray &bytes);
// A file that cannot be opened, or is larger than kMaxFileBytes, is NotAMetafile.
ReadResult readMetafileFile(const QString &path);

const char *problemName(Problem problem);

} // namespace wmf
