// Mouse events go through the window, as a pupil's do, so the press grabs
// the piece and the moves and release that follow reach it wherever it is.
#define QTEST_QPA_MOUSE_HANDLING

#include "jigsaw/jigsaw.h"
#include "platform/pictures.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/picturebox.h"
#include "support/testsupport.h"
#include "topic/phidias.h"

#include <QBuffer>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

double stepDraw(int m) {
    return (m - 2 + 0.5) / 11.0;
}
double pictureDraw(int n) {
    return (n + 0.5) / 10.0;
}

QPoint pixels(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

// A jigsaw on picture `picture`, laid out by the shuffle with step `m`.
jigsaw &openJigsaw(TestWorld &world, int picture, int m) {
    JigsawBoard::CurrentPicture = 0;
    world.random.values = {pictureDraw(picture), stepDraw(m)};
    jigsaw &screen = form<jigsaw>();
    screen.showScreen();
    return screen;
}

// Presses `button` over the middle of the piece, moves the pointer in steps
// to `to` (pixels in the screen), and releases it there.
void drag(jigsaw &screen, int piece, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QFrame *frame = screen.Frame1[piece];
    const QPoint from = frame->pos() + QPoint(60, 60);
    QTest::mousePress(frame, button, {}, frame->mapFrom(&screen, from));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&screen, from + (to - from) * step / 4);
    QTest::mouseRelease(&screen, button, {}, to);
}

// Drags the piece so that it comes to rest with its top-left at `twips`.
void dragPieceTo(jigsaw &screen, int piece, QPoint twips) {
    drag(screen, piece, pixels(twips) + QPoint(60, 60));
}

