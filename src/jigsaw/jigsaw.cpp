#include "jigsaw/jigsaw.h"

#include "classroom/scores.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "stage/accessibility.h"
#include "stage/deviceborder.h"
#include "stage/dragcontrols.h"
#include "stage/fonts.h"
#include "stage/labelbutton.h"
#include "core/module1.h"
#include "stage/picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

// The first three are every activity's own (ActivityBoard).
enum Button { Exit = 0, StartAgain = 1, CheckScore = 2, NewPicture = 3, Answer = 4 };

constexpr ButtonLayout kButtons[5] = {
    //: A button of 83 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("jigsaw", "Exit"), {10560, 7920, 1245, 495}},
    //: A button of 171 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("jigsaw", "Start Again"), {3960, 7920, 2565, 495}},
    //: A button of 171 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("jigsaw", "Check Score"), {6600, 7920, 2565, 495}},
    //: A button of 155 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("jigsaw", "New Picture"), {120, 7920, 2325, 495}},
    //: A button of 147 pixels, Tahoma 15.75 bold.
    {QT_TRANSLATE_NOOP("jigsaw", "Answer"), {120, 7920, 2205, 495}},
};

const QColor kBorder(20, 32, 80);

// A frame of the board or the tray, with a border of one design pixel that
// shows at any scale factor; a piece's frame has none.
QFrame *makeFrame(const QString &name, QWidget *parent, bool bordered = true) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Screen::StandardBack);
    palette.setColor(QPalette::WindowText, kBorder);
    frame->setPalette(palette);
    frame->setFrameStyle(QFrame::NoFrame);
    if (bordered) addDeviceBorder(frame, kBorder);
    // A frame is a control: moving over it is not moving over the background.
    frame->setAttribute(Qt::WA_NoMousePropagation);
    return frame;
}

// A piece let go on its own cell chimes, on another board cell it clicks.
void playDropSound(const JigsawBoard &board, int piece) {
    for (int cell = 0; cell < JigsawBoard::Pieces; ++cell) {
        if (board.liesOn(piece, cell)) {
            playSound(cell == piece ? Sound::Chime : Sound::Click);
            return;
        }
    }
}

QPoint pixelPlace(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

} // namespace

