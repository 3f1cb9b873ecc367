#pragma once
// "--import" and "--export": worksheets to and from a learning platform's
// question files from the command line, with no display.

#include "core/module1.h"

#include <QString>

class WorksheetStore;

// What to print and the exit code: 0 when everything asked for was done, 1
// when something could not be (the reason on standard error), 2 for a
// format the program does not write.
struct ExchangeAnswer {
    int exitCode = 0;
    QString output;
    QString errors;
};

// Each ten usable questions of the file, in order, become a worksheet
// "<title> 1", "<title> 2", … (the title cut so that the number fits the
// title box), checked as the wizard checks them and saved into the store. A
// worksheet of that name that exists already is left as it is: without a
// teacher to ask, nothing is replaced. Questions passed over and the few
// left after the last ten are listed.
ExchangeAnswer importWorksheetsCommand(const QString &path, const WorksheetStore &store, SharedState &state);

// The worksheet the catalogue lists as `title`, written whole to the output
// file in the named format (see formatFromName).
ExchangeAnswer exportWorksheetCommand(const QString &title, const QString &format, const QString &outputPath,
                                      const WorksheetStore &store);
