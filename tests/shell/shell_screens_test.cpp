#include "core/module1.h"
#include "platform/services.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/screenmouse.h"
#include "support/testsupport.h"
#include "matching/phidiaslab.h"
#include "quiz/multiple.h"
#include "quiz/wrong.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QAccessible>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <tuple>

namespace {

// The main menu as a pupil reaches it: title screen, then OK.
intro0 &openMainMenu() {
    form<Titlefrm>().showScreen();
    QTest::mouseClick(form<Titlefrm>().Command1, Qt::LeftButton);
    settle(5);
    return form<intro0>();
}

} // namespace

class ShellScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fittingCentresTheStandardWindowWithNegativeOffsetsOnASmallDisplayAndIsStable() {
        // stage size -> the window's place in twips, then in pixels
        for (const auto &[stage, twips, pixels] :
             {std::tuple{QSize(1024, 768), QPointF(1680, 1260), QPoint(112, 84)},
              std::tuple{QSize(640, 480), QPointF(-1200, -900), QPoint(-80, -60)}}) {
            TestWorld world;
            world.stage().resize(stage);
            intro0 &menu = form<intro0>();
            QCOMPARE(menu.size(), QSize(800, 600));
            QCOMPARE(menu.positionTwips(), twips);
            QCOMPARE(menu.pos(), pixels);
            world.stage().resize(stage);
            QCOMPARE(menu.positionTwips(), twips);
        }
    }

    void titleScreenShowsTheBackdropAndOkOpensTheMenu() {
        TestWorld world;
        Titlefrm &title = form<Titlefrm>();
        title.showScreen();
        QVERIFY(isLoaded<Grey>());
        QVERIFY(!title.usedFallback());
        QCOMPARE(title.size(), QSize(364, 438));
        QCOMPARE(world.stage().frontScreen(), &title);
        openMainMenu();
        QVERIFY(!isLoaded<Titlefrm>());
        QCOMPARE(world.stage().frontScreen(), &form<intro0>());
        QCOMPARE(world.stage().windowTitle(), u"Lives of Hellas"_qs);
    }

    void titleScreenWithoutItsPictureFallsBackToTheStandardLook() {
        TestWorld world(false);
        Titlefrm &title = form<Titlefrm>();
        QVERIFY(title.usedFallback());
        QCOMPARE(title.size(), QSize(800, 600));
        QCOMPARE(title.backColour(), QColor(39, 63, 137));
        // The empty picture box inside the frame is coloured too.
        title.showScreen();
        const QImage shown = title.grab().toImage();
        const QPoint middle = title.Picture1->mapTo(&title, title.Picture1->rect().center());
        QCOMPARE(shown.pixelColor(middle), QColor(49, 135, 214));
    }

    void exitThenCancelReturnsToTheSameMenuAndExitThenExitEnds() {
        TestWorld world;
        intro0 &menu = openMainMenu();
        QTest::mouseClick(menu.Label2[16], Qt::LeftButton);
        Titlefrm &confirm = form<Titlefrm>();
        QCOMPARE(confirm.Command1->text(), u"Cancel"_qs);
        QCOMPARE(world.stage().frontScreen(), &confirm);
        QTest::mouseClick(confirm.Command1, Qt::LeftButton);
        settle();
        QCOMPARE(&form<intro0>(), &menu);
        QCOMPARE(world.stage().frontScreen(), &menu);
        QCOMPARE(menu.catalogueReads(), 1);

        QTest::mouseClick(menu.Label2[16], Qt::LeftButton);
        QSignalSpy ended(&world.stage(), &Stage::programEnded);
        QTest::mouseClick(form<Titlefrm>().Command2, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(world.stage().hasEnded());
    }

    void phidiasTwiceGivesAFreshTopicMenuAndReturningDoesNotReadTheCatalogueAgain() {
        TestWorld world;
        intro0 &menu = openMainMenu();
        QTest::mouseClick(menu.Label2[4], Qt::LeftButton);
        QPointer<phidias> first(&form<phidias>());
        QCOMPARE(world.stage().frontScreen(), first.data());
        QTest::mouseClick(first->label3[2], Qt::LeftButton);
        settle(5);
        QVERIFY(first.isNull());
        QCOMPARE(world.stage().frontScreen(), &menu);
        QTest::mouseClick(menu.Label2[4], Qt::LeftButton);
        QVERIFY(isLoaded<phidias>());
        QCOMPARE(menu.catalogueReads(), 1);
    }

    void theCatalogueIsReadOnceWhenTheMenuIsOnViewAndAMissingOneIsNotReported() {
        for (bool withContent : {true, false}) {
            TestWorld world(withContent);
            if (withContent) world.writeFile(u"multiple/track.txt"_qs, " 3 \r\nAthens\r\nSparta\r\n");
            Module1 = SharedState{};
            Module1.WorksheetCount = 5;
            intro0 &menu = openMainMenu();
            QTRY_COMPARE(menu.catalogueReads(), 1);
            QCOMPARE(Module1.WorksheetCount, withContent ? 3 : 5);
            QCOMPARE(Module1.WorksheetTitles[2], withContent ? u"Sparta"_qs : QString());
            QVERIFY(!menu.Timer1->isActive());
            QVERIFY(world.messages.shown.isEmpty());
        }
    }

    // Each screen's buttons turn opaque under the pointer or not, and clear
    // over its background or not, as its kind says; a question, an answer or a
    // painter's name is no background, a disabled entry is.
    void everyScreensButtonsHighlightUnderThePointerAndClearOverTheBackgroundAsItsKindDoes() {
        TestWorld world;
        using Buttons = QList<LabelButton *>;
        // Each button clear, the pointer over it, then with the buttons opaque over `over`.
        const auto check = [](const char *kind, const Buttons &buttons, QWidget *over, QPoint at, bool lit,
                              bool stays) {
            Screen::of(over)->showScreen();
            for (LabelButton *button : buttons) {
                button->setOpaque(false);
                moveOver(button);
                QVERIFY2(button->isOpaque() == lit, kind);
                button->setOpaque(true);
            }
            moveOver(over, at.isNull() ? over->rect().center() : at);
            for (LabelButton *button : buttons)
                QVERIFY2(button->isOpaque() == stays, kind);
        };
        intro0 &menu = openMainMenu();
        check("main menu", {menu.Label2[4]}, &menu, {5, 300}, true, false);
        phidias &topic = form<phidias>();
        check("topic menu, picture", {topic.label3[0]}, topic.Image1, {}, true, true);
        check("topic menu", {topic.label3[0]}, &topic, {790, 590}, true, true);
        multiple &quiz = form<multiple>();
        check("quiz", {quiz.Label3[1], quiz.Label3[2]}, &quiz, {}, true, false);
        check("quiz, question", {quiz.Label3[2]}, quiz.Label2, {}, true, true);
        check("quiz, answer", {quiz.Label3[2]}, quiz.Option1[1], {}, true, true);
        check("wrong answers", {form<Wrong>().Label3[1]}, &form<Wrong>(), {}, false, true);
        phidiaslab &matching = form<phidiaslab>();
        check("matching", {matching.Label3[0], matching.Label3[1]}, &matching, {5, 590}, true, false);
        check("matching, name", {matching.Label3[0]}, matching.Label2[0], {10, 10}, true, true);
        guide &pages = form<guide>();
        check("guide", Buttons(pages.Label3.begin(), pages.Label3.end()), &pages, {790, 300}, false, false);
        topic.showScreen();
        QTest::mouseClick(topic.label3[4], Qt::LeftButton); // Key Facts
        teacher &notes = form<teacher>();
        check("key facts", Buttons(notes.Label3.begin(), notes.Label3.end()), &notes, {790, 300}, false, true);
        // A disabled entry passes the pointer on to the menu's background.
        menu.showScreen();
        moveOver(menu.Label2[4]);
        QVERIFY(!menu.Label2[0]->isEnabled());
        QTest::mouseMove(menu.Label2[0]);
        moveOver(menu.Label2[0]);
        QVERIFY(!menu.Label2[4]->isOpaque());
    }

    void aPupilsMenuShowsTheWizardAsTheReservedNamesAndTabPassesItBy() {
        TestWorld world;
        services().classroom.mode = ClassroomMode::Pupil;
        intro0 &menu = openMainMenu();
        LabelButton *entry = menu.Label2[17];
        QVERIFY(!entry->isEnabled());
        QVERIFY(QAccessible::queryAccessibleInterface(entry)->state().disabled);
        QTest::mouseClick(entry, Qt::LeftButton);
        QVERIFY(!isLoaded<wizard>());
        QVERIFY(QTest::qWaitForWindowActive(&world.stage()));
        QList<QWidget *> reached;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget());
        }
        QVERIFY(reached.contains(menu.Label2[18]));
        QVERIFY(!reached.contains(entry));
        QVERIFY(menu.Label2[18]->isEnabled());
    }

    void soundStartsOffAndAMenuReloadedThroughTheCatalogueShowsTheChoiceMade() {
        TestWorld world;
        Module1 = SharedState{};
        QPointer<intro0> menu(&openMainMenu());
        QVERIFY(menu->Option2->isChecked());
        QCOMPARE(Module1.SoundOn, 0);
        // choice -> SoundOn, then the option the reloaded menu shows
        for (const auto &[choose, soundOn] :
             {std::pair{&intro0::Option1, 1}, std::pair{&intro0::Option2, 0}}) {
            QTest::mouseClick((*menu).*choose, Qt::LeftButton, {}, {5, 5});
            QCOMPARE(Module1.SoundOn, soundOn);
            QTest::mouseClick(menu->Label2[18], Qt::LeftButton);
            settle();
            QVERIFY(menu.isNull());
            QTest::mouseClick(form<worksheets>().Label2[0], Qt::LeftButton);
            settle();
            menu = &form<intro0>();
            QCOMPARE(world.stage().frontScreen(), menu.data());
            QCOMPARE(Module1.SoundOn, soundOn);
            QCOMPARE(menu->Option1->isChecked(), soundOn == 1);
            QCOMPARE(menu->Option2->isChecked(), soundOn == 0);
        }
    }

    // A light ring on the menu's blue, with a yellow dot in the chosen one only.
    void soundOptionsShowALightRingAndAYellowDotForTheChoice() {
        TestWorld world;
        intro0 &menu = openMainMenu();
        const auto isYellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; };
        const auto isLight = [](QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() > 180; };
        for (QRadioButton *option : {menu.Option1, menu.Option2}) {
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect indicator =
                option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            QVERIFY(indicator.width() >= 8);
            const QImage shown = option->grab().toImage();
            int light = 0;
            for (int x = indicator.left(); x <= indicator.right(); ++x) {
                for (int y = indicator.top(); y <= indicator.bottom(); ++y)
                    light += isLight(shown.pixelColor(x, y));
            }
            QVERIFY2(light >= 12, qPrintable(QString::number(light)));
            QCOMPARE(isYellow(shown.pixelColor(indicator.center())), option->isChecked());
        }
        QVERIFY(menu.Option2->isChecked());
    }

    void webAddressAndLogoOpenThePublishersSite() {
        TestWorld world;
        intro0 &menu = openMainMenu();
        QTest::mouseClick(menu.Label2[12], Qt::LeftButton);
        QTest::mouseClick(menu.Image2, Qt::LeftButton);
        QCOMPARE(world.openedUrls.size(), 2);
        QCOMPARE(world.openedUrls[0].host(), u"www.larkspur.example"_qs);
    }

};

QTEST_MAIN(ShellScreens)
#include "shell_screens_test.moc"
