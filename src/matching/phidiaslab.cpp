#include "matching/phidiaslab.h"

#include "classroom/scores.h"
#include "platform/sound.h"
#include "quiz/welldone.h"
#include "stage/accessibility.h"
#include "stage/deviceborder.h"
#include "stage/dragcontrols.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "core/module1.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

namespace {

// Every activity's own three (ActivityBoard).
enum Button { Exit = 0, StartAgain = 1, CheckScore = 2 };

struct Text {
    const char *caption;
    TwipRect place;
    double points;
};
constexpr Text kTexts[6] = {
    //: Two lines of 768 by 79 pixels, Times New Roman 24.
    {QT_TRANSLATE_NOOP("phidiaslab", "Phidias was the greatest artist in classical Greece. Unfortunately, "
                                     "none of his paintings have survived."),
     {120, 120, 11520, 1185},
     24},
    //: Two lines of 182 by 59 pixels, Times New Roman 18.
    {QT_TRANSLATE_NOOP("phidiaslab", "Girl with a Pearl Earring"), {210, 2160, 2730, 885}, 18},
    //: One line of 206 pixels, Times New Roman 18.
    {QT_TRANSLATE_NOOP("phidiaslab", "The Haywain"), {3225, 3240, 3090, 525}, 18},
    //: One line of 182 pixels, Times New Roman 18.
    {QT_TRANSLATE_NOOP("phidiaslab", "The Mona Lisa"), {6345, 2520, 2730, 525}, 18},
    //: One line of 182 pixels, Times New Roman 18.
    {QT_TRANSLATE_NOOP("phidiaslab", "Sunflowers"), {9000, 2520, 2730, 525}, 18},
    //: One line of 768 pixels, Times New Roman 18.
    {QT_TRANSLATE_NOOP("phidiaslab", "Match the famous paintings below to the artists who painted them."),
     {120, 1320, 11520, 585},
     18},
};

struct Painting {
    const char *file;
    TwipRect place;
    const char *title;
};
constexpr Painting kPaintings[4] = {
    {"Images\\haywain.jpg", {3240, 3720, 3060, 2310}, QT_TRANSLATE_NOOP("phidiaslab", "The Haywain")},
    {"Images\\monalisa.jpg", {6720, 3000, 1995, 3060}, QT_TRANSLATE_NOOP("phidiaslab", "The Mona Lisa")},
    {"Images\\sunflowers.jpg", {9240, 3000, 2310, 3060}, QT_TRANSLATE_NOOP("phidiaslab", "Sunflowers")},
    {"Images\\pearl.jpg",
     {240, 3000, 2670, 3060},
     QT_TRANSLATE_NOOP("phidiaslab", "Girl with a Pearl Earring")},
};

// The painter whose painting stands above drop box i, as the box carries it
// when the screen is made.
//: A painter's name on one line of 155 pixels, Arial 12 bold.
constexpr const char *kPainters[4] = {
    QT_TRANSLATE_NOOP("phidiaslab", "Jan Vermeer"), QT_TRANSLATE_NOOP("phidiaslab", "Leonardo da Vinci"),
    QT_TRANSLATE_NOOP("phidiaslab", "Vincent Van Gogh"), QT_TRANSLATE_NOOP("phidiaslab", "John Constable")};

constexpr ButtonLayout kButtons[3] = {
    //: A button of 83 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("phidiaslab", "Exit"), {10560, 7920, 1245, 495}},
    //: A button of 171 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("phidiaslab", "Start Again"), {3360, 7920, 2565, 495}},
    //: A button of 171 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("phidiaslab", "Check Score"), {6000, 7920, 2565, 495}},
};

// The screen's caption; the record of a score keeps it in English, whatever
// the language shown, so that results of the activity stay together.
constexpr const char *kCaption = QT_TRANSLATE_NOOP("phidiaslab", "Famous Paintings");

// The borders are drawn by addDeviceBorder, which shows them at any scale
// factor; the style sheets keep a transparent one of the same width, so the
// text lies where it did.
const QString kBoxStyle = QStringLiteral(
    "QLabel { color: rgb(255, 255, 0); background: transparent; border: 1px solid transparent; }");
const QColor kBoxBorder(0, 0, 0);
// A name's border is drawn in its yellow: black would vanish into its back.
const QString kNameStyle = QStringLiteral(
    "QLabel { color: rgb(255, 255, 0); background: rgb(0, 0, 0); border: 1px solid transparent; }");
const QColor kNameBorder(255, 255, 0);

TwipRect twipRect(QPointF at, const TwipRect &size) {
    return {static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y())), size.width,
            size.height};
}

} // namespace

