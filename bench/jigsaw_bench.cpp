// Jigsaw figures: one drag movement of a piece and one drop, each from the
// mouse event to the screen repainted, as a share of a 60 Hz frame; and how
// many decoded copies of the painting the twelve pieces hold.

#include "benchworld.h"
#include "figure.h"

#include "jigsaw/jigsaw.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/services.h"
#include "stage/fonts.h"
#include "stage/picturebox.h"
#include "stage/stage.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QRegion>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <set>
#include <vector>

namespace {

constexpr double kFrameMilliseconds = 1000.0 / 60.0;

class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

void send(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The pieces' places before an event, so the repaint after it covers what moved.
std::array<QRect, JigsawBoard::Pieces> places(const jigsaw &screen) {
    std::array<QRect, JigsawBoard::Pieces> at;
    for (int i = 0; i < JigsawBoard::Pieces; ++i)
        at[i] = screen.Frame1[i]->geometry();
    return at;
}

// Paints at once what the event loop would paint before the next event: where
// each moved piece was and where it is now. Qt coalesces repaints on a timer,
// so without this a drag movement would be timed without its painting.
void repaintNow(jigsaw &screen, const std::array<QRect, JigsawBoard::Pieces> &before) {
    QCoreApplication::processEvents();
    QRegion dirty;
    for (int i = 0; i < JigsawBoard::Pieces; ++i) {
        if (screen.Frame1[i]->geometry() != before[i])
            dirty += before[i].united(screen.Frame1[i]->geometry());
    }
    if (!dirty.isEmpty()) screen.repaint(dirty);
}

// One movement with the left button held: the piece moves 7 pixels one way
// or the other, so every movement really moves it.
void dragMove(jigsaw &screen, int piece, int &direction) {
    direction = -direction;
    const auto before = places(screen);
    send(screen.Frame1[piece], QEvent::MouseMove, QPoint(60 + 7 * direction, 60), Qt::NoButton,
         Qt::LeftButton);
    repaintNow(screen, before);
}

// Carries `piece` over the cell that another piece fills, without letting go.
void carryOver(jigsaw &screen, int piece, int cell) {
    QFrame *frame = screen.Frame1[piece];
    const QPoint target(toPixels(JigsawBoard::home(cell).x()) + 5, toPixels(JigsawBoard::home(cell).y()) + 5);
    const auto before = places(screen);
    send(frame, QEvent::MouseButtonPress, {60, 60}, Qt::LeftButton, Qt::LeftButton);
    send(frame, QEvent::MouseMove, target - frame->pos() + QPoint(60, 60), Qt::NoButton, Qt::LeftButton);
    repaintNow(screen, before);
}

// The drop that does most: the piece snaps and the occupant goes to the tray.
void dropOnOccupiedCell(jigsaw &screen, int piece) {
    const auto before = places(screen);
    send(screen.Frame1[piece], QEvent::MouseButtonRelease, {60, 60}, Qt::LeftButton, Qt::NoButton);
    repaintNow(screen, before);
}

int occupant(const jigsaw &screen, int slot) {
    for (int i = 0; i < JigsawBoard::Pieces; ++i) {
        if (screen.board().liesOn(i, slot)) return i;
    }
    return -1;
}

// The piece the last drop put in the tray, or at first the one on cell 0; it
// goes back over cell 5 and sends that cell's piece to the tray in its turn.
int nextCarried(const jigsaw &screen) {
    const int inTray = occupant(screen, JigsawBoard::FirstTraySlot);
    if (inTray >= 0) return inTray;
    // The shuffle may leave both places empty: then any piece not on cell 5.
    const int onCell5 = occupant(screen, 5);
    return onCell5 == 0 ? 1 : 0;
}

void BM_DragMove(benchmark::State &state) {
    jigsaw &screen = form<jigsaw>();
    int direction = 1;
    send(screen.Frame1[4], QEvent::MouseButtonPress, {60, 60}, Qt::LeftButton, Qt::LeftButton);
    for (auto _ : state)
        dragMove(screen, 4, direction);
    send(screen.Frame1[4], QEvent::MouseButtonRelease, {60, 60}, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

void BM_Drop(benchmark::State &state) {
    jigsaw &screen = form<jigsaw>();
    for (auto _ : state) {
        state.PauseTiming();
        const int piece = nextCarried(screen);
        carryOver(screen, piece, 5);
        state.ResumeTiming();
        dropOnOccupiedCell(screen, piece);
    }
}
BENCHMARK(BM_Drop)->Unit(benchmark::kMicrosecond);


double milliseconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    BenchServices benchServices;
    Stage stage;
    showStage(stage);
    // Asked to run with accessibility on, the run waits for the reader's bus:
    // Qt switches accessibility on only once it has reached it.
    const bool accessibilityAsked = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    const auto asked = std::chrono::steady_clock::now();
    while (accessibilityAsked && !QAccessible::isActive() && milliseconds(asked) < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    jigsaw &screen = form<jigsaw>();
    screen.showScreen();
    screen.repaint();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    PaintCounter counter;
    screen.installEventFilter(&counter);
    for (QWidget *control : screen.findChildren<QWidget *>())
        control->installEventFilter(&counter);

    std::vector<double> moves;
    int direction = 1;
    send(screen.Frame1[7], QEvent::MouseButtonPress, {60, 60}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 301; ++i) {
        const auto start = std::chrono::steady_clock::now();
        dragMove(screen, 7, direction);
        moves.push_back(milliseconds(start));
    }
    send(screen.Frame1[7], QEvent::MouseButtonRelease, {60, 60}, Qt::LeftButton, Qt::NoButton);
    const int movePaints = counter.paints;

    std::vector<double> drops;
    for (int i = 0; i < 101; ++i) {
        const int piece = nextCarried(screen);
        carryOver(screen, piece, 5);
        const auto start = std::chrono::steady_clock::now();
        dropOnOccupiedCell(screen, piece);
        drops.push_back(milliseconds(start));
    }

    std::set<const uchar *> buffers;
    qint64 bytes = 0;
    for (PictureBox *image : screen.Image1) {
        if (image->picture().isNull()) continue;
        if (buffers.insert(image->picture().constBits()).second) bytes += image->picture().sizeInBytes();
    }

    std::printf("drag move %.3f ms, drop %.3f ms (median); %d widgets painted over 301 moves\n",
                median(moves), median(drops), movePaints);
    std::printf("picture: %zu decoded buffer(s), %lld bytes, shown by %zu pieces\n", buffers.size(),
                static_cast<long long>(bytes), screen.Image1.size());
    std::printf("note accessibility %s\n", QAccessible::isActive() ? "on" : "off");
    printFigure("drag_move_frames", median(moves) / kFrameMilliseconds, "frames", "<=", 0.1);
    printFigure("drop_frames", median(drops) / kFrameMilliseconds, "frames", "<=", 0.1);
    printFigure("jigsaw_picture_copies", double(buffers.size()), "copies", "<=", 1);
    return 0;
}
