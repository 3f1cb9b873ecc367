#include "shell/titlefrm.h"

#include "shell/grey.h"
#include "shell/intro0.h"
#include "stage/fonts.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr double kClientWidth = 5460;
constexpr double kClientHeight = 6570;
const QColor kBlue(0, 0, 255);
const QColor kGrey(192, 192, 192);

QPushButton *makeButton(const QString &name, const QString &caption, const TwipRect &where, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(designFont(QStringLiteral("Tahoma"), 8.25));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kGrey);
    button->setPalette(palette);
    button->setGeometry(toPixels(where));
    return button;
}
} // namespace

Titlefrm::Titlefrm(QWidget *parent) : Screen(parent) {
    setBackColour(kGrey);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, {0, -90, 5480, 6660});

    Label4 =
        addLabel(QStringLiteral("Label4"), standardCaption(), {60, 360, 5355, 1065},
                 designFont(QStringLiteral("Times New Roman"), 26.25, true), kBlue, Qt::AlignCenter, Frame1);
    Picture1 = addPicture(QStringLiteral("Picture1"), {300, 1200, 4800, 3600}, Frame1);
    //: One line of 313 pixels in Times New Roman 14.25.
    Label1 = addLabel(QStringLiteral("Label1"), tr("Written by Helen Marsh"), {360, 4980, 4695, 375},
                      designFont(QStringLiteral("Times New Roman"), 14.25), kBlue, Qt::AlignCenter, Frame1);
    //: One line of 297 pixels in Times New Roman 12.
    Label5 = addLabel(QStringLiteral("Label5"), tr("Programmed by Thomas Reed"), {480, 5310, 4455, 375},
                      designFont(QStringLiteral("Times New Roman"), 12), kBlue, Qt::AlignCenter, Frame1);
    Label2 =
        addLabel(QStringLiteral("Label2"),
                 //: One line of 361 pixels in Arial 8.25.
                 tr("Copyright © 2026 Larkspur Publishing Ltd. All rights reserved."), {0, 6420, 5415, 255},
                 designFont(QStringLiteral("Arial"), 8.25), QColor(0, 128, 0), Qt::AlignCenter, Frame1);
    //: A push button of 89 by 25 pixels in Tahoma 8.25.
    Command1 = makeButton(QStringLiteral("Command1"), tr("OK"), {1320, 6000, 1335, 375}, Frame1);
    //: A push button of 89 by 25 pixels in Tahoma 8.25.
    Command2 = makeButton(QStringLiteral("Command2"), tr("Exit"), {2760, 6000, 1335, 375}, Frame1);

    connect(Command1, &QPushButton::clicked, this, [this] {
        form<intro0>().showScreen();
        unloadScreen();
    });
    connect(Command2, &QPushButton::clicked, this, [] { Stage::current().endProgram(); });
    setHarmful({Command2});
}

void Titlefrm::askToLeave() {
    //: A push button of 89 by 25 pixels in Tahoma 8.25.
    form<Titlefrm>().Command1->setText(tr("Cancel"));
    form<Titlefrm>().showScreen();
}

void Titlefrm::load() {
    centreOnStage(QSizeF(kClientWidth, kClientHeight));
    form<Grey>().showScreen();
    Picture1->load(QStringLiteral("Images\\homersm.jpg"));
    if (Picture1->picture().isNull()) {
        // The designed look cannot be had: fall back to the standard one.
        usedFallback_ = true;
        fitScreen();
        Frame1->raise();
        Picture1->load(QStringLiteral("Images\\homersm.jpg"));
    }
}