phidiaslab::phidiaslab(QWidget *parent) : Screen(parent) {
    const QColor yellow = LabelButton::Yellow;
    announcer_ = addAnnouncer(this);
    for (int i = 0; i < 4; ++i) {
        Image1[i] = addPicture(QStringLiteral("Image1_%1").arg(i), kPaintings[i].place);
        Image1[i]->setStretch(true);
    }
    for (int i = 0; i < 6; ++i) {
        Label7[i] = addLabel(QStringLiteral("Label7_%1").arg(i), tr(kTexts[i].caption), kTexts[i].place,
                             designFont(QStringLiteral("Times New Roman"), kTexts[i].points), yellow);
    }
    const QFont boxFont = designFont(QStringLiteral("Arial"), 12, true);
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label4[i] =
            addLabel(QStringLiteral("Label4_%1").arg(i), {}, MatchingBoard::NamePlaces[i], boxFont, yellow);
        Label4[i]->setStyleSheet(kBoxStyle);
        addDeviceBorder(Label4[i], kBoxBorder);
    }
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label1[i] = addLabel(QStringLiteral("Label1_%1").arg(i), tr(kPainters[i]),
                             MatchingBoard::DropBoxes[i], boxFont, yellow);
        Label1[i]->setStyleSheet(kBoxStyle);
        addDeviceBorder(Label1[i], kBoxBorder);
    }
    const QFont buttonFont = designFont(QStringLiteral("Tahoma"), 15.75, true);
    const QList<LabelButton *> buttons =
        addLabelButtons(QStringLiteral("Label3"), kButtons, buttonFont, [this](int i) { Label3_Click(i); });
    std::copy(buttons.begin(), buttons.end(), Label3.begin());
    Label3[CheckScore]->hide();
    setHoverButtons(buttons, true, true);
    // The names lie above everything else, so a name dragged anywhere stays in sight.
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label2[i] =
            addLabel(QStringLiteral("Label2_%1").arg(i), {}, MatchingBoard::NamePlaces[i], boxFont, yellow);
        Label2[i]->setStyleSheet(kNameStyle);
        addDeviceBorder(Label2[i], kNameBorder);
        Label2[i]->setWordWrap(false);
    }
    drag_ = new DragControls({Label2.begin(), Label2.end()}, *this, this);
    QList<QWidget *> tapTargets{this};
    tapTargets.append({Label1.begin(), Label1.end()});
    tapTargets.append({Label4.begin(), Label4.end()});
    drag_->addTapTargets(tapTargets);
    for (int i = 0; i < 4; ++i)
        Image1[i]->setAccessibleName(tr(kPaintings[i].title));
    setHarmful({Label3[Exit]});
}

phidiaslab::~phidiaslab() {
    // The carry calls back into the board, which goes before the children.
    delete drag_;
}

void phidiaslab::load() {
    fitScreen();
    setCaption(tr(kCaption));
    for (int i = 0; i < 4; ++i)
        Image1[i]->load(QString::fromLatin1(kPaintings[i].file));
    board_ = std::make_unique<MatchingBoard>(Module1);
    setlabels();
}

void phidiaslab::setlabels() {
    board_->setlabels();
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label1[i]->hide();
        Label4[i]->resize(Label2[i]->size());
    }
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label2[i]->setText(Label1[i]->text());
        Label1[i]->clear();
        Label1[i]->show();
        place(Label4[i], twipRect(board_->home(i), MatchingBoard::NamePlaces[i]));
    }
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        Label2[i]->show();
        Label4[i]->show();
    }
    showNames();
}

