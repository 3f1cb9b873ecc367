#define QTEST_QPA_MOUSE_HANDLING

#include "core/module1.h"
#include "jigsaw/jigsaw.h"
#include "matching/phidiaslab.h"
#include "platform/services.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "stage/labelbutton.h"
#include "support/screenmouse.h"
#include "support/testsupport.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"

#include <QFrame>
#include <QLabel>

namespace {

using Sounds = QList<Sound>;

// The pointer position that drops a piece squarely onto board cell `cell`.
QPoint overCell(int cell) {
    return pixels(JigsawBoard::home(cell)) + QPoint(70, 70);
}

} // namespace

class SoundScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aJigsawPieceChimesOnItsOwnCellClicksOnAnotherAndIsSilentElsewhere() {
        TestWorld world(false);
        Module1.SoundOn = 1;
        Module1.JigsawPicture = 0;
        world.random.values = {0.15, 0.9};
        jigsaw &screen = form<jigsaw>();
        screen.showScreen();
        QVERIFY(world.sound.played.isEmpty());
        // piece, where it is let go, what is heard
        const std::tuple<int, QPoint, Sounds> drops[] = {
            {0, overCell(0), {Sound::Chime}},
            {3, overCell(5), {Sound::Click}},
            {4, {40, 300}, {}},
            {7, {700, 30}, {}},
        };
        for (const auto &[piece, at, sounds] : drops) {
            world.sound.played.clear();
            drag(&screen, screen.Frame1[piece], at);
            QCOMPARE(world.sound.played, sounds);
        }
        // Check Score, Start Again and New Picture make no sound of their own.
        world.sound.played.clear();
        world.random.values = {0.5};
        QTest::mouseClick(screen.Label3[1], Qt::LeftButton);
        QVERIFY(world.sound.played.isEmpty());
    }

    void aPaintersNameClicksIntoABoxAndIsSilentElsewhere() {
        TestWorld world(false);
        Module1.SoundOn = 1;
        phidiaslab &screen = form<phidiaslab>();
        screen.showScreen();
        const auto boxMiddle = [](int box) {
            const TwipRect &r = MatchingBoard::DropBoxes[box];
            return pixels(QPointF(r.left + r.width / 2.0, r.top + r.height / 2.0));
        };
        // name, where it is let go, what is heard
        const std::tuple<int, QPoint, Sounds> drops[] = {
            {0, boxMiddle(1), {Sound::Click}},
            {1, boxMiddle(1), {Sound::Click}},
            {2, {400, 30}, {}},
            {3, screen.Label4[3]->geometry().center(), {}},
        };
        for (const auto &[name, at, sounds] : drops) {
            world.sound.played.clear();
            drag(&screen, screen.Label2[name], at);
            QCOMPARE(world.sound.played, sounds);
        }
    }

    void resultsPlayAFanfareForFullMarksAndAToneOtherwise() {
        TestWorld world(false);
        Module1.SoundOn = 1;
        // score, out of, what is heard
        const std::tuple<int, int, Sound> results[] = {
            {10, 10, Sound::Fanfare}, {4, 4, Sound::Fanfare}, {7, 10, Sound::Tone},
            {0, 10, Sound::Tone},     {3, 4, Sound::Tone},
        };
        for (const auto &[score, maxScore, sound] : results) {
            world.sound.played.clear();
            Module1.Score = score;
            Module1.MaxScore = maxScore;
            form<Welldone>().showScreen();
            settle(20);
            QCOMPARE(world.sound.played, Sounds({sound}));
            QTest::mouseClick(form<Welldone>().Label3[1], Qt::LeftButton);
            settle();
        }
    }

    void turningAPageInEitherViewerRustlesAndPrintingOrLeavingDoesNot() {
        TestWorld world(false);
        Module1.SoundOn = 1;
        services().printer = [] { return nullptr; };
        form<phidias>().showScreen();
        QTest::mouseClick(form<phidias>().label3[4], Qt::LeftButton); // Key Facts: two pages
        teacher &notes = form<teacher>();
        QVERIFY(world.sound.played.isEmpty());
        QTest::mouseClick(notes.Label3[2], Qt::LeftButton);
        QTest::mouseClick(notes.Label3[3], Qt::LeftButton);
        QCOMPARE(world.sound.played, Sounds({Sound::Page, Sound::Page}));
        QTest::mouseClick(notes.Label3[0], Qt::LeftButton);
        QTest::mouseClick(notes.Label3[1], Qt::LeftButton);
        settle();
        QCOMPARE(world.sound.played.size(), 2);

        world.sound.played.clear();
        form<intro0>().showScreen();
        QTest::mouseClick(form<intro0>().Label2[20], Qt::LeftButton);
        guide &pages = form<guide>();
        QTest::mouseClick(pages.Label3[2], Qt::LeftButton);
        QTest::mouseClick(pages.Label3[2], Qt::LeftButton);
        QTest::mouseClick(pages.Label3[3], Qt::LeftButton);
        QCOMPARE(Module1.PageNumber, 2);
        QCOMPARE(world.sound.played, Sounds({Sound::Page, Sound::Page, Sound::Page}));
    }

    // Every screen's sound goes through playSound, which alone heeds "Sound Off".
    void soundOffOrNoPlayerPlaysNothing() {
        TestWorld world(false);
        Module1.SoundOn = 0;
        playSound(Sound::Chime);
        Module1.SoundOn = 1;
        playSound(Sound::Click);
        services().sound = nullptr;
        playSound(Sound::Page);
        QCOMPARE(world.sound.played, Sounds({Sound::Click}));
    }
};

QTEST_MAIN(SoundScreens)
#include "sound_screens_test.moc"
