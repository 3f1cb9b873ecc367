#pragma once
// The Worksheet Catalogue: the saved worksheets 24 to a page, each taken as a
// quiz, opened in the wizard for editing, deleted or its results exported, as
// the tick boxes choose. A pupil sees no tick box and takes every one as a quiz.

#include "stage/screen.h"
#include "worksheets/store.h"

#include <array>

class LabelButton;
class QCheckBox;
class QLabel;

class worksheets : public Screen {
    Q_OBJECT
  public:
    explicit worksheets(QWidget *parent);

    QLabel *Label1 = nullptr;
    // 0 "Exit", 1 to 24 the titles of the page: 1 to 12 the left column, 13 to 24 the right.
    std::array<LabelButton *, 25> Label2{};
    // 0 "<< Previous Page", 1 "Next Page >>".
    std::array<LabelButton *, 2> Label3{};
    QLabel *Label4 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    // "Export Results": a click on a title writes its results as a CSV file.
    QCheckBox *Check3 = nullptr;
    // Where the first entries would stand: what to do when there are none.
    QLabel *emptyCatalogueNote = nullptr;

    // Shows page CataloguePage.
    void workpage();
    // Fills the wizard from the loaded question set and shows it; false when a
    // correct answer cannot tick a box, and then the wizard is left alone.
    bool editworksheet();
    // Takes SelectedWorksheet out of the catalogue.
    StoreResult delworksheet();

  protected:
    void load() override;

  private:
    void Label2_Click(int index);
    void Label3_Click(int index);
    void openWorksheet(const QString &title);
    void takeQuiz();
    void deleteEntry(const QString &title);
    void exportEntryResults(const QString &title);
    void showCorrupted();
    void showEntries(int first, int last);

    // The title clicked last, whose worksheet is loaded.
    QString openedTitle_;
};
