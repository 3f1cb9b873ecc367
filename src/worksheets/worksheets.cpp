#include "worksheets/worksheets.h"

#include "core/textfields.h"
#include "classroom/exportcommand.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/mainmenu.h"
#include "stage/picturebox.h"
#include "stage/stage.h"
#include "worksheets/catalogue.h"
#include "worksheets/draft.h"
#include "worksheets/wizard.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <algorithm>
#include <memory>

namespace {

QCheckBox *makeTick(const QString &name, const QString &caption, const QColor &text, const TwipRect &where,
                    QWidget *parent) {
    auto *tick = new QCheckBox(caption, parent);
    tick->setObjectName(name);
    tick->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    QPalette palette = tick->palette();
    palette.setColor(QPalette::WindowText, text);
    tick->setPalette(palette);
    tick->setAutoFillBackground(true);
    tick->setAttribute(Qt::WA_NoMousePropagation);
    tick->setGeometry(toPixels(where));
    return tick;
}

TwipRect entryPlace(int i) {
    if (i <= 12) return {120, 720 + 600 * (i - 1), i == 7 ? 5685 : 5715, 375};
    return {6120, 720 + 600 * (i - 13), i == 15 ? 5685 : 5715, 375};
}

// The question set as a loader leaves it, copied into the shared set only once
// the whole file has been read, so a damaged file changes nothing.
void takeQuestionSet(const SharedState &from, SharedState &to) {
    to.SetTitle = from.SetTitle;
    to.Question = from.Question;
    to.AnswerA = from.AnswerA;
    to.AnswerB = from.AnswerB;
    to.AnswerC = from.AnswerC;
    to.AnswerD = from.AnswerD;
    to.CorrectAnswer = from.CorrectAnswer;
}

} // namespace

worksheets::worksheets(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Worksheet Catalogue"));
    //: The heading: one line of 800 pixels, Tahoma 24 bold, between two tick boxes that leave it about 440 pixels in the middle.
    Label1 = addLabel(QStringLiteral("Label1"), tr("Worksheets Catalogue"), {0, 0, 12000, 780},
                      designFont(QStringLiteral("Tahoma"), 24, true), LabelButton::Yellow);
    //: A tick box of 169 pixels with its box, Tahoma 12 bold.
    Check1 = makeTick(QStringLiteral("Check1"), tr("Edit Worksheet"), LabelButton::Yellow,
                      {120, 120, 2535, 375}, this);
    //: A tick box of 169 pixels with its box, Tahoma 12 bold.
    Check2 = makeTick(QStringLiteral("Check2"), tr("Delete Worksheet"), QColor(255, 0, 0),
                      {9240, 120, 2535, 375}, this);
    //: A tick box of 169 pixels with its box, Tahoma 12 bold; also the file chooser's title.
    Check3 = makeTick(QStringLiteral("Check3"), tr("Export Results"), QColor(0, 255, 0),
                      {120, 8460, 2535, 375}, this);
    // A pupil's catalogue only opens worksheets as quizzes.
    if (services().classroom.mode == ClassroomMode::Pupil) {
        for (QCheckBox *tick : {Check1, Check2, Check3})
            tick->hide();
    }

    const QFont large = designFont(QStringLiteral("Tahoma"), 18, true);
    for (int i = 1; i <= TitlesPerPage; ++i)
        Label2[i] = addLabelButton(QStringLiteral("Label2_%1").arg(i), QString(), entryPlace(i), large);
    //: A button of 83 pixels, Tahoma 18 bold.
    Label2[0] = addLabelButton(QStringLiteral("Label2_0"), tr("Exit"), {10560, 7920, 1245, 495}, large);

    const QFont arrows = designFont(QStringLiteral("Tahoma"), 15.75, true);
    Label4 = addLabel(QStringLiteral("Label4"), cataloguePage(Module1, 0).indicator, {120, 7920, 1995, 495},
                      arrows, QColor(0, 0, 255));
    Label4->setAutoFillBackground(true);
    QPalette white = Label4->palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    Label4->setPalette(white);
    //: A button of 213 pixels, Tahoma 15.75 bold.
    Label3[0] =
        addLabelButton(QStringLiteral("Label3_0"), tr("<< Previous Page"), {2640, 7920, 3195, 495}, arrows);
    //: A button of 213 pixels, Tahoma 15.75 bold.
    Label3[1] =
        addLabelButton(QStringLiteral("Label3_1"), tr("Next Page >>"), {6000, 7920, 3195, 495}, arrows);
    for (LabelButton *arrow : Label3)
        arrow->hide();
    emptyCatalogueNote = addLabel(
        QStringLiteral("emptyCatalogueNote"),
        //: One line of 784 pixels, Tahoma 12 bold.
        tr("There are no worksheets yet. Write one with the Multiple Choice Wizard on the main menu."),
        {120, 720, 11760, 375}, designFont(QStringLiteral("Tahoma"), 12, true), LabelButton::Yellow,
        Qt::AlignLeft | Qt::AlignVCenter);
    emptyCatalogueNote->setWordWrap(false);
    emptyCatalogueNote->hide();

    QList<LabelButton *> hover;
    for (int i = 0; i < static_cast<int>(Label2.size()); ++i) {
        hover.append(Label2[i]);
        connect(Label2[i], &LabelButton::clicked, this, [this, i] { Label2_Click(i); });
    }
    setHoverButtons(hover, true, true);
    for (int i = 0; i < static_cast<int>(Label3.size()); ++i)
        connect(Label3[i], &LabelButton::clicked, this, [this, i] { Label3_Click(i); });

    // The modes exclude each other, but unticking one leaves the others alone.
    for (QCheckBox *tick : {Check1, Check2, Check3}) {
        connect(tick, &QCheckBox::clicked, this, [this, tick] {
            if (!tick->isChecked()) return;
            for (QCheckBox *other : {Check1, Check2, Check3})
                if (other != tick) other->setChecked(false);
        });
    }
}

