#include "topic/teacher.h"

#include "core/module1.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "topic/pages.h"
#include "topic/pageviewer.h"

#include <QLabel>
#include <QTimer>

using namespace pageviewer;

namespace {

const QColor kPictureBack(128, 128, 255);

} // namespace

teacher::teacher(QWidget *parent) : Screen(parent) {
    Image2 = addPicture(QStringLiteral("Image2"), {0, 0, 10485, 11955});
    Image2->hide();
    Image1 = addPicture(QStringLiteral("Image1"), {120, 0, 10485, 11955});

    Picture1 = addPicture(QStringLiteral("Picture1"), {8520, 4320, 1800, 1800});
    Picture2 = addPicture(QStringLiteral("Picture2"), {8550, 6240, 1800, 1335});
    for (PictureBox *box : {Picture1, Picture2}) {
        box->setBackColour(kPictureBack);
        box->hide();
    }

    const QFont font = designFont(QStringLiteral("Tahoma"), 15.75, true);
    Label1 = addLabel(QStringLiteral("Label1"), QString(), {4200, 7920, 2295, 495}, font, Qt::black);
    pageviewer::styleAsPageLabel(Label1);
    const QList<LabelButton *> buttons = addLabelButtons(
        QStringLiteral("Label3"), kButtons, font, [this](int i) { Label3_Click(i); }, kContext);
    std::copy(buttons.begin(), buttons.end(), Label3.begin());
    Label3[PreviousPage]->setEnabled(false);
    setHarmful({Label3[Print], Label3[Exit]});
    addFocusGroup({Label3[PreviousPage], Label3[NextPage]});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &teacher::Timer1_Timer);
}

void teacher::load() {
    fitScreen();
    if (Module1.PageCount == 1) {
        Label1->hide();
        Label3[NextPage]->hide();
        Label3[PreviousPage]->hide();
    }
    Module1.PageNumber = 1;
    Label1->setText(pages::label(Module1.PageNumber, Module1.PageCount));
}

void teacher::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    pageviewer::fitToPicture(Image1);
    pageviewer::describePage(Image1, Label1);
}

void teacher::Label3_Click(int index) {
    switch (index) {
    case Print:
        pageviewer::printPage(*Image2);
        return;
    case Exit:
        // The viewer goes at the end of this event; no frame may tick past
        // the one the cycle stopped at.
        Timer1->stop();
        unloadScreen();
        return;
    case NextPage:
        ++Module1.PageNumber;
        break;
    case PreviousPage:
        --Module1.PageNumber;
        break;
    default:
        return;
    }
    playSound(Sound::Page);
    const auto shown = pages::notesFile(QStringLiteral("wmf"), Module1.PageBaseName, Module1.PageNumber);
    const auto printed = pages::notesFile(QStringLiteral("wmf2"), Module1.PageBaseName, Module1.PageNumber);
    std::optional<pageviewer::PageFiles> files;
    if (shown && printed) files = pageviewer::PageFiles{*shown, *printed};
    pageviewer::showPage({Image1, Image2, Label1, Label3[NextPage], Label3[PreviousPage]}, Module1.PageNumber,
                         Module1.PageCount, files);
}

void teacher::Timer1_Timer() {
    Module1.LogoFrame = pages::nextLogoFrame(Module1.LogoFrame);
    const QString file = pages::logoFrameFile(Module1.LogoFrame);
    QImage &frame = logoFrames_.at(static_cast<std::size_t>(Module1.LogoFrame));
    if (frame.isNull()) frame = loadPicture(file);
    Picture1->setPicture(frame, file);
    Picture1->show();
    Picture2->show();
}
