#define QTEST_QPA_MOUSE_HANDLING

#include "core/module1.h"
#include "matching/phidiaslab.h"
#include "quiz/welldone.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/screenmouse.h"
#include "stage/dragcontrols.h"
#include "support/testsupport.h"
#include "topic/phidias.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// The middle of drop box `box`, in pixels of the screen.
QPoint boxMiddle(int box) {
    const TwipRect &r = MatchingBoard::DropBoxes[box];
    return pixels(QPointF(r.left + r.width / 2.0, r.top + r.height / 2.0));
}

phidiaslab &openMatching() {
    phidiaslab &screen = form<phidiaslab>();
    screen.showScreen();
    return screen;
}

} // namespace

class MatchingScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensWithNamesHomeAndBoxesEmptyThenDropsOnAnyReleaseAndStartsAgain() {
        TestWorld world(false);
        Module1.MaxScore = 10;
        phidiaslab &screen = openMatching();
        QCOMPARE(screen.caption(), u"Famous Paintings"_qs);
        QCOMPARE(Module1.MaxScore, 4);
        const char *names[4] = {"Jan Vermeer", "Leonardo da Vinci", "Vincent Van Gogh", "John Constable"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(screen.Label2[i]->text(), QString::fromLatin1(names[i]));
            QCOMPARE(screen.Label4[i]->geometry(), screen.Label2[i]->geometry());
            QVERIFY(screen.Label1[i]->isVisible());
            QVERIFY(screen.Label1[i]->text().isEmpty());
        }
        // A name's border shows against its black back.
        const QImage border = screen.Label2[2]->grab().toImage();
        QCOMPARE(border.pixelColor(0, border.height() / 2), QColor(255, 255, 0));
        QCOMPARE(border.pixelColor(3, border.height() / 2), QColor(0, 0, 0));
        QVERIFY(!screen.Label3[2]->isVisible());

        // The right button moves no name, but its release runs the drop test.
        QLabel *name = screen.Label2[1];
        const QPoint home = name->pos();
        drag(&screen, screen.Label2[1], boxMiddle(1), Qt::RightButton);
        QCOMPARE(name->pos(), home);

        QTest::mousePress(name, Qt::LeftButton, {}, {77, 12});
        QTest::mouseMove(&screen, boxMiddle(1) + QPoint(20, 5));
        QVERIFY(name->pos() != screen.Label1[1]->pos());
        QTest::mousePress(name, Qt::RightButton, {}, {77, 12});
        QTest::mouseRelease(&screen, Qt::RightButton, {}, boxMiddle(1));
        QCOMPARE(name->pos(), screen.Label1[1]->pos());
        QTest::mouseRelease(&screen, Qt::LeftButton, {}, boxMiddle(1));

