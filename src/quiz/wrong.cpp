#include "quiz/wrong.h"

#include "quiz/welldone.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "stage/stage.h"

#include <QLabel>

Wrong::Wrong(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Wrong answers"));
    const QString tahoma = QStringLiteral("Tahoma");
    const QFont large = designFont(tahoma, 20.25, true);
    const QFont small = designFont(tahoma, 15.75, true);
    Label6 = addLabel(QStringLiteral("Label6"), QString(), {0, 120, 12000, 540}, large, LabelButton::Yellow);
    // The set title and the questions are the teacher's own text, never markup.
    Label6->setTextFormat(Qt::PlainText);
    Label4 = addLabel(QStringLiteral("Label4"), tr("You answered the following questions incorrectly."),
                      {240, 960, 12000, 540}, small, LabelButton::Yellow, Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 0; r < Rows; ++r) {
        Label2[r] = addLabel(QStringLiteral("Label2_%1").arg(r), QString(), {120, 1680 + 600 * r, 12000, 540},
                             small, QColor(255, 255, 255), Qt::AlignLeft | Qt::AlignVCenter);
        Label2[r]->setWordWrap(false);
        Label2[r]->setTextFormat(Qt::PlainText);
        Label2[r]->hide();
    }
    Label5 = addLabel(QStringLiteral("Label5"), tr("Read the Key Facts and try again."),
                      {0, 7920, 12000, 540}, large, LabelButton::Yellow);
    Label3[1] = addLabelButton(QStringLiteral("Label3_1"), tr("Exit"), {10560, 7920, 1245, 495}, small);
    connect(Label3[1], &LabelButton::clicked, this, &Wrong::Label3_Click);
    setHarmful({Label3[1]});
}

void Wrong::load() {
    fitScreen();
}

void Wrong::Label3_Click() {
    if (isLoaded<Welldone>()) form<Welldone>().unloadScreen();
    unloadScreen();
}