void worksheets::load() {
    fitScreen();
    readCatalogueFile(Module1);
    for (int i = 1; i <= listedTitles(Module1); ++i)
        Module1.WorksheetTitles[i] = unescapeCommas(Module1.WorksheetTitles[i]);
    for (QCheckBox *tick : {Check1, Check2, Check3}) {
        QPalette palette = tick->palette();
        // A tick box fills its back with the button colour.
        palette.setColor(QPalette::Window, StandardBack);
        palette.setColor(QPalette::Button, StandardBack);
        tick->setPalette(palette);
    }
    Module1.CataloguePage = 0;
    const QFont entries = designFont(QStringLiteral("Tahoma"), 12, true);
    for (int i = 1; i <= TitlesPerPage; ++i)
        Label2[i]->setFont(entries);
    workpage();
}

void worksheets::workpage() {
    const CataloguePageView view = cataloguePage(Module1, Module1.CataloguePage);
    Label3[0]->setVisible(view.previous);
    Label3[1]->setVisible(view.next);
    Label4->setText(view.indicator);
    showEntries(view.first, view.last);
}

// Entries 1 to 24 show titles first to last; each goes straight to its new
// caption and visibility, so turning a page repaints only what changed.
void worksheets::showEntries(int first, int last) {
    for (int i = 1; i <= TitlesPerPage; ++i) {
        const int title = first + i - 1;
        const bool shown = title <= last;
        // Titles are kept with "&" for "," in the catalogue; the teacher typed a comma.
        Label2[i]->setCaption(shown ? unescapeCommas(Module1.WorksheetTitles[title]) : QString());
        Label2[i]->setVisible(shown);
    }
    emptyCatalogueNote->setVisible(listedTitles(Module1) == 0);
}

void worksheets::Label3_Click(int index) {
    Module1.CataloguePage += index == 0 ? -1 : 1;
    workpage();
}

void worksheets::Label2_Click(int index) {
    if (index == 0) {
        Stage::current().mainMenu().comeBack();
        unloadScreen();
        return;
    }
    // Results are kept by title, whether or not the worksheet still reads well.
    if (Check3->isChecked())
        exportEntryResults(Label2[index]->caption());
    else
        openWorksheet(Label2[index]->caption());
}

