#include "core/module1.h"
#include "core/paths.h"
#include "platform/services.h"
#include "shell/intro0.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/recordingprinter.h"
#include "support/screenmouse.h"
#include "support/testsupport.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "wmf/reader.h"

#include <QDir>
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
// The topic menu's entries for the viewers.
enum { KeyFacts = 4, TeachersNotes = 5 };

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

void expectHidden(std::initializer_list<QWidget *> controls) {
    for (QWidget *control : controls)
        QVERIFY2(!visible(control), qPrintable(control->objectName()));
}

QSizeF ownSizeOf(const QString &programPath) {
    const wmf::ReadResult read = wmf::readMetafileFile(contentPath(programPath));
    return {read.list.widthTwips, read.list.heightTwips};
}

// The page shown, its paper copy, its label and the paging buttons.
template <class Viewer> void expectPage(Viewer &viewer, const QString &file, int page, int pages) {
    QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\") + file);
    QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\") + file);
    QVERIFY(!viewer.Image1->picture().isNull());
    QCOMPARE(viewer.Label1->text(), QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    QCOMPARE(viewer.Label3[Next]->isEnabled(), page < pages);
    QCOMPARE(viewer.Label3[Previous]->isEnabled(), page > 1);
}

// One document: the paper copy at 1000 twips from the left and top, at its own size.
void expectPrinted(const RecordingPrinters &printers, const QString &paperFile) {
    QCOMPARE(printers.jobs.size(), 1);
    const PrintJob &job = *printers.jobs[0];
    QCOMPARE(job.log, QStringList({QStringLiteral("picture"), QStringLiteral("end")}));
    QCOMPARE(job.pictures[0].left, 1000.0);
    QCOMPARE(job.pictures[0].top, 1000.0);
    const QSizeF paper = ownSizeOf(QStringLiteral("wmf2\\") + paperFile);
    QVERIFY(!paper.isEmpty());
    QCOMPARE(job.pictures[0].size, paper);
}

} // namespace

