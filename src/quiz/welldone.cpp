#include "quiz/welldone.h"

#include "core/module1.h"
#include "stage/accessibility.h"

#include "classroom/scores.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "quiz/certificate.h"
#include "quiz/marking.h"
#include "quiz/wrong.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

QTimer *makeTimer(const QString &name, int interval, QObject *parent) {
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

} // namespace

Welldone::Welldone(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Results"));
    const QString times = QStringLiteral("Times New Roman");
    const QFont sentenceFont = designFont(times, 24);
    Label4 = addLabel(QStringLiteral("Label4"), tr("Well Done!"), {0, 120, 12000, 900},
                      designFont(QStringLiteral("Tahoma"), 36, true), LabelButton::Yellow);
    Picture1 = addPicture(QStringLiteral("Picture1"), {5880, 1440, 4800, 3600});
    Label1 = addLabel(QStringLiteral("Label1"), QString(), {0, 5400, 12000, 855}, sentenceFont,
                      LabelButton::Yellow);
    Label5 = addLabel(QStringLiteral("Label5"), QString(), {1680, 6000, 8640, 1335}, sentenceFont,
                      LabelButton::Yellow);
    Label5->hide();
    //: One line of 800 pixels in Times New Roman 24.
    Label6 = addLabel(QStringLiteral("Label6"), tr("Read the Key Facts and try again."),
                      {0, 6240, 12000, 855}, sentenceFont, LabelButton::Yellow);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(sentenceFont);
    Text1->setMaxLength(NameLength);
    Text1->setAccessibleName(tr("Your name"));
    Text1->setAttribute(Qt::WA_NoMousePropagation);
    place(Text1, {3120, 6600, 5760, 615});
    Text1->hide();
    //: Beside the name box: 184 by 41 pixels in Times New Roman 24.
    nameCaption = addLabel(QStringLiteral("nameCaption"), tr("Your name"), {240, 6600, 2760, 615},
                           sentenceFont, LabelButton::Yellow, Qt::AlignRight | Qt::AlignVCenter);
    nameCaption->hide();
    Label2 = addLabel(QStringLiteral("Label2"),
                      //: Two lines of 385 pixels in Times New Roman 18.
                      tr("Enter your name in the box above before printing your certificate"),
                      {3120, 7440, 5775, 855}, designFont(times, 18), LabelButton::Yellow);
    Label2->hide();

    const QFont buttonFont = designFont(QStringLiteral("Tahoma"), 15.75, true);
    Label3[0] = addLabelButton(QStringLiteral("Label3_0"), QString(), {240, 1800, 3765, 495}, buttonFont);
    Label3[0]->hide();
    Label3[1] = addLabelButton(QStringLiteral("Label3_1"), tr("Exit"), {10560, 7920, 1245, 495}, buttonFont);
    for (int i = 0; i < 2; ++i)
        connect(Label3[i], &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
    setHoverButtons({Label3[0], Label3[1]}, true, true);
    setHarmful({Label3[1]});

    Timer1 = makeTimer(QStringLiteral("Timer1"), 1, this);
    Timer2 = makeTimer(QStringLiteral("Timer2"), 10, this);
    Timer3 = makeTimer(QStringLiteral("Timer3"), 1, this);
    connect(Timer1, &QTimer::timeout, this, &Welldone::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Welldone::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Welldone::Timer3_Timer);
}

void Welldone::load() {
    fitScreen();
    const int score = Module1.Score;
    const int maxScore = Module1.MaxScore;
    switch (quizmarks::band(score, maxScore)) {
    case quizmarks::Band::FullMarks:
        Label6->hide();
        Label3[0]->show();
        //: A button of 251 by 33 pixels in Tahoma 15.75 bold.
        Label3[0]->setCaption(tr("Print Certificate"));
        setHarmful({Label3[0], Label3[1]});
        Text1->show();
        Label2->show();
        break;
    case quizmarks::Band::Good:
    case quizmarks::Band::Low:
        //: Two lines of 576 pixels in Times New Roman 24.
        Label5->setText(tr("Click the button above to check which questions you answered incorrectly."));
        //: A button of 251 by 33 pixels in Tahoma 15.75 bold.
        Label3[0]->setCaption(tr("Check Wrong Answers"));
        break;
    case quizmarks::Band::AboveMaximum:
        break;
    }
    Label1->setText(quizmarks::scoreSentence(score, maxScore));
    announceOn(this, Label1->text());
    playSound(quizmarks::band(score, maxScore) == quizmarks::Band::FullMarks ? Sound::Fanfare : Sound::Tone);
    nameAsked_ =
        resultsAskName(quizmarks::band(score, maxScore) == quizmarks::Band::FullMarks, services().classroom);
    if (nameAsked_ && !Text1->isVisibleTo(this)) {
        // Below full marks the hints fill the box's place; the row of the
        // certificate's hint is free.
        place(Text1, {3120, 7560, 5760, 615});
        place(nameCaption, {240, 7560, 2760, 615});
        Text1->show();
    }
    nameCaption->setVisible(services().classroom.askPupilNames);
    Timer1->start();
}

Welldone::~Welldone() {
    keepPendingRecord();
}

void Welldone::takeRecord(const ResultRecord &record) {
    pendingRecord_ = record;
    if (!nameAsked_) keepPendingRecord();
}

void Welldone::keepPendingRecord() {
    if (!pendingRecord_) return;
    keepRecord(*pendingRecord_, nameAsked_ ? Text1->text() : QString(), services().classroom);
    pendingRecord_.reset();
}

void Welldone::Timer1_Timer() {
    Picture1->load(QStringLiteral("images\\homersm.jpg"));
    Timer1->stop();
    Timer2->start();
}

void Welldone::Timer2_Timer() {
    if (Text1->isVisible()) Text1->setFocus(Qt::OtherFocusReason);
    Timer2->stop();
    Label3[0]->setOpaque(true);
    Label3[1]->setOpaque(true);
    Timer3->start();
}

void Welldone::Timer3_Timer() {
    Timer3->stop();
}

void Welldone::Label3_Click(int index) {
    if (index == 0) {
        if (Module1.Score != Module1.MaxScore) {
            form<Wrong>().showScreen();
            return;
        }
        // The print routine reports the printer's own failures; anything
        // else that stops it still leaves this screen open for another try.
        try {
            Printpage();
        } catch (const std::exception &) {
            services().messages->info(kPrintingCancelled);
        }
        // The pupil may go on with the name: keys go to the name box, never
        // to a second print.
        Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    keepPendingRecord();
    if (isLoaded<Wrong>()) form<Wrong>().unloadScreen();
    unloadScreen();
}