void worksheets::showCorrupted() {
    services().messages->info(tr("This worksheet seems to be corrupted."));
}

void worksheets::openWorksheet(const QString &title) {
    QFile file(WorksheetStore().worksheetPath(title));
    if (!file.open(QIODevice::ReadOnly)) {
        showCorrupted();
        return;
    }
    FieldReader fields = FieldReader::fromDevice(file);
    file.close();
    auto loaded = std::make_unique<SharedState>();
    takeQuestionSet(Module1, *loaded);
    if (!LoadQuestionSet(fields, *loaded)) {
        showCorrupted();
        return;
    }
    openedTitle_ = title;
    if (Check1->isChecked()) {
        if (!draftFromQuestionSet(*loaded)) {
            showCorrupted();
            return;
        }
        takeQuestionSet(*loaded, Module1);
        editworksheet();
        return;
    }
    takeQuestionSet(*loaded, Module1);
    if (Check2->isChecked())
        deleteEntry(title);
    else
        takeQuiz();
}

void worksheets::takeQuiz() {
    // The main menu was unloaded when this screen opened; reading its picture
    // and heading loads it again, hidden, with its own catalogue read.
    const MainMenu &menu = Stage::current().mainMenu();
    multiple &quiz = form<multiple>();
    quiz.Picture1->setPicture(menu.picture().picture(), menu.picture().source());
    quiz.Label5->setText(menu.heading());
    // A teacher who opens a worksheet here may want it on paper as well.
    quiz.Label3[3]->show();
    quiz.worksheetTitle = openedTitle_;
    quiz.showScreen();
}

bool worksheets::editworksheet() {
    const auto draft = draftFromQuestionSet(Module1);
    if (!draft) return false;
    wizard &editor = form<wizard>();
    editor.fill(*draft, openedTitle_);
    editor.showScreen();
    return true;
}

void worksheets::deleteEntry(const QString &title) {
    if (!services().messages->confirm(
            tr("Are you sure that you want to delete the worksheet %1?").arg(title)))
        return;
    Module1.SelectedWorksheet = title;
    if (const StoreResult deleted = delworksheet(); !deleted) {
        // The worksheet itself was read well: the catalogue is what could not change.
        qCWarning(lcWorksheets) << "deleting" << title << "failed:" << deleted.reason();
        services().messages->info(tr("There was a problem deleting your worksheet"));
        return;
    }
    // The arrows and the page indicator stay as they were; the entries of
    // this page are drawn again from the catalogue as it is now.
    const int first = TitlesPerPage * Module1.CataloguePage + 1;
    showEntries(first, std::min(listedTitles(Module1), first + TitlesPerPage - 1));
}

void worksheets::exportEntryResults(const QString &title) {
    // The file's name and the pattern are not translated.
    const QString path =
        services().files->saveFile(tr("Export Results"), title + QStringLiteral(" results.csv"),
                                   tr("Spreadsheet files (%1)").arg(u"*.csv"_qs));
    if (path.isEmpty()) return;
    ResultsFilter filter;
    filter.worksheet = title;
    const ResultsExport results = exportResultsFile(path, services().classroom.resultsFolder, filter);
    if (results.problem) {
        qCWarning(lcWorksheets) << "exporting the results of" << title << "failed:" << *results.problem;
        services().messages->info(tr("There was a problem exporting the results"));
        return;
    }
    // Each sentence with its number is one text; the plural one is never
    // used for one, which has its own sentence.
    QString said = results.exported == 1
                       ? tr("1 result was written to %1.").arg(path)
                       : tr("%n results were written to %1.", nullptr, results.exported).arg(path);
    if (results.skipped == 1)
        said += u' ' + tr("1 result file could not be read and was left out.");
    else if (results.skipped > 1)
        said += u' ' + tr("%n result files could not be read and were left out.", nullptr, results.skipped);
    services().messages->info(said);
}

StoreResult worksheets::delworksheet() {
    return WorksheetStore().deleteWorksheet(Module1.SelectedWorksheet, Module1);
}
