#include "worksheets/wizard.h"

#include "core/wholefile.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "quiz/marking.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/stage.h"
#include "worksheets/exchange.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kTitleLength = MaxTitleLength;
constexpr int kQuestionLength = 60;
constexpr int kAnswerLength = 30;
constexpr int kFirstQuestionCaption = 2;
constexpr int kFirstLetterCaption = kFirstQuestionCaption + kQuestionsPerSet;

QLineEdit *makeBox(const QString &name, int maxLength, const QFont &font, const TwipRect &where,
                   QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setFont(font);
    box->setGeometry(toPixels(where));
    box->setAttribute(Qt::WA_NoMousePropagation);
    return box;
}

// Question q stands in column q div 5 and row q mod 5; its answer a in answer
// column a mod 2 and answer row a div 2 below it.
int columnLeft(int q) {
    return 5880 * (q / 5);
}
int rowTop(int q) {
    return 1440 * (q % 5);
}

} // namespace

wizard::wizard(QWidget *parent) : Screen(parent) {
    //: The wizard's heading: one line of 288 pixels, Tahoma 18 bold.
    setAccessibleName(tr("Multiple Choice Wizard"));
    const QColor yellow = LabelButton::Yellow;
    Label1[0] = addLabel(QStringLiteral("Label1_0"), tr("Multiple Choice Wizard"), {0, 0, 4320, 540},
                         designFont(QStringLiteral("Tahoma"), 18, true), yellow);
    //: One line of 152 pixels, Tahoma 14.25 bold.
    Label1[1] = addLabel(QStringLiteral("Label1_1"), tr("Worksheet Title"), {5160, 120, 2280, 345},
                         designFont(QStringLiteral("Tahoma"), 14.25, true), yellow);
    Text1 = makeBox(QStringLiteral("Text1"), kTitleLength, designFont(QStringLiteral("Times New Roman"), 12),
                    {7560, 120, 4215, 375}, this);

    const QFont questionFont = designFont(QStringLiteral("Times New Roman"), 12);
    const QFont answerFont = designFont(QStringLiteral("Times New Roman"), 9.75);
    const QFont questionCaptionFont = designFont(QStringLiteral("Tahoma"), 9.75, true);
    const QFont letterFont = designFont(QStringLiteral("Tahoma"), 12, true);
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        const int left = columnLeft(q);
        const int top = rowTop(q);
        const int caption = kFirstQuestionCaption + q;
        //: A question's caption and its box's name: one line of 70 pixels, Tahoma 9.75 bold.
        Label1[caption] = addLabel(QStringLiteral("Label1_%1").arg(caption), tr("Question %1").arg(q + 1),
                                   {240 + left, 600 + top, q == 9 ? 1170 : 1050, 240}, questionCaptionFont,
                                   yellow, Qt::AlignLeft | Qt::AlignVCenter);
        Text2[q] = makeBox(QStringLiteral("Text2_%1").arg(q), kQuestionLength, questionFont,
                           {240 + left, 840 + top, 5655, 375}, this);
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            const int ac = a % 2;
            const int ar = a / 2;
            auto *tick = new QCheckBox(this);
            tick->setObjectName(QStringLiteral("Check1_%1").arg(i));
            tick->setAutoFillBackground(true);
            tick->setAttribute(Qt::WA_NoMousePropagation);
            place(tick, {480 + 2850 * ac + left, 1230 + 330 * ar + top, 255, 315});
            Check1[i] = tick;
            const int letter = kFirstLetterCaption + i;
            //: An answer's letter (A to D, as the quiz shows them) and its full stop: 17 pixels.
            Label1[letter] = addLabel(QStringLiteral("Label1_%1").arg(letter),
                                      tr("%1.").arg(quizmarks::answerLetter(a + 1)),
                                      {255 + 2835 * ac + left, 1200 + 360 * ar + top, 255, 285}, letterFont,
                                      yellow, Qt::AlignLeft | Qt::AlignVCenter);
            Text3[i] = makeBox(QStringLiteral("Text3_%1").arg(i), kAnswerLength, answerFont,
                               {720 + 2880 * ac + left, 1230 + 330 * ar + top, 2295, 330}, this);
        }
    }

    const QFont buttonFont = designFont(QStringLiteral("Tahoma"), 15.75, true);
    //: A button of 211 pixels, Tahoma 15.75 bold.
    Label3[1] =
        addLabelButton(QStringLiteral("Label3_1"), tr("Save Worksheet"), {240, 7920, 3165, 495}, buttonFont);
    //: A button of 223 pixels, Tahoma 15.75 bold; also the file chooser's title.
    Label3[2] = addLabelButton(QStringLiteral("Label3_2"), tr("Import Questions"), {3525, 7920, 3345, 495},
                               buttonFont);
    //: A button of 230 pixels, Tahoma 15.75 bold; also the file chooser's title.
    Label3[3] = addLabelButton(QStringLiteral("Label3_3"), tr("Export Worksheet"), {6990, 7920, 3450, 495},
                               buttonFont);
    //: A button of 83 pixels, Tahoma 15.75 bold.
    Label3[0] = addLabelButton(QStringLiteral("Label3_0"), tr("Exit"), {10560, 7920, 1245, 495}, buttonFont);
    for (int i = 0; i < static_cast<int>(Label3.size()); ++i)
        connect(Label3[i], &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
    setHoverButtons({Label3[0], Label3[1], Label3[2], Label3[3]}, true, true);
    // A caption is one line: where a substitute font runs wider it is cut at
    // its box rather than broken onto a second line over the boxes below.
    for (int i = 1; i < static_cast<int>(Label1.size()); ++i)
        Label1[i]->setWordWrap(false);

    // Readers name each box by the caption beside it, which they cannot link
    // to it themselves.
    Text1->setAccessibleName(tr("Worksheet title"));
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        Text2[q]->setAccessibleName(tr("Question %1").arg(q + 1));
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const QString letter = quizmarks::answerLetter(a + 1);
            Text3[kAnswersPerQuestion * q + a]->setAccessibleName(
                tr("Question %1, answer %2").arg(q + 1).arg(letter));
            Check1[kAnswersPerQuestion * q + a]->setAccessibleName(
                tr("Question %1: %2 is the correct answer").arg(q + 1).arg(letter));
        }
    }

    // The keyboard walks the boxes question by question, then the tick boxes.
    QList<QWidget *> order{Text1};
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        order.append(Text2[q]);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            order.append(Text3[kAnswersPerQuestion * q + a]);
    }
    for (QCheckBox *tick : Check1)
        order.append(tick);
    order.append(Label3[1]);
    order.append(Label3[2]);
    order.append(Label3[3]);
    order.append(Label3[0]);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Text1, &QLineEdit::returnPressed, this, [this] { moveOnFrom(Text1); });
    for (QLineEdit *box : Text2)
        connect(box, &QLineEdit::returnPressed, this, [this, box] { moveOnFrom(box); });
    for (QLineEdit *box : Text3)
        connect(box, &QLineEdit::returnPressed, this, [this, box] { moveOnFrom(box); });
}

