#include "topic/phidias.h"

#include "core/module1.h"
#include "core/paths.h"
#include "jigsaw/jigsaw.h"
#include "matching/phidiaslab.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/mainmenu.h"
#include "stage/picturebox.h"
#include "stage/stage.h"
#include "topic/pages.h"
#include "topic/teacher.h"

#include <QLabel>

namespace {
enum Entry { MultipleChoice = 0, FamousPaintings = 1, Exit = 2, Jigsaw = 3, KeyFacts = 4, TeachersNotes = 5 };

// Captions in Tahoma 15.75 bold: 213 pixels for the three activities and
// "Teacher's Notes", 133 for "Key Facts", 83 for "Exit".
constexpr ButtonLayout kEntries[6] = {
    {QT_TRANSLATE_NOOP("phidias", "Multiple Choice"), {120, 7920, 3195, 495}},
    {QT_TRANSLATE_NOOP("phidias", "Famous Paintings"), {3600, 7920, 3195, 495}},
    {QT_TRANSLATE_NOOP("phidias", "Exit"), {10560, 7920, 1245, 495}},
    {QT_TRANSLATE_NOOP("phidias", "Jigsaw"), {7080, 7920, 3195, 495}},
    //: A button of 133 by 33 pixels in Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("phidias", "Key Facts"), {6360, 120, 1995, 495}},
    {QT_TRANSLATE_NOOP("phidias", "Teacher's Notes"), {8640, 120, 3195, 495}},
};

// The viewer's load step reads the page count, so the run is set up before
// the viewer is touched.
void openNotes(int pageCount, const QString &baseName) {
    Module1.PageCount = pageCount;
    Module1.PageBaseName = baseName;
    form<teacher>().Image1->load(*pages::notesFile(QStringLiteral("wmf"), baseName, 1));
    form<teacher>().Image2->load(*pages::notesFile(QStringLiteral("wmf2"), baseName, 1));
    form<teacher>().showScreen();
}
} // namespace

phidias::phidias(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Phidias"));
    // The empty image lies beneath everything and takes the mouse over the
    // picture, so moving there changes nothing.
    Image1 = addPicture(QStringLiteral("Image1"), {0, 0, 12000, 7965});
    Label1 = addLabel(QStringLiteral("Label1"), tr("Phidias"), {120, 0, 4920, 900},
                      designFont(QStringLiteral("Times New Roman"), 27.75, true), LabelButton::Yellow,
                      Qt::AlignLeft | Qt::AlignVCenter);
    const QFont font = designFont(QStringLiteral("Tahoma"), 15.75, true);
    const QList<LabelButton *> buttons =
        addLabelButtons(QStringLiteral("label3"), kEntries, font, [this](int i) { label3_Click(i); });
    std::copy(buttons.begin(), buttons.end(), label3.begin());
    setHoverButtons(buttons, true, false);
    setHarmful({label3[Exit]});
}

void phidias::load() {
    fitScreen();
    setBackColour(QColor(72, 63, 54));
    setBackgroundPicture(loadPicture(QStringLiteral("Images\\phidias2.jpg")));
    const QRect at = Image1->geometry();
    Image1->move(toPixels((kScreenWidthTwips - toTwips(at.width())) / 2), at.y());
}

void phidias::label3_Click(int index) {
    switch (index) {
    case MultipleChoice: {
        // The set is read before the quiz screen is touched: its load step
        // starts the quiz on it. A missing or short file starts no quiz.
        const QString topicSet = programfile::inWorksheetFolder(programfile::TopicQuestionSet);
        if (!loadQuestionSetFile(topicSet, Module1).isEmpty()) {
            services().messages->info(tr("This question set could not be read."));
            break;
        }
        form<multiple>().Picture1->load(QStringLiteral("Images\\phidiassm.jpg"));
        form<multiple>().Label5->setText(standardCaption());
        form<multiple>().showScreen();
        break;
    }
    case Exit:
        Stage::current().mainMenu().comeBack();
        unloadScreen();
        break;
    case FamousPaintings:
        form<phidiaslab>().showScreen();
        break;
    case Jigsaw:
        form<jigsaw>().showScreen();
        break;
    case KeyFacts:
        openNotes(2, QStringLiteral("key phidias"));
        break;
    case TeachersNotes:
        openNotes(1, QStringLiteral("phidias"));
        break;
    default:
        break;
    }
}
