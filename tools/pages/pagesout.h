#pragma once
// Writes every reading page into a folder, in wmf (for the screen) and wmf2 (for paper).

#include <QString>
#include <QStringList>
#include <functional>

// The pages the viewers open, by file name without ".wmf".
QStringList requiredPages();

// What a page without text is: a problem in the English set, which must have
// every page; left out of a language's own set, whose reader then shows the
// English page.
enum class MissingPage { Problem, LeftOut };

// Reads each page's text through source (empty when there is none), lays it
// out twice and writes folder/wmf/NAME.wmf and folder/wmf2/NAME.wmf. Returns
// the problems met, empty on success.
QStringList writePages(const QString &folder, const std::function<QString(const QString &name)> &source,
                       MissingPage missing = MissingPage::Problem);
