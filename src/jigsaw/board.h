#pragma once
// The jigsaw board: twelve pieces, twelve board cells and three tray slots in
// twips, the shuffle, the picture choice, snapping, the buttons and the score.

#include "core/activity.h"
#include "core/module1.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <array>

class RandomSource;

struct JigsawPicture {
    const char *file;
    const char *caption;
};

// What a drop did: the board cell the piece snapped into (none when it was
// let go elsewhere) and the piece it moved out of that cell to a tray slot.
struct JigsawDrop {
    int cell = -1;
    int displaced = -1;
    int traySlot = -1;
};

class JigsawBoard final : public ActivityBoard {
    Q_DECLARE_TR_FUNCTIONS(JigsawBoard)

  public:
    static constexpr int Pieces = 12;
    static constexpr int Columns = 4;
    static constexpr int FirstTraySlot = 12;
    static constexpr int Slots = 15;
    static constexpr int PieceSize = 1800;
    static constexpr int Pictures = 10;
    static constexpr std::array<JigsawPicture, Pictures> Catalogue{{
        //: A painting's caption: two lines of 537 pixels, Times New Roman 24.
        {"Images\\ulysses.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "Ulysses deriding Polyphemus by J.M.W. Turner")},
        {"Images\\schoolmd.jpg", QT_TRANSLATE_NOOP("JigsawBoard", "The School of Athens by Raphael")},
        {"Images\\bacchus.jpg", QT_TRANSLATE_NOOP("JigsawBoard", "Bacchus and Ariadne by Titian")},
        {"Images\\venusbirth.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "The Birth of Venus by Sandro Botticelli")},
        {"Images\\socratesmd.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "The Death of Socrates by Jacques-Louis David")},
        {"Images\\phidiasmd.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard",
                           "Phidias Showing the Frieze of the Parthenon by Lawrence Alma Tadema")},
        {"Images\\solonmd.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "Solon before Croesus by Gerard van Honthorst")},
        {"Images\\alcibiadesmd.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "Socrates finding Alcibiades at Aspasia's house by J.L. Gerome")},
        {"Images\\trojan.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "The Procession of the Trojan Horse in Troy by Giovanni Tiepolo")},
        {"Images\\penelope.jpg",
         QT_TRANSLATE_NOOP("JigsawBoard", "Penelope and Suitors by John William Waterhouse")},
    }};

    // A painting's caption in the program's language; the record of a score
    // keeps the caption as the catalogue writes it.
    static QString caption(int picture) { return tr(Catalogue[picture].caption); }

    // Every piece at its home; the board cells are made around them and
    // the shared maximum becomes the number of pieces.
    JigsawBoard(SharedState &shared, RandomSource &random);

    static QPoint home(int piece);
    // Where the piece shows its square of the picture, relative to the piece.
    static QPoint pictureOffset(int piece);
    const TwipRect &slot(int index) const { return slots_[index]; }
    // The position a piece takes when it is put into a slot.
    QPoint seat(int index) const { return {slots_[index].left, slots_[index].top + 60}; }
    QPoint position(int piece) const { return pieces_[piece]; }
    bool liesOn(int piece, int slotIndex) const { return pieces_[piece] == seat(slotIndex); }
    // Pieces from back to front.
    const std::array<int, Pieces> &stacking() const { return stacking_; }
    // Grows whenever the stacking changes, so a view restacks only then.
    int stackingChanges() const { return stackingChanges_; }

    // Another picture than the one before, then a fresh shuffle.
    void setpicture();
    // Every piece onto a board cell in a new order, never the solved one.
    void shuffle();

    // The pointer moved over a piece with buttons held (Carry::Buttons), at a
    // position relative to its top-left.
    void mouseMove(int piece, int buttons, QPoint pointer);
    // A button was released after a press on the piece, or the keyboard put it down.
    JigsawDrop drop(int piece);
    // Touching a piece without moving it, as the pointer passing over it does.
    void touch(int piece) { mouseMove(piece, 0, {}); }

    // Places for carrying a piece by keyboard: the board cells 0 to 11 and
    // the tray slots 12 to 14, a column left of the board's first.
    // The slot the piece lies on, or -1.
    int placeOf(int piece) const;
    // The slot whose seat is nearest to a position.
    int nearestPlace(QPoint at) const;
    // The place one step across and down from a place; the edges hold.
    static int neighbour(int place, int across, int down);
    // The keyboard takes a piece up, as touching it would; the place it is
    // carried over starts at its own slot, or the one nearest to where it lies.
    void pickUp(int piece);
    // The keyboard moves the carried piece one place across and down.
    void step(int piece, int across, int down);
    // Puts a carried piece on the seat of a place, in front, without the drop rules.
    void carryTo(int piece, int place);
    // Where a tap puts a held piece: the board cell under the point, or a free
    // tray slot when the point is in the tray (the one under it, else the
    // first); -1 elsewhere.
    int placeAt(QPoint at) const;
    // Where a tap on another piece puts a held one: the board cell the other
    // lies in, which sends it to the tray on the drop; -1 when the other lies
    // elsewhere, so the tapped piece is taken up instead.
    int placeTakenFrom(int other) const;
    // Puts a piece back where it was, without the drop rules.
    void putBack(int piece, QPoint at) { pieces_[piece] = at; }
    // Where a piece lies, as a screen reader says it: "in row 2, column 3",
    // "in the tray" or "not in a cell".
    QString whereIs(int piece) const;

    void exit() override;
    void startAgain() override;
    void checkScore() override;
    void newPicture();
    void answer();

    bool checkScoreShown() const { return checkScoreShown_; }
    bool newPictureShown() const { return newPictureShown_; }
    bool answerShown() const { return answerShown_; }
    bool scoreLineShown() const { return scoreLineShown_; }
    QString scoreLine() const { return scoreLine_; }

  private:
    void bringToFront(int piece);
    void put(int piece, int slotIndex);
    int freeTraySlot() const;
    bool taken(int slotIndex) const;
    int filledCells() const;
    void touchButtons();

    SharedState &shared_;
    RandomSource &random_;
    std::array<QPoint, Pieces> pieces_;
    std::array<TwipRect, Slots> slots_;
    std::array<int, Pieces> stacking_;
    int stackingChanges_ = 0;
    int carriedPlace_ = 0;
    bool checkScoreShown_ = false;
    bool newPictureShown_ = true;
    bool answerShown_ = false;
    bool scoreLineShown_ = false;
    QString scoreLine_;
};
