#include "jigsaw/jigsaw.h"

#include "platform/pictures.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "shell/dragcontrols.h"
#include "shell/fonts.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

enum Button { Exit = 0, StartAgain = 1, CheckScore = 2, NewPicture = 3, Answer = 4 };

constexpr ButtonLayout kButtons[5] = {
    {"Exit", {10560, 7920, 1245, 495}},       {"Start Again", {3960, 7920, 2565, 495}},
    {"Check Score", {6600, 7920, 2565, 495}}, {"New Picture", {120, 7920, 2325, 495}},
    {"Answer", {120, 7920, 2205, 495}},
};

QFrame *makeFrame(const QString &name, QWidget *parent) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Screen::StandardBack);
    palette.setColor(QPalette::WindowText, QColor(20, 32, 80));
    frame->setPalette(palette);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
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
    const QColor yellow = LabelButton::Yellow;
    // Labels and buttons are made first: every frame lies above them, so a
    // piece dragged over a label hides it.
    Label1 = addLabel(QStringLiteral("Label1"), {}, {3480, 0, 8055, 1095},
                      designFont(QStringLiteral("Times New Roman"), 24), yellow);
    Label6 =
        addLabel(QStringLiteral("Label6"),
                 QStringLiteral("Complete the picture by dragging its parts into the correct positions."),
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
        Frame1[i] = makeFrame(QStringLiteral("Frame1_%1").arg(i), this);
        Frame1[i]->setFrameStyle(QFrame::NoFrame);
        const QPoint home = JigsawBoard::home(i);
        place(Frame1[i], {home.x(), home.y(), JigsawBoard::PieceSize, JigsawBoard::PieceSize});
        const QPoint offset = JigsawBoard::pictureOffset(i);
        Image1[i] =
            addPicture(QStringLiteral("Image1_%1").arg(i), {offset.x(), offset.y(), 7200, 5400}, Frame1[i]);
        // The picture is no mouse target: the piece takes every event over it.
        Image1[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    new DragControls(
        {Frame1.begin(), Frame1.end()},
        [this](int index, int buttons, QPointF at) {
            Frame1_MouseMove(
                index, buttons,
                QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))));
        },
        [this](int index) { Frame1_MouseUp(index); }, this);
}

jigsaw::~jigsaw() = default;

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
    const JigsawPicture &entry = JigsawBoard::Catalogue[JigsawBoard::CurrentPicture];
    const QString file = QString::fromLatin1(entry.file);
    picture_ = loadPicture(file);
    Label1->setText(QString::fromLatin1(entry.caption));
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
}

void jigsaw::Frame1_MouseMove(int index, int buttons, QPoint pointer) {
    board_->mouseMove(index, buttons, pointer);
    showBoard();
}

void jigsaw::Frame1_MouseUp(int index) {
    board_->drop(index);
    playDropSound(*board_, index);
    showBoard();
}

void jigsaw::Label3_Click(int index) {
    switch (index) {
    case Exit:
        board_->exit();
        unloadScreen();
        return;
    case StartAgain:
        board_->startAgain();
        break;
    case CheckScore:
        board_->checkScore();
        break;
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