jigsaw::jigsaw(QWidget *parent) : Screen(parent) {
    setAccessibleName(tr("Jigsaw"));
    const QColor yellow = LabelButton::Yellow;
    announcer_ = addAnnouncer(this);
    // Labels and buttons are made first: every frame lies above them, so a
    // piece dragged over a label hides it.
    Label1 = addLabel(QStringLiteral("Label1"), {}, {3480, 0, 8055, 1095},
                      designFont(QStringLiteral("Times New Roman"), 24), yellow);
    //: Three lines of 216 pixels, Arial 12 bold.
    Label6 = addLabel(QStringLiteral("Label6"),
                      tr("Complete the picture by dragging its parts into the correct positions."),
                      {120, 120, 3240, 1020}, designFont(QStringLiteral("Arial"), 12, true), yellow);
    Label7 = addLabel(QStringLiteral("Label7"), {}, {3600, 7200, 7785, 675},
                      designFont(QStringLiteral("Tahoma"), 21.75, true), yellow);
    Label7->setWordWrap(false);
    Label7->hide();
    const QFont buttonFont = designFont(QStringLiteral("Tahoma"), 15.75, true);
    const QList<LabelButton *> buttons =
        addLabelButtons(QStringLiteral("Label3"), kButtons, buttonFont, [this](int i) { Label3_Click(i); });
    std::copy(buttons.begin(), buttons.end(), Label3.begin());
    Label3[CheckScore]->hide();
    Label3[Answer]->hide();
    setHoverButtons(buttons, true, true);

    // Frames from the lowest up: the board's background, the board cells,
    // the tray's background and its slots, then the pieces above them all.
    Frame2 = makeFrame(QStringLiteral("Frame2"), this);
    place(Frame2, {3600, 1080, 7815, 6015});
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        Frame3[i] = makeFrame(QStringLiteral("Frame3_%1").arg(i), this);
    Frame4 = makeFrame(QStringLiteral("Frame4"), this);
    place(Frame4, {660, 1080, 2175, 6015});
    for (int i = JigsawBoard::FirstTraySlot; i < JigsawBoard::Slots; ++i)
        Frame3[i] = makeFrame(QStringLiteral("Frame3_%1").arg(i), this);

    for (int i = 0; i < JigsawBoard::Pieces; ++i) {
        Frame1[i] = makeFrame(QStringLiteral("Frame1_%1").arg(i), this, false);
        const QPoint home = JigsawBoard::home(i);
        place(Frame1[i], {home.x(), home.y(), JigsawBoard::PieceSize, JigsawBoard::PieceSize});
        const QPoint offset = JigsawBoard::pictureOffset(i);
        Image1[i] =
            addPicture(QStringLiteral("Image1_%1").arg(i), {offset.x(), offset.y(), 7200, 5400}, Frame1[i]);
        // The picture is no mouse target: the piece takes every event over it.
        Image1[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    drag_ = new DragControls({Frame1.begin(), Frame1.end()}, *this, this);
    QList<QWidget *> tapTargets{this, Frame2, Frame4};
    tapTargets.append({Frame3.begin(), Frame3.end()});
    drag_->addTapTargets(tapTargets);
    setHarmful({Label3[Exit]});
    addFocusGroup({Label3[NewPicture], Label3[Answer]});
}

jigsaw::~jigsaw() {
    // The carry calls back into the board, which goes before the children.
    delete drag_;
}

void jigsaw::load() {
    fitScreen();
    board_ = std::make_unique<JigsawBoard>(Module1, *services().random);
    for (int i = 0; i < JigsawBoard::Slots; ++i)
        place(Frame3[i], board_->slot(i));
    setpicture();
}

void jigsaw::setpicture() {
    board_->setpicture();
    showPicture();
    showBoard();
}

void jigsaw::showPicture() {
    const JigsawPicture &entry = JigsawBoard::Catalogue[Module1.JigsawPicture];
    const QString file = QString::fromLatin1(entry.file);
    picture_ = loadPicture(file);
    Label1->setText(JigsawBoard::caption(Module1.JigsawPicture));
    // Each piece holds a shallow copy: twelve views of one decoded picture.
    for (PictureBox *image : Image1) {
        image->setPicture(picture_, file);
        image->show();
    }
}

void jigsaw::showBoard() {
    for (int i = 0; i < JigsawBoard::Pieces; ++i) {
        const QPoint at = pixelPlace(board_->position(i));
        if (Frame1[i]->pos() != at) Frame1[i]->move(at);
    }
    if (board_->stackingChanges() != shownStacking_) {
        for (int piece : board_->stacking())
            Frame1[piece]->raise();
        shownStacking_ = board_->stackingChanges();
    }
    Label3[CheckScore]->setVisible(board_->checkScoreShown());
    Label3[NewPicture]->setVisible(board_->newPictureShown());
    Label3[Answer]->setVisible(board_->answerShown());
    if (Label7->text() != board_->scoreLine()) Label7->setText(board_->scoreLine());
    Label7->setVisible(board_->scoreLineShown());
    for (int i = 0; i < JigsawBoard::Pieces; ++i) {
        const QString name = pieceName(i);
        if (Frame1[i]->accessibleName() != name) Frame1[i]->setAccessibleName(name);
    }
}

QString jigsaw::pieceName(int piece) const {
    //: %3 is where the piece lies: "in row 2, column 3", "in the tray" or "not in a cell".
    return tr("Piece %1 of %2, %3").arg(piece + 1).arg(JigsawBoard::Pieces).arg(board_->whereIs(piece));
}

QList<QWidget *> jigsaw::focusOrder() const {
    QList<QWidget *> order;
    std::array<int, JigsawBoard::Pieces> pieces;
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        pieces[i] = i;
    // Pieces off every place come last.
    const auto rank = [this](int piece) {
        const int place = board_ ? board_->placeOf(piece) : piece;
        return place < 0 ? JigsawBoard::Slots : place;
    };
    std::stable_sort(pieces.begin(), pieces.end(), [&rank](int a, int b) { return rank(a) < rank(b); });
    for (int piece : pieces)
        order.append(Frame1[piece]);
    for (int button : {NewPicture, Answer, StartAgain, CheckScore, Exit}) {
        if (Label3[button]->isVisibleTo(this) && Label3[button]->isEnabled()) order.append(Label3[button]);
    }
    return order;
}

void jigsaw::Frame1_MouseMove(int index, int buttons, QPoint pointer) {
    board_->mouseMove(index, buttons, pointer);
    showBoard();
}

void jigsaw::Frame1_MouseUp(int index) {
    const JigsawDrop drop = board_->drop(index);
    playDropSound(*board_, index);
    showBoard();
    const QString where = board_->whereIs(index);
    const QString said =
        drop.displaced < 0
            ? tr("Piece %1 of %2 put down %3").arg(index + 1).arg(JigsawBoard::Pieces).arg(where)
            : tr("Piece %1 of %2 put down %3. Piece %4 of %2 moved to the tray")
                  .arg(index + 1)
                  .arg(JigsawBoard::Pieces)
                  .arg(where)
                  .arg(drop.displaced + 1);
    announce(announcer_, said);
}

void jigsaw::dragged(int item, int buttons, QPointF at) {
    Frame1_MouseMove(item, buttons,
                     QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))));
}

void jigsaw::pickedUp(int item) {
    board_->pickUp(item);
    showBoard();
    announce(
        announcer_,
        tr("Picked up piece %1 of %2, %3").arg(item + 1).arg(JigsawBoard::Pieces).arg(board_->whereIs(item)));
}

void jigsaw::stepped(int item, int across, int down) {
    board_->step(item, across, down);
    showBoard();
    announce(announcer_, pieceName(item));
}

bool jigsaw::carryTo(int item, int place) {
    if (place < 0) return false;
    board_->carryTo(item, place);
    return true;
}

void jigsaw::putBack(int item, QPointF origin) {
    board_->putBack(item, origin.toPoint());
    showBoard();
    announce(
        announcer_,
        tr("Piece %1 of %2, %3, put back").arg(item + 1).arg(JigsawBoard::Pieces).arg(board_->whereIs(item)));
}

void jigsaw::Label3_Click(int index) {
    if (board_->press(index)) {
        if (index == Exit) {
            unloadScreen();
            return;
        }
        showBoard();
        if (index == CheckScore) {
            announce(announcer_, board_->scoreLine().trimmed());
            // The record keeps the caption in English, whatever the language
            // shown, so that results of one painting stay together.
            keepRecord(scoreRecord(::Activity::Jigsaw,
                                   QString::fromLatin1(JigsawBoard::Catalogue[Module1.JigsawPicture].caption),
                                   Module1, QDateTime::currentDateTime()),
                       {}, services().classroom);
        }
        return;
    }
    switch (index) {
    case NewPicture:
        board_->newPicture();
        showPicture();
        break;
    case Answer:
        board_->answer();
        break;
    default:
        return;
    }
    showBoard();
}
