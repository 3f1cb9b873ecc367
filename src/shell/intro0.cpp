#include "shell/intro0.h"

#include "platform/pictures.h"
#include "platform/services.h"
#include "shell/titlefrm.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/stage.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "worksheets/catalogue.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

struct MenuEntry {
    int index;
    const char *caption;
    TwipRect place;
};

// Each name has a button of 149 by 25 pixels in Tahoma 12 bold.
constexpr const char *kGreeks[12] = {
    QT_TRANSLATE_NOOP("intro0", "Homer"),      QT_TRANSLATE_NOOP("intro0", "Solon"),
    QT_TRANSLATE_NOOP("intro0", "Aeschylus"),  QT_TRANSLATE_NOOP("intro0", "Pericles"),
    QT_TRANSLATE_NOOP("intro0", "Phidias"),    QT_TRANSLATE_NOOP("intro0", "Herodotus"),
    QT_TRANSLATE_NOOP("intro0", "Socrates"),   QT_TRANSLATE_NOOP("intro0", "Hippocrates"),
    QT_TRANSLATE_NOOP("intro0", "Alcibiades"), QT_TRANSLATE_NOOP("intro0", "Plato"),
    QT_TRANSLATE_NOOP("intro0", "Aristotle"),  QT_TRANSLATE_NOOP("intro0", "Alexander")};
constexpr int kPhidias = 4;
constexpr int kWebSite = 12;
constexpr int kExit = 16;
constexpr int kAcknowledgments = 19;
constexpr int kTeachersGuide = 20;
constexpr int kWizard = 17;
constexpr int kCatalogue = 18;

QRadioButton *makeOption(const QString &name, const QString &caption, const TwipRect &where, QWidget *parent) {
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setFont(designFont(QStringLiteral("Tahoma"), 9.75, true));
    // Styles paint the option's back from the button colours; a style sheet
    // gives the designed yellow on the window's blue whatever the style. A
    // style's own indicator is a dark ring that vanishes on that blue, so the
    // sheet draws a light ring with a yellow dot for the chosen option.
    option->setStyleSheet(QStringLiteral(
        "QRadioButton { color: rgb(255,255,0); background: rgb(39,63,137); }"
        "QRadioButton::indicator { width: 10px; height: 10px; border: 2px solid rgb(235,235,235);"
        " border-radius: 7px; background: rgb(39,63,137); }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
        " fx:0.5, fy:0.5, stop:0 rgb(255,255,0), stop:0.6 rgb(255,255,0), stop:0.7 rgb(39,63,137),"
        " stop:1 rgb(39,63,137)); }"));
    option->setGeometry(toPixels(where));
    option->setAttribute(Qt::WA_NoMousePropagation);
    return option;
}

} // namespace

