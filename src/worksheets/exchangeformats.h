#pragma once
// Inside the exchange formats: each format's reader and writer and the text
// rules they share. exchange.cpp judges what the readers found and words
// every message; the readers and writers only read and write.

#include "worksheets/exchange.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace exchange {

// What a question of a file is, as the wizard judges it. The last four are
// files that say too little to tell.
enum class Kind {
    MultipleChoice,
    TrueFalse,
    ShortAnswer,
    Matching,
    Numerical,
    Essay,
    Description,
    Cloze,
    Other,          // a kind named in typeName
    Unclosed,       // GIFT: a "{" without its "}"
    TwoAnswerLists, // GIFT: a second "{" after the "}" (a blank line missing?)
    NoAnswerLine,   // Aiken: answers without their "ANSWER:" line
    AnswerNamesNone // Aiken: "ANSWER:" names no answer of the question
};

struct RawQuestion {
    Kind kind = Kind::MultipleChoice;
    QString typeName;
    // The question and its answers as the boxes would hold them.
    QString text;
    std::vector<QString> answers;
    std::vector<bool> right;
    // The category in force (a path, as the file writes it).
    QString category;
};

struct RawFile {
    // Set when the file as a whole cannot be read (damaged XML, not a quiz).
    enum class Problem { None, CutShort, Damaged, NotQuiz } problem = Problem::None;
    qint64 problemLine = 0;
    // The number of questions found the format's own way (for recogniseFormat).
    int evidence = 0;
    std::vector<RawQuestion> questions;
};

RawFile readGift(QStringView text);
RawFile readAiken(QStringView text);
RawFile readMoodleXml(const QByteArray &bytes);

QByteArray writeGift(const WorksheetDraft &draft);
QByteArray writeAiken(const WorksheetDraft &draft);
QByteArray writeMoodleXml(const WorksheetDraft &draft);

// The lines of a text, each without its line end (CR LF, LF or CR).
std::vector<QStringView> splitLines(QStringView text);

// Blanks as the formats trim them: space, tab, line ends, form feed, vertical tab.
bool isBlank(QChar c);
QStringView trimBlanks(QStringView text);
// Plain text as a box holds it: blanks at the ends dropped, each run of
// blanks holding a line break one blank.
QString plainText(QStringView text);
// HTML as the plain text it shows: tags dropped (a block tag or <br> is a
// blank), comments dropped, entities and character references resolved,
// each run of blanks one blank and none at either end. A blank written as
// a character reference ("&#32;") is kept where it stands, so that
// textAsHtml can keep every blank.
QString htmlToText(QStringView html);
// Plain text as HTML that htmlToText reads back exactly: <, > and & as
// entities, and every blank that would be collapsed or dropped, and every
// control character, as a character reference.
QString textAsHtml(QStringView text);
// Whether plain text reads back exactly from a format that trims blanks and
// may take <, > and & as markup: no blank at either end or beside another,
// no blank but the space, no control character, no <, > or &.
bool keptAsPlain(QStringView text);

// The category name of a Moodle category path: its last part, after the
// context ("$course$") and the "top" category. "//" in a name is "/".
QString categoryName(QStringView path);

// A category path for a worksheet title, as Moodle's own files write one.
QString categoryPath(const QString &title);

} // namespace exchange
