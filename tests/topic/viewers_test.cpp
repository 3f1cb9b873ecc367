#include "platform/services.h"
#include "print/recordingprinter.h"
#include "shell/intro0.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/paths.h"
#include "shell/picturebox.h"
#include "support/testsupport.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "wmf/reader.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

enum { Print = 0, Exit = 1, Next = 2, Previous = 3 };

void click(LabelButton *button) {
    QVERIFY(button->isVisibleTo(button->window()));
    QTest::mouseClick(button, Qt::LeftButton);
}

teacher &openFromTopic(int entry) {
    form<phidias>().showScreen();
    QTest::mouseClick(form<phidias>().label3[entry], Qt::LeftButton);
    return form<teacher>();
}
teacher &keyFacts() {
    return openFromTopic(4);
}
teacher &teachersNotes() {
    return openFromTopic(5);
}

teacher &acknowledgments() {
    QTest::mouseClick(form<intro0>().Label2[19], Qt::LeftButton);
    teacher &viewer = form<teacher>();
    // The test drives the animation tick by tick.
    viewer.Timer1->stop();
    return viewer;
}

guide &teachersGuide() {
    QTest::mouseClick(form<intro0>().Label2[20], Qt::LeftButton);
    return form<guide>();
}

void tick(teacher &viewer, int times = 1) {
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(viewer.Timer1, "timeout");
}

bool visible(QWidget *control) {
    return control->isVisibleTo(control->parentWidget());
}

QSizeF ownSizeOf(const QString &programPath) {
    const wmf::ReadResult read = wmf::readMetafileFile(contentPath(programPath));
    return {read.list.widthTwips, read.list.heightTwips};
}

