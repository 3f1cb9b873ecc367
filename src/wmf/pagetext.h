#pragma once
// The words of a metafile page as a reader meets them: its text records in
// reading order, for screen readers.

#include "wmf/displaylist.h"

#include <QString>

namespace wmf {

// Lines from the top of the page down, the runs of one line from left to
// right joined by a space; lines end with a line break. Runs whose middles
// lie within half a line of each other share a line.
QString pageText(const DisplayList &list);

} // namespace wmf
