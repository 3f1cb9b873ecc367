#include "quiz/multiple.h"

#include "core/module1.h"
#include "stage/accessibility.h"

#include "classroom/scores.h"
#include "quiz/marking.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <algorithm>
#include <QLabel>
#include <QRadioButton>

namespace {

enum Button { Previous = 0, Next = 1, Exit = 2, PrintWorksheet = 3 };
constexpr int kNoAnswer = 5;

// Captions in Tahoma 15.75 bold: the two question buttons have 251 pixels,
// "Exit" 83 and "Print Worksheet" 203.
constexpr ButtonLayout kButtons[4] = {
    {QT_TRANSLATE_NOOP("multiple", "<< Previous Question"), {2040, 7920, 3765, 495}},
    {QT_TRANSLATE_NOOP("multiple", "Next Question >>"), {6000, 7920, 3765, 495}},
    {QT_TRANSLATE_NOOP("multiple", "Exit"), {10560, 7920, 1245, 495}},
    {QT_TRANSLATE_NOOP("multiple", "Print Worksheet"), {7920, 1920, 3045, 495}},
};

const QColor kTitleBlue{128, 128, 255};
const QColor kGreen{0, 255, 0};

} // namespace

multiple::multiple(QWidget *parent) : Screen(parent) {
    // Fitting gives the screen a solid back colour that it paints in full, so
    // the screens it covers need not be painted under it at each question.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QString times = QStringLiteral("Times New Roman");
    options_ = new QButtonGroup(this);
    // Created before the picture so that the picture lies over it. Checked,
    // it clears the four answers; nobody reaches it with the keyboard.
    Option1[kNoAnswer] = new QRadioButton(this);
    Option1[kNoAnswer]->setObjectName(QStringLiteral("Option1_5"));
    Option1[kNoAnswer]->resize(toPixels(495), toPixels(375));
    Option1[kNoAnswer]->setFocusPolicy(Qt::NoFocus);
    Option1[kNoAnswer]->setAccessibleName(tr("No answer chosen"));
    announcer_ = addAnnouncer(this);
    options_->addButton(Option1[kNoAnswer], kNoAnswer);

    //: The quiz screen's heading: 416 by 60 pixels in Tahoma 36 bold.
    Label1 = addLabel(QStringLiteral("Label1"), tr("Multiple Choice"), {120, 120, 6240, 900},
                      designFont(QStringLiteral("Tahoma"), 36, true), LabelButton::Yellow);
    Picture1 = addPicture(QStringLiteral("Picture1"), {6840, 240, 855, 615});
    Label5 = addLabel(QStringLiteral("Label5"), standardCaption(), {120, 1200, 6465, 585},
                      designFont(times, 24), kGreen);
    Label6 = addLabel(QStringLiteral("Label6"), QString(), {120, 1920, 6465, 705}, designFont(times, 24),
                      kTitleBlue);
    Label4 = addLabel(QStringLiteral("Label4"), QString(), {360, 3240, 5415, 615}, designFont(times, 24),
                      LabelButton::Yellow, Qt::AlignLeft | Qt::AlignVCenter);
    Label2 = addLabel(QStringLiteral("Label2"), QString(), {960, 3960, 9840, 1455}, designFont(times, 30),
                      LabelButton::Yellow);

    // Titles and questions are the teacher's own text: shown as written,
    // never taken for markup.
    Label6->setTextFormat(Qt::PlainText);
    Label2->setTextFormat(Qt::PlainText);

    const QFont answerFont = designFont(times, 20.25);
    for (int n = 1; n <= 4; ++n) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(n));
        option->setFont(answerFont);
        option->setAutoFillBackground(true);
        option->setAttribute(Qt::WA_NoMousePropagation);
        QPalette palette = option->palette();
        palette.setColor(QPalette::WindowText, LabelButton::Yellow);
        option->setPalette(palette);
        place(option, {2400, 5400 + 600 * (n - 1), 6975, 525});
        options_->addButton(option, n);
        option->installEventFilter(this);
        Option1[n] = option;
    }

    const QFont buttonFont = designFont(QStringLiteral("Tahoma"), 15.75, true);
    const QList<LabelButton *> hover =
        addLabelButtons(QStringLiteral("Label3"), kButtons, buttonFont, [this](int i) { Label3_Click(i); });
    std::copy(hover.begin(), hover.end(), Label3.begin());
    Label3[PrintWorksheet]->hide();
    setHoverButtons(hover, true, true);
    setHarmful({Label3[Exit], Label3[PrintWorksheet]});
    addFocusGroup({Label3[Previous], Label3[Next]});
}

