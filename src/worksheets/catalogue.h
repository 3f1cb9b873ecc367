#pragma once
// The worksheet catalogue "multiple\track.txt": a count line, then one title a line.

#include "shell/module1.h"

#include <QByteArray>
#include <QString>

class FieldReader;

// Reads the count into WorksheetCount and titles 1 to the count into
// WorksheetTitles. Stops at the first field that cannot be read, at a count
// that is not a number, or when a 1001st title would be stored; what was read
// by then stays. False when the read stopped early.
bool readCatalogue(FieldReader &fields, SharedState &state);

// The catalogue read of the screens: opens, reads and closes the catalogue
// file. A missing or damaged file is not reported.
bool readCatalogueFile(SharedState &state);

// The number of titles of the last read that the shared state really holds:
// a count beyond the thousand places, below zero or with a fraction never
// names a title that is not there.
int listedTitles(const SharedState &state);

// True when the count of the last read is a whole number from 0 to 1000, so
// the catalogue can be rewritten from the shared state without losing titles.
bool countIsWhole(const SharedState &state);

// The catalogue file for titles 1 to WorksheetCount: the count with a blank
// either side, then one title a line, every line ended by CR LF.
QByteArray catalogueBytes(const SharedState &state);

enum class CatalogueChange { Added, AlreadyListed, Full, Removed, NotListed, Damaged };

// Enters a title after the last one unless the very same text (case
// counts) is listed already or the catalogue is full. WorksheetCount follows
// at once.
CatalogueChange addTitle(SharedState &state, const QString &title);

// Takes out the last occurrence of a title and closes the gap; a title that is
// not listed takes nothing out. WorksheetCount follows at once.
CatalogueChange removeTitle(SharedState &state, const QString &title);

// What one page of the catalogue screen shows: titles first to last (from 1;
// none when last < first), the arrows and the page indicator.
struct CataloguePageView {
    int first = 1;
    int last = 0;
    bool previous = false;
    bool next = false;
    QString indicator;
};

inline constexpr int TitlesPerPage = 24;
// The page that holds titles 985 to 1000 of a full catalogue.
inline constexpr int LastCataloguePage = (SharedState::MaxWorksheets - 1) / TitlesPerPage;

CataloguePageView cataloguePage(const SharedState &state, int page);