void wizard::load() {
    fitScreen();
    for (QCheckBox *tick : Check1) {
        QPalette palette = tick->palette();
        // A tick box fills its back with the button colour.
        palette.setColor(QPalette::Window, StandardBack);
        palette.setColor(QPalette::Button, StandardBack);
        tick->setPalette(palette);
    }
    kept_ = draft();
}

namespace {
QString leaveUnsaved() {
    return wizard::tr("Leave the Multiple Choice Wizard without saving your worksheet?");
}
} // namespace

void wizard::closeRequested() {
    if (!hasUnsavedChanges()) {
        Screen::closeRequested();
        return;
    }
    if (services().messages->confirm(leaveUnsaved())) Stage::current().endProgram();
}

void wizard::moveOnFrom(QLineEdit *box) {
    if (box == Text1) {
        Text2[0]->setFocus(Qt::TabFocusReason);
        return;
    }
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        if (box == Text2[q]) {
            Text3[kAnswersPerQuestion * q]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    for (int i = 0; i < kWizardAnswers; ++i) {
        if (box != Text3[i]) continue;
        if (i % kAnswersPerQuestion < kAnswersPerQuestion - 1)
            Text3[i + 1]->setFocus(Qt::TabFocusReason);
        else if (i + 1 < kWizardAnswers)
            Text2[(i + 1) / kAnswersPerQuestion]->setFocus(Qt::TabFocusReason);
        return;
    }
}

void wizard::Label3_Click(int index) {
    switch (index) {
    case 0:
        // A typed worksheet is thrown away only when the teacher says so.
        if (!hasUnsavedChanges() || services().messages->confirm(leaveUnsaved())) unloadScreen();
        break;
    case 1:
        genwork();
        break;
    case 2:
        importquestions();
        break;
    default:
        exportworksheet();
        break;
    }
}

WorksheetDraft wizard::draft() const {
    WorksheetDraft draft;
    draft.title = Text1->text();
    for (int q = 0; q < kQuestionsPerSet; ++q)
        draft.questions[q] = Text2[q]->text();
    for (int i = 0; i < kWizardAnswers; ++i) {
        draft.answers[i] = Text3[i]->text();
        draft.ticks[i] = Check1[i]->isChecked();
    }
    return draft;
}

void wizard::fill(const WorksheetDraft &draft, const QString &listedTitle) {
    Text1->setText(draft.title);
    for (int q = 0; q < kQuestionsPerSet; ++q)
        Text2[q]->setText(draft.questions[q]);
    for (int i = 0; i < kWizardAnswers; ++i) {
        Text3[i]->setText(draft.answers[i]);
        if (draft.ticks[i]) Check1[i]->setChecked(true);
    }
    listedTitle_ = listedTitle;
    openedAs_ = draft.title;
    kept_ = this->draft();
}

void wizard::genwork() {
    // The boxes are read once; the save writes what was checked.
    const WorksheetDraft typed = draft();
    if (const QString problem = checkDraft(typed); !problem.isEmpty()) {
        services().messages->info(problem);
        return;
    }
    saveworksheet(typed);
}

void wizard::saveworksheet(const WorksheetDraft &checked) {
    const QString &title = checked.title;
    const WorksheetStore store;
    const SaveTarget target = saveTarget(title, listedTitle_, openedAs_);
    const QString &fileTitle = target.fileTitle;
    if (!target.ownWorksheet) {
        if (const auto existing = store.existingWorksheet(title)) {
            if (!services().messages->confirm(
                    tr("A worksheet called %1 already exists. Do you want to replace it?").arg(*existing)))
                return;
        }
    }
    const StoreResult saved = store.saveWorksheet(fileTitle, worksheetBytes(checked), Module1);
    if (saved) {
        listedTitle_ = fileTitle;
        openedAs_ = title;
        kept_ = checked;
        services().messages->info(tr("Your worksheet has been saved."));
    } else {
        qCWarning(lcWorksheets) << "saving" << title << "failed:" << saved.reason();
        services().messages->info(tr("There was a problem saving your worksheet"));
    }
}

void wizard::importquestions() {
    // The patterns are the formats' own and are never translated.
    const QString path = services().files->openFile(
        tr("Import Questions"),
        QStringList{tr("GIFT files (%1)").arg(u"*.txt *.gift"_qs), tr("Aiken files (%1)").arg(u"*.txt"_qs),
                    tr("Moodle XML files (%1)").arg(u"*.xml"_qs), tr("Worksheet files (%1)").arg(u"*.txt"_qs),
                    tr("All files (%1)").arg(u"*"_qs)}
            .join(u";;"));
    if (path.isEmpty()) return;
    const int skip = path == importedPath_ ? importSkip_ : 0;
    const ImportResult imported = importFile(path, skip);
    if (!imported.problem.isEmpty()) {
        services().messages->info(imported.message());
        return;
    }
    importedPath_ = path;
    importSkip_ = imported.nextSkip;

    WorksheetDraft boxes = imported.draft;
    if (boxes.title.size() > Text1->maxLength())
        boxes.title = services().messages->confirm(cutTitleQuestion(boxes.title)) ? cutTitle(boxes.title)
                                                                                   : QString();
    // Every box is set, ticks cleared too: the questions replace what was
    // there, and the boxes stay unsaved (kept_ is left as it was) so that
    // leaving asks first. Saved, it is a new worksheet, not the one listed.
    Text1->setText(boxes.title);
    for (int q = 0; q < kQuestionsPerSet; ++q)
        Text2[q]->setText(boxes.questions[q]);
    for (int i = 0; i < kWizardAnswers; ++i) {
        Text3[i]->setText(boxes.answers[i]);
        Check1[i]->setChecked(boxes.ticks[i]);
    }
    listedTitle_.clear();
    openedAs_.clear();
    if (const QString said = imported.message(); !said.isEmpty()) services().messages->info(said);
}

void wizard::exportworksheet() {
    const WorksheetDraft typed = draft();
    if (const QString problem = checkDraft(typed); !problem.isEmpty()) {
        services().messages->info(problem);
        return;
    }
    const QString path = services().files->saveFile(
        tr("Export Worksheet"), typed.title + QStringLiteral(".gift"),
        QStringList{tr("GIFT files (%1)").arg(u"*.gift"_qs), tr("Aiken files (%1)").arg(u"*.txt"_qs),
                    tr("Moodle XML files (%1)").arg(u"*.xml"_qs)}
            .join(u";;"));
    if (path.isEmpty()) return;
    // The chooser gives the path only: its ending names the format, and a
    // name without one of the three is written as GIFT.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const ExchangeFormat format = suffix == u"xml"_qs   ? ExchangeFormat::MoodleXml
                                  : suffix == u"txt"_qs ? ExchangeFormat::Aiken
                                                        : ExchangeFormat::Gift;
    if (const auto failed = writeFileWhole(path, exportWorksheet(typed, format))) {
        qCWarning(lcWorksheets) << "exporting" << typed.title << "failed:" << *failed;
        services().messages->info(tr("There was a problem exporting your worksheet"));
        return;
    }
    services().messages->info(tr("Your worksheet has been exported."));
}
