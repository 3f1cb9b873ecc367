#pragma once
// The Multiple Choice Wizard: a teacher writes a ten-question worksheet, has it
// checked and saves it into the worksheet store.

#include "stage/screen.h"
#include "worksheets/draft.h"
#include "worksheets/store.h"

#include <array>

class LabelButton;
class QCheckBox;
class QLabel;
class QLineEdit;

class wizard : public Screen {
    Q_OBJECT
  public:
    explicit wizard(QWidget *parent);

    QLineEdit *Text1 = nullptr;
    // Text2[q] is question q+1; Text3[4q+a] and Check1[4q+a] its answer a (0 = A to 3 = D).
    std::array<QLineEdit *, kQuestionsPerSet> Text2{};
    std::array<QLineEdit *, kWizardAnswers> Text3{};
    std::array<QCheckBox *, kWizardAnswers> Check1{};
    // 0 "Exit", 1 "Save Worksheet", 2 "Import Questions", 3 "Export Worksheet".
    std::array<LabelButton *, 4> Label3{};
    // 0 the heading, 1 "Worksheet Title", then the question and letter captions.
    std::array<QLabel *, 52> Label1{};

    // Checks the worksheet in the boxes and saves it when it is complete.
    void genwork();
    // Writes the checked worksheet's file and enters it in the catalogue, then
    // says how it went. A title that names another worksheet replaces it only
    // when the teacher agrees (see saveTarget).
    void saveworksheet(const WorksheetDraft &checked);

    // What the boxes hold.
    WorksheetDraft draft() const;
    // Fills the boxes to edit the worksheet the catalogue lists as
    // `listedTitle`; ticks the ticked answers and leaves the other tick boxes
    // as they are. Saving it under its own title again asks nothing.
    void fill(const WorksheetDraft &draft, const QString &listedTitle);

    // Fills the boxes with the next questions of a file the teacher picks,
    // as a new worksheet that is not yet saved, and says what was left out.
    void importquestions();
    // Writes the worksheet in the boxes, once it passes the save checks, as
    // a question file for a learning platform.
    void exportworksheet();

    // Whether the boxes differ from what was last opened or saved.
    bool hasUnsavedChanges() const { return draft() != kept_; }

    // Leaving with a typed worksheet unsaved asks first, not the general question.
    void closeRequested() override;

    // Question by question, as the focus chain was set, not row by row.
    QList<QWidget *> focusOrder() const override { return focusChain(); }

  protected:
    void load() override;

  private:
    void Label3_Click(int index);
    void moveOnFrom(QLineEdit *box);

    // The worksheet these boxes were opened to edit or last saved, as the
    // catalogue lists it, and the title the box held then: saved under
    // either, it is that worksheet's own file that is replaced.
    QString listedTitle_;
    QString openedAs_;
    // The boxes as they were last opened or saved.
    WorksheetDraft kept_;
    // The file last imported and where its next ten questions start: the
    // same file again goes on from there.
    QString importedPath_;
    int importSkip_ = 0;
};