        // Start Again sends every name home, hides the check and clears the score.
        for (int i : {0, 2, 3})
            drag(&screen, screen.Label2[i], boxMiddle((i + 1) % 4));
        QVERIFY(screen.Label3[2]->isVisible());
        drag(&screen, screen.Label2[2], {400, 30});
        QVERIFY(screen.Label3[2]->isVisible());
        Module1.Score = 3;
        QTest::mouseClick(screen.Label3[1], Qt::LeftButton);
        QCOMPARE(Module1.Score, 0);
        QVERIFY(!screen.Label3[2]->isVisible());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(screen.Label2[i]->pos(), screen.Label4[i]->pos());
    }

    // Taps alone play it: a tap takes a name up, a tap on a box or an empty
    // home box puts it there by the drop rules; a second tap or a tap off the
    // boxes puts it back; a tap on another name takes that one up instead.
    void tapsAloneTakeUpPutDownAndPutBackToFourOutOfFour() {
        TestWorld world(false);
        phidiaslab &screen = openMatching();
        const Carry &carry = DragControls::of(screen.Label2[0])->carry();
        const auto held = [&carry] { return carry.held() ? carry.carried() : -1; };
        tap(screen.Label2[2]);
        QCOMPARE(held(), 2);
        QCOMPARE(screen.focusWidget(), screen.Label2[2]);
        tap(screen.Label2[2]);
        QCOMPARE(held(), -1);
        tap(screen.Label2[2]);
        tap(screen.Label2[3]);
        QCOMPARE(held(), 3);
        tap(&screen, {400, 590});
        QCOMPARE(held(), -1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(screen.Label2[i]->pos(), screen.Label4[i]->pos());

        tap(screen.Label2[0]);
        tap(&screen, boxMiddle(1));
        QCOMPARE(screen.Label2[0]->pos(), screen.Label1[1]->pos());
        tap(screen.Label2[0]);
        tap(screen.Label4[0]);
        QCOMPARE(screen.Label2[0]->pos(), screen.Label4[0]->pos());
        for (int i = 0; i < 4; ++i) {
            tap(screen.Label2[i]);
            tap(&screen, boxMiddle(i));
            QCOMPARE(screen.Label2[i]->pos(), screen.Label1[i]->pos());
        }
        QCOMPARE(held(), -1);
        QTest::mouseClick(screen.Label3[2], Qt::LeftButton);
        QCOMPARE(Module1.Score, 4);
        QCOMPARE(form<Welldone>().Label1->text(), u"Excellent work. You have scored 4 out of 4."_qs);
    }

    void thePaintingsAreLoadedFromTheirFiles() {
        if (qEnvironmentVariableIsEmpty("HELLAS_TEST_CONTENT")) QSKIP("the generated content is not at hand");
        TestWorld world;
        phidiaslab &screen = openMatching();
        const char *files[4] = {"Images\\haywain.jpg", "Images\\monalisa.jpg", "Images\\sunflowers.jpg",
                                "Images\\pearl.jpg"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(screen.Image1[i]->source(), QString::fromLatin1(files[i]));
            QVERIFY(!screen.Image1[i]->picture().isNull());
        }
    }

    // Opened from the topic menu, played to four out of four; Exit returns to the menu.
    void allFourNamesRightScoreFourOutOfFourOnTheResultsScreen() {
        TestWorld world(false);
        phidias &topic = form<phidias>();
        topic.showScreen();
        QTest::mouseClick(topic.label3[1], Qt::LeftButton);
        phidiaslab &screen = form<phidiaslab>();
        QCOMPARE(world.stage().frontScreen(), &screen);
        for (int i = 0; i < 4; ++i)
            drag(&screen, screen.Label2[i], boxMiddle(i));
        QTest::mouseClick(screen.Label3[2], Qt::LeftButton);
        Welldone &results = form<Welldone>();
        QCOMPARE(world.stage().frontScreen(), &results);
        QCOMPARE(Module1.Score, 4);
        // The record waits for the name typed for the certificate.
        QVERIFY(keptRecords(world).isEmpty());
        QTest::keyClicks(results.Text1, u"Eleni"_qs);
        QTest::mouseClick(results.Label3[1], Qt::LeftButton);
        settle();
        const QList<ResultRecord> kept = keptRecords(world);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].activity, Activity::Matching);
        QCOMPARE(kept[0].worksheet, u"Famous Paintings"_qs);
        QCOMPARE(kept[0].pupil, u"Eleni"_qs);
        QCOMPARE(kept[0].score, 4);
        QCOMPARE(kept[0].outOf, 4);
        QVERIFY(!isLoaded<Welldone>());
        QCOMPARE(world.stage().frontScreen(), &screen);
        QCOMPARE(screen.Label2[0]->pos(), screen.Label1[0]->pos());
        Module1.Score = 2;
        QTest::mouseClick(screen.Label3[0], Qt::LeftButton);
        settle();
        QVERIFY(!isLoaded<phidiaslab>());
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(world.stage().frontScreen(), &topic);
    }
};

QTEST_MAIN(MatchingScreen)
#include "phidiaslab_screen_test.moc"
