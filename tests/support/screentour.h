#pragma once
// A walk through every screen of the program as a teacher clicks through it,
// for tests that look at all of them: each screen is shown in front, with
// the paper, messages and file choosers its buttons bring along the way.

#include "support/recordingprinter.h"

#include <QSet>
#include <QString>
#include <functional>

class QWidget;
class TestWorld;
class wizard;
struct WorksheetDraft;

// The worksheet the tour keeps in the catalogue and opens.
inline const QString TourWorksheet = QStringLiteral("Sculptors of Athens");

// Walks the screens from the title screen to the exit question: the main
// menu, the teachers' guide, the acknowledgments, the topic menu, key facts,
// teacher's notes, the quiz with its results and wrong answers, full marks
// and the certificate, the jigsaw, the painting matching and its results,
// the wizard, the catalogue and a worksheet taken as a quiz and printed.
// `visit` is called with the screen's name each time a screen is in front;
// the printers record what goes on paper. Needs the generated content.
void tourEveryScreen(TestWorld &world, RecordingPrinters &printers,
                     const std::function<void(const QString &screen)> &visit);

// The content the program has shown on the way: the question set and
// worksheet texts and the catalogue's titles, none of it the program's own words.
QSet<QString> tourContent();

// A worksheet of ten questions named after the title, "Who carved statue 1?"
// with answers "Sculptor 1A" to "Sculptor 1D", answer `correct` ticked in each.
WorksheetDraft sampleDraft(const QString &title, int correct = 2);

// Types the draft into the wizard's boxes and clicks Save.
void saveInWizard(wizard &w, const WorksheetDraft &draft);

// A control's object name, or its class where it has none, for reports.
QString controlName(const QWidget *control);