void multiple::load() {
    fitScreen();
    Module1.Score = 0;
    Module1.MaxScore = 10;
    Module1.CurrentQuestion = 1;
    for (int i = 1; i <= 10; ++i)
        Module1.QuestionScore[i] = 0;
    const QRect picture = Picture1->geometry();
    Option1[kNoAnswer]->move(picture.topLeft() + QPoint(toPixels(240), toPixels(240)));
    for (int n = 1; n <= 4; ++n) {
        QPalette palette = Option1[n]->palette();
        palette.setColor(QPalette::Window, StandardBack);
        palette.setColor(QPalette::Button, StandardBack);
        Option1[n]->setPalette(palette);
    }
    Label6->setText(Module1.SetTitle);
    showquest();
}

void multiple::showquest() {
    Option1[kNoAnswer]->setChecked(true);
    Label3[Previous]->show();
    Label3[Next]->setCaption(tr("Next Question >>"));
    const int q = Module1.CurrentQuestion;
    Label4->setText(tr("Question %1").arg(q));
    Label2->setText(Module1.Question[q]);
    Option1[1]->setText(Module1.AnswerA[q]);
    Option1[2]->setText(Module1.AnswerB[q]);
    Option1[3]->setText(Module1.AnswerC[q]);
    Option1[4]->setText(Module1.AnswerD[q]);
    if (q == 1) Label3[Previous]->hide();
    if (q == 10) Label3[Next]->setCaption(tr("Check Score >>"));
    // A reader hears the question first, then the answer the focus is on;
    // each answer carries its question, for a reader that lands on it later.
    const QString heading = tr("Question %1 of 10").arg(q);
    setAccessibleName(heading);
    for (int n = 1; n <= 4; ++n) {
        //: A screen reader's description of an answer: the question's number, then its text.
        Option1[n]->setAccessibleDescription(tr("%1: %2").arg(heading, Module1.Question[q]));
        // An empty answer still says which it is.
        Option1[n]->setAccessibleName(
            Option1[n]->text().isEmpty() ? tr("Answer %1").arg(quizmarks::answerLetter(n)) : QString());
    }
    //: What a screen reader says as a question comes: its number, then its text.
    announce(announcer_, tr("%1. %2").arg(heading, Module1.Question[q]));
    if (Option1[1]->isVisible()) Option1[1]->setFocus(Qt::OtherFocusReason);
}

bool multiple::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return Screen::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
    const int at = int(std::find(Option1.begin() + 1, Option1.begin() + 5, watched) - Option1.begin());
    if (step == 0 || at > 4) return Screen::eventFilter(watched, event);
    // Qt's radio buttons move the choice only from a chosen answer; the
    // question opens with the focus on an answer not chosen yet.
    const int next = std::clamp(at + step, 1, 4);
    Option1[next]->setChecked(true);
    Option1[next]->setFocus(Qt::TabFocusReason);
    Screen::of(Option1[next])->showKeyboardCues();
    return true;
}

int multiple::selectedOption() const {
    return options_->checkedId();
}

void multiple::Label3_Click(int index) {
    switch (index) {
    case Previous:
        --Module1.CurrentQuestion;
        showquest();
        break;
    case Next:
        chosen_[Module1.CurrentQuestion] = selectedOption();
        Module1.QuestionScore[Module1.CurrentQuestion] =
            quizmarks::mark(Module1.CorrectAnswer[Module1.CurrentQuestion], selectedOption());
        ++Module1.CurrentQuestion;
        if (Module1.CurrentQuestion < 11) {
            showquest();
            return;
        }
        scoreQuiz();
        break;
    case Exit:
        unloadScreen();
        break;
    case PrintWorksheet:
        Printpage();
        break;
    default:
        break;
    }
}

void multiple::scoreQuiz() {
    const quizmarks::QuizResult result = quizmarks::scoreQuiz(Module1.QuestionScore, Module1.Question);
    Module1.Score += result.score;
    for (const quizmarks::WrongRow &row : result.wrongRows) {
        QLabel *label = form<Wrong>().Label2[row.row];
        label->setText(row.caption);
        label->show();
    }
    Module1.QuizHeading = Label5->text();
    form<Wrong>().Label6->setText(Label6->text());
    Welldone &results = form<Welldone>();
    results.Label6->hide();
    results.Label5->show();
    results.Label3[0]->show();
    results.showScreen();
    results.takeRecord(quizRecord(Module1, chosen_, worksheetTitle, QDateTime::currentDateTime()));
    unloadScreen();
}
