#pragma once
// The worksheet catalogue "multiple\track.txt": a count line, then one title a line.

#include "shell/module1.h"

class FieldReader;

// Reads the count into WorksheetCount and titles 1 to the count into
// WorksheetTitles. Stops at the first field that cannot be read, at a count
// that is not a number, or when a 1001st title would be stored; what was read
// by then stays. False when the read stopped early.
bool readCatalogue(FieldReader &fields, SharedState &state);

// The catalogue read of the screens: opens, reads and closes the catalogue
// file. A missing or damaged file is not reported.
bool readCatalogueFile(SharedState &state);