class Viewers : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void keyFactsPageThroughTwoPagesAndPrintTheOneShownThenTheNotesHaveOnePage() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        teacher &viewer = openFromTopic(KeyFacts);
        QVERIFY(viewer.isVisible());
        expectPage(viewer, QStringLiteral("key phidiasa.wmf"), 1, 2);
        QVERIFY(visible(viewer.Label1));
        expectHidden({viewer.Image2, viewer.Picture1, viewer.Picture2});
        QVERIFY(!viewer.Timer1->isActive());

        // A screen reader reads the page's words in reading order.
        QCOMPARE(viewer.Image1->accessibleName(), u"Page 1 of 2"_qs);
        QVERIFY(viewer.Image1->accessibleDescription().startsWith(u"Phidias: Key Facts\n"_qs));
        QVERIFY(viewer.Image1->accessibleDescription().contains(u"\nA sculptor of the gods\n"_qs));

        click(viewer.Label3[Next]);
        expectPage(viewer, QStringLiteral("key phidiasb.wmf"), 2, 2);
        QCOMPARE(Module1.PageNumber, 2);
        QCOMPARE(viewer.Image1->accessibleName(), u"Page 2 of 2"_qs);
        click(viewer.Label3[Print]);
        expectPrinted(printers, QStringLiteral("key phidiasb.wmf"));
        QVERIFY(world.messages.shown.isEmpty());
        expectPage(viewer, QStringLiteral("key phidiasb.wmf"), 2, 2);

        click(viewer.Label3[Previous]);
        expectPage(viewer, QStringLiteral("key phidiasa.wmf"), 1, 2);

        // The teacher's notes then load the viewer anew with one page and no paging.
        click(viewer.Label3[Next]);
        click(viewer.Label3[Exit]);
        settle();
        QVERIFY(!isLoaded<teacher>());
        teacher &notes = openFromTopic(TeachersNotes);
        QCOMPARE(Module1.PageNumber, 1);
        QCOMPARE(notes.Image1->source(), QStringLiteral("wmf\\phidiasa.wmf"));
        expectHidden({notes.Label1, notes.Label3[Next], notes.Label3[Previous]});
        QVERIFY(visible(notes.Label3[Print]));
        QVERIFY(form<phidias>().isVisible());
    }

    // A missing page is named as such, not blamed on the printer.
    void withoutAPrinterOrPagePrintIsReportedNotSentAndTheViewerCarriesOn_data() {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<bool>("pageMissing");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer") << true << false << QString(kPrintProblem);
        QTest::newRow("page missing") << false << true << u"This page could not be found."_qs;
    }
    void withoutAPrinterOrPagePrintIsReportedNotSentAndTheViewerCarriesOn() {
        QFETCH(bool, noPrinter);
        QFETCH(bool, pageMissing);
        QFETCH(QString, message);
        TestWorld world;
        RecordingPrinters printers;
        printers.noPrinter = noPrinter;
        services().printer = printers.factory();
        // The page folders are links to the shared content: this world gets empty ones instead.
        for (const QString &folder : {QStringLiteral("wmf"), QStringLiteral("wmf2")}) {
            if (pageMissing)
                QVERIFY(QFile::remove(world.folder() + u'/' + folder) && QDir(world.folder()).mkdir(folder));
        }
        teacher &viewer = openFromTopic(TeachersNotes);
        QCOMPARE(viewer.Image1->picture().isNull(), pageMissing);
        click(viewer.Label3[Print]);
        QVERIFY(printers.jobs.isEmpty());
        QCOMPARE(world.messages.shown, QStringList({message}));
        QVERIFY(viewer.isVisible());
    }

    // The lark runs frames 1 to 19 then 0; a stray frame number starts it again.
    void acknowledgmentsAnimateTheLarkTickByTickAndCarryItAcrossOpenings() {
        TestWorld world;
        Module1.LogoFrame = 25;
        teacher &viewer = acknowledgments();
        QCOMPARE(viewer.Image1->source(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QCOMPARE(viewer.Image2->source(), QStringLiteral("wmf2\\acknowledgments.wmf"));
        QCOMPARE(viewer.Picture2->source(), QStringLiteral("logo\\larkspur2.bmp"));
        QVERIFY(!viewer.Picture2->picture().isNull());
        expectHidden({viewer.Label1, viewer.Label3[Next], viewer.Label3[Previous], viewer.Picture1});

        for (const auto &[ticks, frame] : {std::pair{1, 0}, {19, 19}, {1, 0}, {1, 1}}) {
            tick(viewer, ticks);
            QCOMPARE(viewer.Picture1->source(), u"logo\\lark%1.gif"_qs.arg(frame, 4, 10, QChar(u'0')));
        }
        QVERIFY(!viewer.Picture1->picture().isNull());
        QVERIFY(visible(viewer.Picture1) && visible(viewer.Picture2));

        // Reopened, the cycle continues where it stopped.
        viewer.Timer1->start();
        click(viewer.Label3[Exit]);
        QVERIFY(!viewer.Timer1->isActive());
        settle();
        QVERIFY(!isLoaded<teacher>());
        teacher &again = acknowledgments();
        QVERIFY(!visible(again.Picture1));
        tick(again);
        QCOMPARE(again.Picture1->source(), QStringLiteral("logo\\lark0002.gif"));
    }

    void theGuideOpensOnPageOneOfFivePagesThroughThemPrintsOrReportsAFailureAndExitsToTheMenu() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        intro0 &menu = form<intro0>();
        menu.showScreen();
        Module1.PageNumber = 4;
        guide &viewer = teachersGuide();
        QVERIFY(viewer.isVisible());
        QCOMPARE(Module1.PageNumber, 1);
        expectPage(viewer, QStringLiteral("guide1.wmf"), 1, 5);
        QVERIFY(viewer.Label2->text().isEmpty());

        click(viewer.Label3[Next]);
        click(viewer.Label3[Next]);
        click(viewer.Label3[Print]);
        expectPrinted(printers, QStringLiteral("guide3.wmf"));
        expectPage(viewer, QStringLiteral("guide3.wmf"), 3, 5);
        QVERIFY(world.messages.shown.isEmpty());
        // A printer that fails at once: the job is abandoned and the problem reported.
        printers.failAfter = 0;
        click(viewer.Label3[Print]);
        QVERIFY(printers.jobs[1]->abandoned);
        QVERIFY(!printers.jobs[1]->ended);
        QCOMPARE(world.messages.shown, QStringList({kPrintProblem}));
        expectPage(viewer, QStringLiteral("guide3.wmf"), 3, 5);

        click(viewer.Label3[Next]);
        click(viewer.Label3[Next]);
        expectPage(viewer, QStringLiteral("guide5.wmf"), 5, 5);
        click(viewer.Label3[Previous]);
        expectPage(viewer, QStringLiteral("guide4.wmf"), 4, 5);
        for (int i = 0; i < 3; ++i)
            click(viewer.Label3[Previous]);
        expectPage(viewer, QStringLiteral("guide1.wmf"), 1, 5);

        click(viewer.Label3[Exit]);
        settle();
        QVERIFY(!isLoaded<guide>());
        QCOMPARE(world.stage().frontScreen(), &menu);
    }

};

QTEST_MAIN(Viewers)
#include "viewers_test.moc"
