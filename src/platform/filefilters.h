#pragma once
// File choosers' filters as the desktop's dialogs take them.

#include <QString>

// The ending a name saved under the filter gets when it is typed without one:
// the first "*.ending" pattern of the filter, without the dot ("xml" for
// "Moodle XML files (*.xml)", "txt" for "GIFT files (*.txt *.gift)"); empty
// for a filter of every file.
QString filterSuffix(const QString &filter);
