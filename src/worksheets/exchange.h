#pragma once
// Exchange formats: the wizard's worksheet read from and written as the
// question files of other programs (Moodle's GIFT, Aiken and Moodle XML) and
// as this program's own worksheet file. Rules only: the wizard and the
// command line call these and show or print what they say.

#include "worksheets/draft.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The wizard's boxes: a question or an answer longer than its box cannot be
// held. (The title box is MaxTitleLength, store.h.)
inline constexpr int kQuestionBoxLength = 60;
inline constexpr int kAnswerBoxLength = 30;

// A question file larger than this is refused unread: a quiz of a thousand
// questions is a few hundred kilobytes.
inline constexpr qint64 kImportByteLimit = 8 * 1024 * 1024;

enum class ExchangeFormat { Gift, Aiken, MoodleXml, Worksheet };

// The format the bytes are written in, judged from the content alone (the
// name may be wrong): a file that begins with "<" is Moodle XML (perhaps a
// damaged one) unless it reads as Aiken, or as GIFT when it does not begin
// as XML does ("<?xml", "<quiz", "<!"); the 72-line layout of a question
// set is a worksheet; otherwise Aiken or GIFT, whichever finds more
// questions (an Aiken question may hold braces, a tie is Aiken). Nothing
// for an empty, binary or unrecognised file.
std::optional<ExchangeFormat> recogniseFormat(const QByteArray &bytes);

// The name of a format as the teacher reads it: "GIFT", "Aiken", "Moodle XML", "worksheet".
QString formatName(ExchangeFormat format);
// The format a command line names: "gift", "aiken", "xml" (or "moodlexml"),
// "worksheet", letter case aside.
std::optional<ExchangeFormat> formatFromName(const QString &name);
// The file name ending offered for an exported file, without the dot: "txt" or "xml".
QString fileSuffix(ExchangeFormat format);

// A question of the file that the wizard cannot hold.
struct PassedOver {
    int number = 0;     // its number among the file's questions, from 1 (categories do not count)
    QString firstWords; // the first words of its text, "…" where cut; empty when it has none
    QString reason;     // "3 answers", "longer than 60 characters", "a matching question", …
    // "Question 12, “Which of these…”: 3 answers", or "Question 12: no answers" without text.
    QString line() const;
};

struct ImportResult {
    // Why the file cannot fill the boxes (too large, not a question file,
    // damaged, no question the wizard can hold): when set, leave the boxes
    // unchanged and show message().
    QString problem;
    std::optional<ExchangeFormat> format;
    // The title and the questions taken, from Question 1 on; the boxes after
    // the last question taken are empty and unticked. The title is the
    // file's category (its last part) or question set title, else the file's
    // base name, and may be longer than the title box (see cutTitle).
    WorksheetDraft draft;
    int taken = 0;
    // The questions passed over on the way to the ones taken (after those
    // skipped), and to the end of the file when fewer than ten were taken.
    std::vector<PassedOver> passedOver;
    // The usable questions after the last one taken, and the skipUsable that
    // takes the next ten of them (0 when none remain: the file starts over).
    int remaining = 0;
    int nextSkip = 0;

    // The one message to show: the problem or how many were taken, the
    // passed-over questions and why, and how many remain; empty when ten
    // were taken and there is nothing else to say.
    QString message() const;
};

// Reads a question file and takes its first ten usable questions (after
// skipping skipUsable of them, to take the next ten of a file imported
// again): a question text, exactly four answers of which exactly one is
// right, each text fitting its box and free of "&" (which a worksheet
// cannot keep). Texts are as typed: escapes, entities and character
// references resolved, HTML reduced to its plain text, a line break as one
// blank. Feedback, names, categories and weights are read and ignored.
ImportResult importQuestions(const QByteArray &bytes, const QString &fileBaseName, int skipUsable = 0);
// The same, reading the file as the given format whatever its content.
ImportResult importQuestionsAs(ExchangeFormat format, const QByteArray &bytes, const QString &fileBaseName,
                               int skipUsable = 0);
// Opens and reads the file (never more than kImportByteLimit bytes) and
// imports it, its base name standing for a missing title.
ImportResult importFile(const QString &path, int skipUsable = 0);

// An imported title cut to the title box, a character never split and
// blanks at its end dropped, and the question asking the teacher whether
// to cut it.
QString cutTitle(const QString &title);
QString cutTitleQuestion(const QString &title);

// The worksheet in the boxes as a file of the format, UTF-8 (the worksheet
// format as worksheetBytes writes it): GIFT with the title as its $CATEGORY
// and one "::Qn::" question a block, "=" the right answer and "~" the wrong
// ones; Aiken "A) …" lines and "ANSWER: B"; Moodle XML, a category and one
// multichoice question an item with fractions 100 and 0. Every format reads
// back to the same boxes (see importQuestions). Empty when the draft does
// not pass checkDraft, which says why. The caller writes the bytes whole or
// not at all, as every file of the program is written.
QByteArray exportWorksheet(const WorksheetDraft &draft, ExchangeFormat format);