intro0::intro0(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Main menu"));
    Label1 = addLabel(QStringLiteral("Label1"), standardCaption(), {0, 0, 12000, 900},
                      designFont(QStringLiteral("Tahoma"), 32.25, true), LabelButton::Yellow);
    //: A radio button of 97 by 17 pixels in Tahoma 9.75 bold, its circle included.
    Option1 = makeOption(QStringLiteral("Option1"), tr("Sound On"), {10440, 120, 1455, 255}, this);
    //: A radio button of 97 by 17 pixels in Tahoma 9.75 bold, its circle included.
    Option2 = makeOption(QStringLiteral("Option2"), tr("Sound Off"), {10440, 480, 1455, 255}, this);

    const QFont greekFont = designFont(QStringLiteral("Tahoma"), 12, true);
    for (int i = 0; i < 12; ++i) {
        const TwipRect where = i < 6 ? TwipRect{480, 2040 + 720 * i, 2235, 375}
                                     : TwipRect{3120, 2040 + 720 * (i - 6), 2235, 375};
        Label2[i] = addLabelButton(QStringLiteral("Label2_%1").arg(i), tr(kGreeks[i]), where, greekFont);
        // Only Phidias has a topic in this edition; the others are reserved.
        Label2[i]->setEnabled(i == kPhidias);
    }
    //: A button of 205 by 33 pixels in Tahoma 14.25 bold.
    Label2[20] = addLabelButton(QStringLiteral("Label2_20"), tr("Teachers' Guide"), {480, 1080, 3075, 495},
                                designFont(QStringLiteral("Tahoma"), 14.25, true));
    //: A button of 205 by 33 pixels in Tahoma 14.25 bold.
    Label2[19] = addLabelButton(QStringLiteral("Label2_19"), tr("Acknowledgments"), {480, 7560, 3075, 495},
                                designFont(QStringLiteral("Tahoma"), 14.25, true));
    //: A button of 309 by 33 pixels in Tahoma 18 bold.
    Label2[17] = addLabelButton(QStringLiteral("Label2_17"), tr("Multiple Choice Wizard"),
                                {6840, 5760, 4635, 495}, designFont(QStringLiteral("Tahoma"), 18, true));
    //: A button of 309 by 33 pixels in Tahoma 18 bold.
    Label2[18] = addLabelButton(QStringLiteral("Label2_18"), tr("Worksheet Catalogue"),
                                {6840, 6600, 4635, 495}, designFont(QStringLiteral("Tahoma"), 18, true));
    //: A button of 83 by 33 pixels in Tahoma 18 bold.
    Label2[16] = addLabelButton(QStringLiteral("Label2_16"), tr("Exit"), {10560, 7920, 1245, 495},
                                designFont(QStringLiteral("Tahoma"), 18, true));
    Label2[12] = addLabelButton(QStringLiteral("Label2_12"), QString::fromLatin1(kPublisherAddress),
                                {7080, 8040, 3315, 375}, designFont(QStringLiteral("Arial"), 12, true));
    for (int navy : {17, 18, 19, 20}) Label2[navy]->setBackColour(LabelButton::Navy);
    // A pupil takes worksheets but writes none: the wizard stands as the reserved names do.
    Label2[kWizard]->setEnabled(services().classroom.mode == ClassroomMode::Teacher);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAutoFillBackground(true);
    Frame1->setAttribute(Qt::WA_NoMousePropagation);
    place(Frame1, {6600, 1200, 5055, 3975});
    Image1 = addPicture(QStringLiteral("Image1"), {120, 240, 4800, 3600}, Frame1);
    Image2 = addPicture(QStringLiteral("Image2"), {5040, 6240, 1500, 2085});
    Image2->setStretch(true);
    Image2->setCursor(Qt::PointingHandCursor);
    //: One line of 288 pixels in Tahoma 9.75.
    Label3 =
        addLabel(QStringLiteral("Label3"), tr("Copyright © 2026 Larkspur Publishing Ltd."),
                 {480, 8220, 4320, 375}, designFont(QStringLiteral("Tahoma"), 9.75), LabelButton::Yellow);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);

    QList<LabelButton *> hover;
    for (int i = 0; i < static_cast<int>(Label2.size()); ++i) {
        if (!Label2[i]) continue;
        hover.append(Label2[i]);
        connect(Label2[i], &LabelButton::clicked, this, [this, i] { Label2_Click(i); });
    }
    setHoverButtons(hover, true, true);

    connect(Image2, &PictureBox::clicked, this, [] { openWebSite(); });
    connect(Option1, &QRadioButton::clicked, this, [] { Module1.SoundOn = 1; });
    connect(Option2, &QRadioButton::clicked, this, [] { Module1.SoundOn = 0; });
    connect(Timer1, &QTimer::timeout, this, &intro0::Timer1_Timer);
}

QString intro0::heading() const {
    return Label1->text();
}

void provideShellScreens(Stage &stage) {
    stage.provideMainMenu([]() -> MainMenu & { return form<intro0>(); });
}

void intro0::load() {
    fitScreen();
    Image1->load(QStringLiteral("Images\\homersm.jpg"));
    Image2->load(QStringLiteral("Images\\logo2.jpg"));
    QPalette palette = Frame1->palette();
    palette.setColor(QPalette::Window, StandardBack);
    Frame1->setPalette(palette);
    // The option shown is the sound the pupil has: off at the first start,
    // and whatever was chosen when the menu comes back.
    (Module1.SoundOn != 0 ? Option1 : Option2)->setChecked(true);
    Timer1->start();
}

void intro0::Timer1_Timer() {
    Timer1->stop();
    ++catalogueReads_;
    readCatalogueFile(Module1);
}

void intro0::closeRequested() {
    Titlefrm::askToLeave();
}

void intro0::Label2_Click(int index) {
    switch (index) {
    case kPhidias:
        form<phidias>().showScreen();
        break;
    case kAcknowledgments: {
        // One page in the notes viewer, without its paging, with the logo.
        teacher &viewer = form<teacher>();
        viewer.Label1->hide();
        viewer.Label3[2]->hide();
        viewer.Label3[3]->hide();
        viewer.Image1->load(QStringLiteral("wmf\\acknowledgments.wmf"));
        viewer.Picture2->load(QStringLiteral("logo\\larkspur2.bmp"));
        viewer.Image2->load(QStringLiteral("wmf2\\acknowledgments.wmf"));
        viewer.setBackColour(QColor(49, 130, 212));
        viewer.Timer1->start();
        viewer.showScreen();
        break;
    }
    case kTeachersGuide:
        form<guide>().Image1->load(QStringLiteral("wmf\\guide1.wmf"));
        form<guide>().Image2->load(QStringLiteral("wmf2\\guide1.wmf"));
        Module1.PageNumber = 1;
        form<guide>().showScreen();
        break;
    case kWebSite:
        openWebSite();
        break;
    case kExit:
        Titlefrm::askToLeave();
        break;
    case kWizard:
        form<wizard>().showScreen();
        break;
    case kCatalogue:
        // The catalogue brings the menu back, loaded anew, when it closes.
        form<worksheets>().showScreen();
        unloadScreen();
        break;
    default:
        break;
    }
}