void phidiaslab::Label2_MouseMove(int index, int buttons, QPointF pointer) {
    board_->mouseMove(index, buttons, pointer);
    showNames();
}

void phidiaslab::Label2_MouseUp(int index) {
    board_->drop(index);
    if (board_->boxOf(index) >= 0) playSound(Sound::Click);
    showNames();
    //: %1 is a painter's name, %2 where it lies: "not placed" or "under The Mona Lisa".
    announce(announcer_, tr("%1 put down, %2").arg(Label2[index]->text(), whereIs(index)));
}

QString phidiaslab::whereIs(int index) const {
    const int box = board_->boxOf(index);
    return box < 0 ? tr("not placed") : tr("under %1").arg(MatchingBoard::painting(box));
}

void phidiaslab::pickedUp(int item) {
    board_->pickUp(item);
    showNames();
    announce(announcer_, tr("Picked up %1").arg(Label2[item]->accessibleName()));
}

void phidiaslab::stepped(int item, int across, int) {
    board_->step(item, across);
    Label2[item]->raise();
    showNames();
    announce(announcer_, Label2[item]->accessibleName());
}

bool phidiaslab::tappedAt(int item, QPointF at) {
    const std::optional<QPointF> place = board_->placeAt(at);
    if (!place) return false;
    board_->carryTo(item, *place);
    Label2[item]->raise();
    return true;
}

void phidiaslab::putBack(int item, QPointF origin) {
    board_->carryTo(item, origin);
    showNames();
    announce(announcer_, tr("%1, put back").arg(Label2[item]->accessibleName()));
}

QList<QWidget *> phidiaslab::focusOrder() const {
    QList<QWidget *> order;
    for (int name : {2, 3, 0, 1})
        order.append(Label2[name]);
    for (int button : {StartAgain, CheckScore, Exit}) {
        if (Label3[button]->isVisibleTo(this)) order.append(Label3[button]);
    }
    return order;
}

void phidiaslab::showNames() {
    for (int i = 0; i < MatchingBoard::Pairs; ++i) {
        const QPoint at(toPixels(board_->name(i).x()), toPixels(board_->name(i).y()));
        if (Label2[i]->pos() != at) Label2[i]->move(at);
        //: %1 is a painter's name, %2 where it lies: "not placed" or "under The Mona Lisa".
        const QString name = tr("%1, %2").arg(Label2[i]->text(), whereIs(i));
        if (Label2[i]->accessibleName() != name) Label2[i]->setAccessibleName(name);
    }
    for (int b = 0; b < MatchingBoard::Pairs; ++b) {
        QString held;
        for (int i = 0; i < MatchingBoard::Pairs; ++i) {
            if (board_->boxOf(i) != b) continue;
            //: Two or more painters' names in one box: "Jan Vermeer and John Constable".
            held = held.isEmpty() ? Label2[i]->text() : tr("%1 and %2").arg(held, Label2[i]->text());
        }
        const QString painting = MatchingBoard::painting(b);
        const QString name = held.isEmpty() ? tr("Box under %1, empty").arg(painting)
                                            : tr("Box under %1, holding %2").arg(painting, held);
        if (Label1[b]->accessibleName() != name) Label1[b]->setAccessibleName(name);
    }
    Label3[CheckScore]->setVisible(board_->checkScoreShown());
}

void phidiaslab::Label3_Click(int index) {
    if (!board_->press(index)) return;
    switch (index) {
    case Exit:
        unloadScreen();
        return;
    case StartAgain:
        showNames();
        return;
    case CheckScore:
        // The results screen words the score out of the four set at load;
        // this screen stays beneath it with the names where they are.
        form<Welldone>().showScreen();
        form<Welldone>().takeRecord(scoreRecord(::Activity::Matching, QString::fromLatin1(kCaption), Module1,
                                                QDateTime::currentDateTime()));
        return;
    default:
        return;
    }
}
