#include "topic/guide.h"

#include "core/module1.h"
#include "platform/sound.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "topic/pages.h"
#include "topic/pageviewer.h"

#include <QLabel>

using namespace pageviewer;

guide::guide(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Teachers' Guide"));
    Image2 = addPicture(QStringLiteral("Image2"), {120, -240, 10485, 11955});
    Image2->hide();
    Image1 = addPicture(QStringLiteral("Image1"), {120, 0, 10485, 11955});
    Label2 = addLabel(QStringLiteral("Label2"), QString(), {0, 120, 11775, 615},
                      designFont(QStringLiteral("Tahoma"), 14.25), LabelButton::Yellow);

    const QFont font = designFont(QStringLiteral("Tahoma"), 15.75, true);
    Label1 =
        addLabel(QStringLiteral("Label1"), pages::label(1, Pages), {4200, 7920, 2295, 495}, font, Qt::black);
    pageviewer::styleAsPageLabel(Label1);
    const QList<LabelButton *> buttons = addLabelButtons(
        QStringLiteral("Label3"), kButtons, font, [this](int i) { Label3_Click(i); }, kContext);
    std::copy(buttons.begin(), buttons.end(), Label3.begin());
    Label3[PreviousPage]->setEnabled(false);
    setHarmful({Label3[Print], Label3[Exit]});
    addFocusGroup({Label3[PreviousPage], Label3[NextPage]});
    setHoverButtons(buttons, false, true);
}

void guide::load() {
    fitScreen();
}

void guide::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    pageviewer::fitToPicture(Image1);
    pageviewer::describePage(Image1, Label1);
}

void guide::Label3_Click(int index) {
    switch (index) {
    case Print:
        pageviewer::printPage(*Image2);
        return;
    case Exit:
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
    const int page = Module1.PageNumber;
    const PageFiles files{pages::guideFile(QStringLiteral("wmf"), page),
                          pages::guideFile(QStringLiteral("wmf2"), page)};
    showPage({Image1, Image2, Label1, Label3[NextPage], Label3[PreviousPage]}, page, Pages, files);
}