void click(LabelButton *button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void moveOver(QWidget *widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A painting of four colours, one to each quarter, so every piece can be told
// by what it shows.
QByteArray quarteredPicture() {
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 240, 180, Qt::red);
    painter.fillRect(240, 0, 240, 180, Qt::green);
    painter.fillRect(0, 180, 240, 180, Qt::blue);
    painter.fillRect(240, 180, 240, 180, Qt::white);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

} // namespace

class JigsawScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensShuffledWithTheCaptionOfItsPictureAndTheMaximumOfTwelve() {
        TestWorld world(false);
        Module1.MaxScore = 4;
        jigsaw &screen = openJigsaw(world, 4, 12);
        QCOMPARE(JigsawBoard::CurrentPicture, 4);
        QCOMPARE(screen.Label1->text(), u"The Death of Socrates by Jacques-Louis David"_qs);
        QCOMPARE(Module1.MaxScore, 12);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(screen.Frame1[i]->pos(), pixels(JigsawBoard::home(11 - i)));
        QVERIFY(!screen.Label3[2]->isVisible());
        QVERIFY(!screen.Label3[4]->isVisible());
        QVERIFY(screen.Label3[3]->isVisible());
        QVERIFY(!screen.Label7->isVisible());
    }

    void piecesLieAboveEveryFrameAndLabelsBeneathThem() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 3);
        const QObjectList &order = screen.children();
        const auto at = [&](QObject *o) { return order.indexOf(o); };
        const qsizetype lowestFrame = at(screen.Frame2);
        for (QObject *label : {static_cast<QObject *>(screen.Label1), static_cast<QObject *>(screen.Label7)})
            QVERIFY(at(label) < lowestFrame);
        for (LabelButton *button : screen.Label3)
            QVERIFY(at(button) < lowestFrame);
        for (QFrame *slot : screen.Frame3)
            QVERIFY(at(slot) > lowestFrame);
        for (QFrame *piece : screen.Frame1) {
            for (QFrame *slot : screen.Frame3)
                QVERIFY(at(piece) > at(slot));
            QVERIFY(at(piece) > at(screen.Frame4));
        }
        QCOMPARE(screen.Frame3[12]->geometry(), QRect(56, 84, 120, 120));
        QCOMPARE(screen.Frame3[0]->geometry(), QRect(248, 84, 120, 124));
    }

    void everyPieceShowsItsOwnSquareOfOneSharedPicture() {
        TestWorld world(false);
        world.writeFile(u"Images/bacchus.jpg"_qs, quarteredPicture());
        jigsaw &screen = openJigsaw(world, 2, 5);
        const QImage &first = screen.Image1[0]->picture();
        QVERIFY(!first.isNull());
        for (PictureBox *image : screen.Image1) {
            QCOMPARE(image->picture().cacheKey(), first.cacheKey());
            QCOMPARE(image->picture().constBits(), first.constBits());
        }
        const QColor expected[12] = {Qt::red,   Qt::red,   Qt::green, Qt::green, Qt::red,   Qt::red,
                                     Qt::green, Qt::green, Qt::blue,  Qt::blue,  Qt::white, Qt::white};
        for (int i = 0; i < 12; ++i) {
            const QImage shown = screen.Frame1[i]->grab().toImage();
            QVERIFY2(near(shown.pixelColor(60, 30), expected[i]), qPrintable(QString::number(i)));
        }
        // The square of row 1, column 1 straddles the colours' border at y = 180.
        const QImage piece5 = screen.Frame1[5]->grab().toImage();
        QVERIFY(near(piece5.pixelColor(60, 10), Qt::red));
        QVERIFY(near(piece5.pixelColor(60, 110), Qt::blue));
    }

    void everyPaintingOfTheCatalogueComesAtTheSizeTheTwelvePiecesCover() {
        if (qEnvironmentVariableIsEmpty("HELLAS_TEST_CONTENT")) QSKIP("the generated content is not at hand");
        TestWorld world;
        jigsaw &screen = openJigsaw(world, 6, 5);
        QCOMPARE(screen.Image1[11]->picture().size(), QSize(480, 360));
        QCOMPARE(screen.Image1[11]->source(), u"Images\\solonmd.jpg"_qs);
        for (const JigsawPicture &entry : JigsawBoard::Catalogue)
            QCOMPARE(loadPicture(QString::fromLatin1(entry.file)).size(), QSize(480, 360));
    }

    void withoutItsPictureTheScreenStillOpensAndPlays() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 7, 12);
        QVERIFY(screen.Image1[0]->picture().isNull());
        dragPieceTo(screen, 11, JigsawBoard::home(11) + QPoint(150, 150));
        QCOMPARE(screen.Frame1[11]->pos(), pixels(JigsawBoard::home(11)));
    }

    void aDraggedPieceFollowsThePointerAndSnapsDisplacingTheOccupantToTheTray() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 12);
        QFrame *piece = screen.Frame1[0];
        const QPoint start = piece->pos() + QPoint(60, 60);
        QTest::mousePress(piece, Qt::LeftButton, {}, {60, 60});
        QTest::mouseMove(&screen, start + QPoint(-100, 30));
        QCOMPARE(piece->pos() + QPoint(60, 60), start + QPoint(-100, 30));
        QCOMPARE(screen.board().stacking().back(), 0);
        QTest::mouseMove(&screen, pixels(JigsawBoard::home(0)) + QPoint(70, 50));
        QTest::mouseRelease(&screen, Qt::LeftButton, {}, pixels(JigsawBoard::home(0)) + QPoint(70, 50));
        QCOMPARE(piece->pos(), pixels(JigsawBoard::home(0)));
        QCOMPARE(screen.Frame1[11]->pos(), QPoint(56, 88));
        QCOMPARE(screen.board().stacking().back(), 11);
        QCOMPARE(screen.children().last(), screen.Frame1[11]);
    }

    void onlyTheLeftButtonAloneDragsButAnyReleaseDrops() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 12);
        const QPoint before = screen.Frame1[3]->pos();
        drag(screen, 3, before + QPoint(200, 0), Qt::RightButton);
        QCOMPARE(screen.Frame1[3]->pos(), before);

        // Any release drops: the right button let go while the left still
        // drags snaps the piece into the cell it is over.
        QFrame *dragged = screen.Frame1[5];
        QTest::mousePress(dragged, Qt::LeftButton, {}, {60, 60});
        QTest::mouseMove(&screen, pixels(JigsawBoard::home(0)) + QPoint(75, 70));
        QCOMPARE(dragged->pos(), pixels(JigsawBoard::home(0)) + QPoint(15, 10));
        QTest::mousePress(dragged, Qt::RightButton, {}, {60, 60});
        QTest::mouseRelease(&screen, Qt::RightButton, {}, pixels(JigsawBoard::home(0)) + QPoint(75, 70));
        QCOMPARE(dragged->pos(), pixels(JigsawBoard::home(0)));
        QCOMPARE(screen.Frame1[11]->pos(), QPoint(56, 88));
        QTest::mouseRelease(&screen, Qt::LeftButton, {}, pixels(JigsawBoard::home(0)) + QPoint(60, 60));
        QCOMPARE(dragged->pos(), pixels(JigsawBoard::home(0)));

        QFrame *piece = screen.Frame1[8];
        const QPoint at = piece->pos();
        QTest::mousePress(piece, Qt::LeftButton, {}, {60, 60});
        QTest::mousePress(piece, Qt::RightButton, {}, {60, 60});
        QTest::mouseMove(&screen, (piece->pos() + QPoint(60, 60)) + QPoint(90, 90));
        QCOMPARE(piece->pos(), at);
        QTest::mouseRelease(&screen, Qt::RightButton, {}, (piece->pos() + QPoint(60, 60)));
        QTest::mouseRelease(&screen, Qt::LeftButton, {}, (piece->pos() + QPoint(60, 60)));
        QCOMPARE(piece->pos(), at);
    }

    void theScoreLineCountsPiecesAtHomeAndAnswerShowsTheSolution() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 12);
        // Lifting a piece and dropping it back leaves every cell filled.
        drag(screen, 0, screen.Frame1[0]->pos() + QPoint(70, 70));
        click(screen.Label3[2]);
        QCOMPARE(screen.Label7->text(), u" 0 out of 12 scored "_qs);
        QVERIFY(screen.Label7->isVisible());
        QVERIFY(screen.Label3[4]->isVisible());
        QVERIFY(!screen.Label3[3]->isVisible());

        click(screen.Label3[4]);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(screen.Frame1[i]->pos(), pixels(JigsawBoard::home(i)));
        QVERIFY(!screen.Label7->isVisible());
        click(screen.Label3[2]);
        QCOMPARE(screen.Label7->text(), u" 12 out of 12 scored "_qs);
        QCOMPARE(Module1.Score, 12);
        QVERIFY(screen.Label3[3]->isVisible());
        QVERIFY(!screen.Label3[4]->isVisible());

        // A swap and a round of three leave seven pieces at home.
        dragPieceTo(screen, 0, JigsawBoard::home(1));
        dragPieceTo(screen, 1, JigsawBoard::home(0));
        dragPieceTo(screen, 2, JigsawBoard::home(3));
        dragPieceTo(screen, 3, JigsawBoard::home(4));
        dragPieceTo(screen, 4, JigsawBoard::home(2));
        QVERIFY(!screen.Label7->isVisible());
        click(screen.Label3[2]);
        QCOMPARE(screen.Label7->text(), u" 7 out of 12 scored "_qs);
        QCOMPARE(Module1.Score, 7);

        // Merely passing over a piece hides the answer and the score line.
        moveOver(screen.Frame1[9], {20, 20});
        QVERIFY(!screen.Label7->isVisible());
        QVERIFY(!screen.Label3[4]->isVisible());
        QVERIFY(screen.Label3[3]->isVisible());
    }

    void startAgainHidesCheckScoreAndEveryButtonButCheckScoreClearsTheScore() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 12);
        drag(screen, 6, screen.Frame1[6]->pos() + QPoint(60, 60));
        QVERIFY(screen.Label3[2]->isVisible());
        Module1.Score = 5;
        world.random.values = {stepDraw(2)};
        click(screen.Label3[1]);
        QCOMPARE(Module1.Score, 0);
        QVERIFY(!screen.Label3[2]->isVisible());
        QCOMPARE(screen.Frame1[0]->pos(), pixels(JigsawBoard::home(2)));
        QCOMPARE(JigsawBoard::CurrentPicture, 1);

        Module1.Score = 5;
        world.random.values = {pictureDraw(6), stepDraw(2)};
        click(screen.Label3[3]);
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(screen.Label1->text(), u"Solon before Croesus by Gerard van Honthorst"_qs);

        Module1.Score = 5;
        click(screen.Label3[0]);
        QCOMPARE(Module1.Score, 0);
    }

    void buttonsHighlightUnderThePointerAndClearOverTheBackground() {
        TestWorld world(false);
        jigsaw &screen = openJigsaw(world, 1, 12);
        for (LabelButton *button : screen.Label3)
            button->setOpaque(false);
        moveOver(screen.Label3[1], {10, 10});
        QVERIFY(screen.Label3[1]->isOpaque());
        moveOver(&screen, {400, 570});
        for (LabelButton *button : screen.Label3)
            QVERIFY(!button->isOpaque());
    }

    void reopeningNeverShowsTheSamePaintingTwiceInARow() {
        TestWorld world(false);
        jigsaw &first = openJigsaw(world, 8, 3);
        QCOMPARE(JigsawBoard::CurrentPicture, 8);
        click(first.Label3[0]);
        settle();
        QVERIFY(!isLoaded<jigsaw>());
        world.random.values = {pictureDraw(8), stepDraw(3)};
        form<jigsaw>().showScreen();
        QCOMPARE(JigsawBoard::CurrentPicture, 1);
        QCOMPARE(form<jigsaw>().Label1->text(), u"The School of Athens by Raphael"_qs);
    }

    void theTopicMenuOpensTheJigsawAndExitReturnsToIt() {
        TestWorld world(false);
        phidias &topic = form<phidias>();
        topic.showScreen();
        world.random.values = {pictureDraw(3), stepDraw(4)};
        QTest::mouseClick(topic.label3[3], Qt::LeftButton);
        QVERIFY(isLoaded<jigsaw>());
        QCOMPARE(world.stage().frontScreen(), &form<jigsaw>());
        click(form<jigsaw>().Label3[0]);
        settle();
        QCOMPARE(world.stage().frontScreen(), &topic);
    }
};

QTEST_MAIN(JigsawScreen)
#include "jigsaw_screen_test.moc"
