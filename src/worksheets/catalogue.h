#pragma once
// The worksheet catalogue "multiple\track.txt": a count line, then one title a line.

#include "core/module1.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class FieldReader;

// Reads the count into WorksheetCount and titles 1 to the count into
// WorksheetTitles. Stops at the first field that cannot be read, at a count
// that is not a number, or when a 1001st title would be stored; what was read
// by then stays. False when the read stopped early.
bool readCatalogue(FieldReader &fields, SharedState &state);

// The catalogue read of the screens: opens, reads and closes the catalogue
// file, each line decoded on its own (lines added by other programs may be
// in another encoding). A missing or damaged file is not reported.
bool readCatalogueFile(SharedState &state);

// The number of titles of the last read that the shared state really holds:
// a count beyond the thousand places, below zero or with a fraction never
// names a title that is not there.
int listedTitles(const SharedState &state);

enum class CatalogueChange { Added, AlreadyListed, Full, Removed, NotListed, NotOneTitleALine, NotATitle };

// The catalogue file as the store edits it: line by line, so that a change
// touches only the count line and the one line it adds or takes out, and
// every other line is written back byte for byte.
class CatalogueLines {
    Q_DECLARE_TR_FUNCTIONS(CatalogueLines)

  public:
    explicit CatalogueLines(const QByteArray &bytes);
    // The lines are views into the bytes it holds.
    CatalogueLines(const CatalogueLines &) = delete;
    CatalogueLines &operator=(const CatalogueLines &) = delete;

    // Empty when the file is a count line that is a whole number from 0 to
    // 1000, followed by exactly that many lines that each hold one title (no
    // comma, no leading double quote); otherwise what is wrong. A change to
    // such a file could drop or split a title, so it is refused. The problem
    // is worded in the program's language.
    const QString &problem() const { return problem_; }
    // The titles as the catalogue read gives them.
    const QStringList &titles() const { return titles_; }
    // The position (from 0) of a title listed with the same letters, letter
    // case aside; the first such title counts. -1 when there is none.
    int findIgnoringCase(const QString &title) const;

    // Appends the title's line and rewrites the count, unless the title is
    // listed already (letter case aside: on many folders the two name one
    // file), the catalogue is full or has a problem, or the title would not
    // read back as one title of its line.
    CatalogueChange add(const QString &title);
    // Takes out the line of the title's last occurrence (exact, letter case
    // counting) and rewrites the count.
    CatalogueChange remove(const QString &title);

    QByteArray bytes() const;

  private:
    // A line's bytes, left where they are in the file read (or in a line of
    // this catalogue's own), and its line end: "\r\n", "\n", "\r", or
    // nothing on a last line without one.
    struct Line {
        QByteArrayView text;
        QByteArrayView end;
    };
    QByteArrayView keep(QByteArray bytes);
    void rewriteCount();

    QByteArray file_;
    std::deque<QByteArray> own_; // the count and added lines; a deque keeps each where it is
    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
    QStringList titles_;
    QString problem_;
};

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