void moveOver(QWidget *widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class Viewers : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void keyFactsOpenOnPageOneOfTwoWithOnlyNextPageEnabled() {
        TestWorld world;
        teacher &viewer = keyFacts();
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\key phidiasa.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\key phidiasa.wmf"));
        QVERIFY(!viewer.Image1->picture().isNull());
        QVERIFY(!visible(viewer.Image2));
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 1 of 2"));
        QVERIFY(visible(viewer.Label1));
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(!visible(viewer.Picture1));
        QVERIFY(!visible(viewer.Picture2));
        QVERIFY(!viewer.Timer1->isActive());
        QCOMPARE(viewer.backColour(), QColor(39, 63, 137));
    }

    void theShownPageTakesItsPicturesOwnSize() {
        TestWorld world;
        teacher &viewer = keyFacts();
        QVERIFY(!viewer.Image1->picture().isNull());
        QCOMPARE(viewer.Image1->size(), viewer.Image1->picture().size());
        QCOMPARE(viewer.Image1->pos(), QPoint(8, 0));
    }

    void nextAndPreviousPageWalkTheKeyFacts() {
        TestWorld world;
        teacher &viewer = keyFacts();
        click(viewer.Label3[Next]);
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\key phidiasb.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\key phidiasb.wmf"));
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 2 of 2"));
        QCOMPARE(Module1.PageNumber, 2);
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());

        click(viewer.Label3[Previous]);
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\key phidiasa.wmf"));
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 1 of 2"));
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
    }

    void teachersNotesHaveNoPageLabelAndNoPagingButtons() {
        TestWorld world;
        teacher &viewer = teachersNotes();
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\phidiasa.wmf"));
        QVERIFY(!visible(viewer.Label1));
        QVERIFY(!visible(viewer.Label3[Next]));
        QVERIFY(!visible(viewer.Label3[Previous]));
        QVERIFY(visible(viewer.Label3[Print]));
    }

    void teachersNotesAfterKeyFactsLoadTheViewerAnewWithOnePage() {
        TestWorld world;
        teacher &first = keyFacts();
        click(first.Label3[Next]);
        click(first.Label3[Exit]);
        settle();
        QVERIFY(!isLoaded<teacher>());
        teacher &viewer = teachersNotes();
        QCOMPARE(Module1.PageNumber, 1);
        QVERIFY(!visible(viewer.Label3[Next]));
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\phidiasa.wmf"));
        QVERIFY(form<phidias>().isVisible());
    }

    void printPutsThePaperCopyAtAThousandTwipsAtItsOwnSizeAndChangesNothing() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        teacher &viewer = keyFacts();
        click(viewer.Label3[Next]);
        click(viewer.Label3[Print]);

        QCOMPARE(printers.jobs.size(), 1);
        const PrintJob &job = *printers.jobs[0];
        QCOMPARE(job.log, QStringList({QStringLiteral("picture"), QStringLiteral("end")}));
        QCOMPARE(job.pictures[0].left, 1000.0);
        QCOMPARE(job.pictures[0].top, 1000.0);
        const QSizeF paper = ownSizeOf(QStringLiteral("wmf2\\key phidiasb.wmf"));
        QVERIFY(!paper.isEmpty());
        QCOMPARE(job.pictures[0].size, paper);
        QVERIFY(world.messages.shown.isEmpty());

        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 2 of 2"));
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\key phidiasb.wmf"));
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());
    }

    void withoutAPrinterPrintReportsTheProblemAndTheViewerCarriesOn() {
        TestWorld world;
        RecordingPrinters printers;
        printers.noPrinter = true;
        services().printer = printers.factory();
        teacher &viewer = teachersNotes();
        click(viewer.Label3[Print]);
        QCOMPARE(world.messages.shown, QStringList({kPrintProblem}));
        QVERIFY(viewer.isVisible());
    }

    void aMissingPageShowsEmptyAndItsPrintIsReportedNotSent() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        QFile::remove(contentPath(QStringLiteral("wmf\\phidiasa.wmf")));
        QFile::remove(contentPath(QStringLiteral("wmf2\\phidiasa.wmf")));
        teacher &viewer = teachersNotes();
        QVERIFY(viewer.Image1->picture().isNull());
        click(viewer.Label3[Print]);
        QVERIFY(printers.jobs.isEmpty());
        QCOMPARE(world.messages.shown, QStringList({kPrintProblem}));
    }

    void aRunOfFivePagesReachesEAndLaterPagesShowNothing() {
        TestWorld world;
        Module1.PageCount = 7;
        Module1.PageBaseName = QStringLiteral("guide");
        teacher &viewer = form<teacher>();
        viewer.showScreen();
        for (int i = 0; i < 4; ++i)
            click(viewer.Label3[Next]);
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\guidee.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\guidee.wmf"));
        click(viewer.Label3[Next]);
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 6 of 7"));
        QVERIFY(viewer.Image1->source().isEmpty());
        QVERIFY(viewer.Image1->picture().isNull());
        QVERIFY(viewer.Image2->picture().isNull());
    }

    void acknowledgmentsShowOnePageWithTheLogoAndTheirOwnColour() {
        TestWorld world;
        teacher &viewer = acknowledgments();
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\acknowledgments.wmf"));
        QCOMPARE(viewer.Picture2->source(), QStringLiteral("logo\\larkspur2.bmp"));
        QVERIFY(!viewer.Picture2->picture().isNull());
        QCOMPARE(viewer.backColour(), QColor(49, 130, 212));
        QVERIFY(!visible(viewer.Label1));
        QVERIFY(!visible(viewer.Label3[Next]));
        QVERIFY(!visible(viewer.Label3[Previous]));
        QVERIFY(viewer.isVisible());
    }

    void theLogoAnimationStartsWithLarkOneAndShowsLarkZeroOnTheTwentiethTick() {
        TestWorld world;
        Module1.LogoFrame = 0;
        teacher &viewer = acknowledgments();
        QVERIFY(!visible(viewer.Picture1));
        tick(viewer);
        QCOMPARE(viewer.Picture1->source(), QStringLiteral("logo\\lark0001.gif"));
        QVERIFY(!viewer.Picture1->picture().isNull());
        QVERIFY(visible(viewer.Picture1));
        QVERIFY(visible(viewer.Picture2));
        tick(viewer, 18);
        QCOMPARE(viewer.Picture1->source(), QStringLiteral("logo\\lark0019.gif"));
        tick(viewer);
        QCOMPARE(viewer.Picture1->source(), QStringLiteral("logo\\lark0000.gif"));
        QCOMPARE(Module1.LogoFrame, 0);
        tick(viewer);
        QCOMPARE(viewer.Picture1->source(), QStringLiteral("logo\\lark0001.gif"));
    }

    void theAnimationRunsOnItsTimerEveryTwentyFiveMilliseconds() {
        TestWorld world;
        QTest::mouseClick(form<intro0>().Label2[19], Qt::LeftButton);
        QCOMPARE(form<teacher>().Timer1->interval(), 25);
        QVERIFY(form<teacher>().Timer1->isActive());
        QTRY_VERIFY(visible(form<teacher>().Picture1));
    }

    void reopeningTheAcknowledgmentsContinuesTheCycleWhereItStopped() {
        TestWorld world;
        Module1.LogoFrame = 0;
        teacher &first = acknowledgments();
        tick(first, 3);
        first.Timer1->start();
        click(first.Label3[Exit]);
        QVERIFY(!first.Timer1->isActive());
        settle();
        QVERIFY(!isLoaded<teacher>());
        teacher &again = acknowledgments();
        QVERIFY(!visible(again.Picture1));
        tick(again);
        QCOMPARE(again.Picture1->source(), QStringLiteral("logo\\lark0004.gif"));
    }

    void theGuideOpensOnPageOneOfFive() {
        TestWorld world;
        Module1.PageNumber = 4;
        guide &viewer = teachersGuide();
        QVERIFY(viewer.isVisible());
        QCOMPARE(Module1.PageNumber, 1);
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\guide1.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\guide1.wmf"));
        QVERIFY(!viewer.Image1->picture().isNull());
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label2->text().isEmpty());
    }

    void theGuidePagesThroughFiveWithTheButtonsOfEachPage() {
        TestWorld world;
        guide &viewer = teachersGuide();
        for (int i = 0; i < 4; ++i)
            click(viewer.Label3[Next]);
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 5 of 5"));
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\guide5.wmf"));
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());

        click(viewer.Label3[Previous]);
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 4 of 5"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\guide4.wmf"));
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());

        click(viewer.Label3[Previous]);
        click(viewer.Label3[Previous]);
        click(viewer.Label3[Previous]);
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 1 of 5"));
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\guide1.wmf"));
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(viewer.Label3[Next]->isEnabled());
    }

    void printOnGuidePageThreePrintsItsPaperCopyAndLeavesThePage() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        guide &viewer = teachersGuide();
        click(viewer.Label3[Next]);
        click(viewer.Label3[Next]);
        click(viewer.Label3[Print]);
        QCOMPARE(printers.jobs.size(), 1);
        QVERIFY(printers.jobs[0]->ended);
        QCOMPARE(printers.jobs[0]->pictures.size(), 1);
        QCOMPARE(printers.jobs[0]->pictures[0].size, ownSizeOf(QStringLiteral("wmf2\\guide3.wmf")));
        QCOMPARE(printers.jobs[0]->pictures[0].left, 1000.0);
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 3 of 5"));
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\guide3.wmf"));
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());
    }

    void aGuidePrinterFailureIsReportedAndNothingIsPrinted() {
        TestWorld world;
        RecordingPrinters printers;
        printers.failAfter = 0;
        services().printer = printers.factory();
        guide &viewer = teachersGuide();
        click(viewer.Label3[Print]);
        QVERIFY(printers.jobs[0]->abandoned);
        QVERIFY(!printers.jobs[0]->ended);
        QCOMPARE(world.messages.shown, QStringList({kPrintProblem}));
    }

    void theGuidesButtonsTurnTransparentOverTheBackgroundForGood() {
        TestWorld world;
        guide &viewer = teachersGuide();
        moveOver(&viewer, QPoint(790, 300));
        for (LabelButton *button : viewer.Label3)
            QVERIFY(!button->isOpaque());
        moveOver(viewer.Label3[Next], viewer.Label3[Next]->rect().center());
        QVERIFY(!viewer.Label3[Next]->isOpaque());
    }

    void theNotesViewersButtonsStayOpaque() {
        TestWorld world;
        teacher &viewer = keyFacts();
        moveOver(&viewer, QPoint(790, 300));
        for (LabelButton *button : viewer.Label3)
            QVERIFY(button->isOpaque());
    }

    void exitFromTheGuideShowsTheMainMenuAgain() {
        TestWorld world;
        intro0 &menu = form<intro0>();
        menu.showScreen();
        guide &viewer = teachersGuide();
        click(viewer.Label3[Exit]);
        settle();
        QVERIFY(!isLoaded<guide>());
        QCOMPARE(world.stage().frontScreen(), &menu);
    }
};

QTEST_MAIN(Viewers)
#include "viewers_test.moc"
