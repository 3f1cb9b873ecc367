#include "quiz/multiple.h"
#include "shell/fonts.h"
#include "shell/intro0.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/picturebox.h"
#include "support/testsupport.h"
#include "worksheets/draft.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

void click(QWidget *control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

WorksheetDraft sampleDraft(const QString &title, int correct = 2) {
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = QStringLiteral("Who carved statue %1?").arg(q + 1);
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[4 * q + a] = QStringLiteral("Sculptor %1%2").arg(q + 1).arg(QChar(u'A' + a));
        draft.ticks[4 * q + correct - 1] = true;
    }
    return draft;
}

void fillWizard(wizard &w, const WorksheetDraft &draft) {
    w.Text1->setText(draft.title);
    for (int q = 0; q < kQuestionsPerSet; ++q)
        w.Text2[q]->setText(draft.questions[q]);
    for (int i = 0; i < kWizardAnswers; ++i) {
        w.Text3[i]->setText(draft.answers[i]);
        w.Check1[i]->setChecked(draft.ticks[i]);
    }
}

// A catalogue of titles "Worksheet 1" to "Worksheet n", each with its file.
void writeCatalogue(const TestWorld &world, int count) {
    QByteArray catalogue = ' ' + QByteArray::number(count) + " \r\n";
    for (int i = 1; i <= count; ++i)
        catalogue += "Worksheet " + QByteArray::number(i) + "\r\n";
    world.writeFile(QStringLiteral("multiple/track.txt"), catalogue);
}

void writeWorksheet(const TestWorld &world, const QString &fileTitle, const QByteArray &bytes) {
    world.writeFile(QStringLiteral("multiple/") + fileTitle + QStringLiteral(".txt"), bytes);
}

QStringList shownEntries(const worksheets &screen) {
    QStringList shown;
    for (int i = 1; i <= 24; ++i) {
        if (screen.Label2[i]->isVisibleTo(&screen)) shown.append(screen.Label2[i]->caption());
    }
    return shown;
}

} // namespace

class WorksheetScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { Module1 = SharedState{}; }

    // The wizard

    void anEmptyWizardAsksOnlyForTheTitle() {
        TestWorld world;
        wizard &w = form<wizard>();
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown, QStringList{u"You have not chosen a title for your worksheet"_qs});
    }

    void theChecksStopAtTheFirstIncompleteQuestion() {
        TestWorld world;
        wizard &w = form<wizard>();
        WorksheetDraft draft = sampleDraft(QStringLiteral("Sculptors"));
        draft.answers[4 + 2].clear();
        draft.ticks[4 + 1] = false;
        fillWizard(w, draft);
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown, QStringList{u"You have not completed Question 2"_qs});

        draft = sampleDraft(QStringLiteral("Sculptors"));
        draft.ticks[12] = draft.ticks[14] = true;
        draft.ticks[13] = false;
        draft.ticks[4 * 7 + 1] = false;
        fillWizard(w, draft);
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown.last(),
                 u"You have ticked more than one correct answer for Question 4"_qs);
        QVERIFY(!QFile::exists(world.folder() + QStringLiteral("/multiple/Sculptors.txt")));
    }

    void aTitleThatCannotNameAFileIsRefusedBeforeAnythingIsWritten() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
        wizard &w = form<wizard>();
        fillWizard(w, sampleDraft(QStringLiteral("Track")));
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown.size(), 1);
        QVERIFY(world.messages.shown[0].contains(u"Track"_qs));
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 0 \r\n"));
    }

    void aCompleteWorksheetIsSavedAndSavingAgainKeepsOneEntry() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nOlder\r\n");
        wizard &w = form<wizard>();
        const WorksheetDraft draft = sampleDraft(QStringLiteral("Athens, Sparta"));
        fillWizard(w, draft);
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown, QStringList{u"Your worksheet has been saved."_qs});
        QCOMPARE(world.readFile(QStringLiteral("multiple/Athens& Sparta.txt")), worksheetBytes(draft));
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")),
                 QByteArray(" 2 \r\nOlder\r\nAthens& Sparta\r\n"));
        QCOMPARE(Module1.WorksheetCount, 2.0);
        QCOMPARE(w.Text1->text(), draft.title);

        click(w.Label3[1]);
        QCOMPARE(world.messages.shown.last(), u"Your worksheet has been saved."_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")),
                 QByteArray(" 2 \r\nOlder\r\nAthens& Sparta\r\n"));
    }

    void aFullCatalogueReportsTheProblemButKeepsTheWorksheetFile() {
        TestWorld world;
        writeCatalogue(world, 1000);
        const QByteArray before = world.readFile(QStringLiteral("multiple/track.txt"));
        wizard &w = form<wizard>();
        fillWizard(w, sampleDraft(QStringLiteral("One too many")));
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown, QStringList{u"There was a problem saving your worksheet"_qs});
        QVERIFY(QFile::exists(world.folder() + QStringLiteral("/multiple/One too many.txt")));
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), before);
    }

    void theBoxesTakeNoMoreThanTheirLimits() {
        TestWorld world;
        wizard &w = form<wizard>();
        QTest::keyClicks(w.Text1, QString(26, u't'));
        QTest::keyClicks(w.Text2[3], QString(61, u'q'));
        QTest::keyClicks(w.Text3[17], QString(31, u'a'));
        QCOMPARE(w.Text1->text().size(), 25);
        QCOMPARE(w.Text2[3]->text().size(), 60);
        QCOMPARE(w.Text3[17]->text().size(), 30);
    }

    void enterMovesThroughTheBoxesInTheirOrder() {
        TestWorld world;
        wizard &w = form<wizard>();
        w.showScreen();
        const auto enterIn = [&w](QLineEdit *box) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            return w.focusWidget();
        };
        QCOMPARE(enterIn(w.Text1), w.Text2[0]);
        QCOMPARE(enterIn(w.Text2[2]), w.Text3[8]);
        QCOMPARE(enterIn(w.Text3[8]), w.Text3[9]);
        QCOMPARE(enterIn(w.Text3[4 * 4 + 3]), w.Text2[5]);
        QCOMPARE(enterIn(w.Text3[39]), w.Text3[39]);
        QCOMPARE(w.Text3[39]->text(), QString());
    }

    void tabWalksTheBoxesQuestionByQuestionThenTheTicks() {
        TestWorld world;
        wizard &w = form<wizard>();
        w.showScreen();
        world.stage().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&world.stage()));
        const auto tabFrom = [&w](QWidget *control) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Tab);
            return w.focusWidget();
        };
        QCOMPARE(tabFrom(w.Text1), w.Text2[0]);
        QCOMPARE(tabFrom(w.Text2[0]), w.Text3[0]);
        QCOMPARE(tabFrom(w.Text3[3]), w.Text2[1]);
        QCOMPARE(tabFrom(w.Text3[39]), w.Check1[0]);
        QCOMPARE(tabFrom(w.Check1[7]), w.Check1[8]);
    }

    void theControlsStandAtTheirDesignedPlaces() {
        TestWorld world;
        wizard &w = form<wizard>();
        QCOMPARE(w.Text1->geometry(), toPixels(TwipRect{7560, 120, 4215, 375}));
        // Question 7: column 1, row 1; answer D: answer column 1, answer row 1.
        QCOMPARE(w.Text2[6]->geometry(), toPixels(TwipRect{240 + 5880, 840 + 1440, 5655, 375}));
        QCOMPARE(w.Text3[27]->geometry(),
                 toPixels(TwipRect{720 + 2880 + 5880, 1230 + 330 + 1440, 2295, 330}));
        QCOMPARE(w.Check1[27]->geometry(),
                 toPixels(TwipRect{480 + 2850 + 5880, 1230 + 330 + 1440, 255, 315}));
        QCOMPARE(w.Label3[1]->geometry(), toPixels(TwipRect{240, 7920, 3165, 495}));
        const QImage tick = w.Check1[0]->grab().toImage();
        QCOMPARE(tick.pixelColor(tick.width() - 1, tick.height() - 1), QColor(39, 63, 137));
    }

    void exitUnloadsTheWizardAndForgetsWhatWasTyped() {
        TestWorld world;
        form<wizard>().Text1->setText(QStringLiteral("Draft"));
        click(form<wizard>().Label3[0]);
        settle();
        QVERIFY(!isLoaded<wizard>());
        QCOMPARE(form<wizard>().Text1->text(), QString());
    }

    // The main menu's authoring entries

    void theMenuOpensTheWizardOverItselfAndTheCatalogueInsteadOfItself() {
        TestWorld world;
        intro0 &menu = form<intro0>();
        menu.showScreen();
        click(menu.Label2[17]);
        QVERIFY(isLoaded<wizard>());
        QCOMPARE(world.stage().frontScreen(), &form<wizard>());
        click(form<wizard>().Label3[0]);
        settle();
        click(form<intro0>().Label2[18]);
        settle();
        QVERIFY(!isLoaded<intro0>());
        QCOMPARE(world.stage().frontScreen(), &form<worksheets>());
        click(form<worksheets>().Label2[0]);
        settle();
        QVERIFY(!isLoaded<worksheets>());
        QCOMPARE(world.stage().frontScreen(), &form<intro0>());
    }

    // The catalogue screen

    void noTitlesShowAnEmptyFirstPage() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
        worksheets &screen = form<worksheets>();
        QVERIFY(shownEntries(screen).isEmpty());
        QVERIFY(!screen.Label3[0]->isVisibleTo(&screen));
        QVERIFY(!screen.Label3[1]->isVisibleTo(&screen));
        QCOMPARE(screen.Label4->text(), u"Page 1"_qs);
    }

    void twentyFourTitlesFillOnePageInTwoColumns() {
        TestWorld world;
        writeCatalogue(world, 24);
        worksheets &screen = form<worksheets>();
        QCOMPARE(shownEntries(screen).size(), 24);
        QCOMPARE(screen.Label2[13]->caption(), u"Worksheet 13"_qs);
        QCOMPARE(screen.Label2[13]->geometry(), toPixels(TwipRect{6120, 720, 5715, 375}));
        QCOMPARE(screen.Label2[7]->geometry(), toPixels(TwipRect{120, 720 + 3600, 5685, 375}));
        QVERIFY(!screen.Label3[1]->isVisibleTo(&screen));
        QCOMPARE(screen.Label2[1]->font().pointSizeF(), designFont(u"Tahoma"_qs, 12, true).pointSizeF());
    }

    void theTwentyFifthTitleIsOnPageTwoAndTheArrowsFollow() {
        TestWorld world;
        writeCatalogue(world, 25);
        worksheets &screen = form<worksheets>();
        QVERIFY(screen.Label3[1]->isVisibleTo(&screen));
        QVERIFY(!screen.Label3[0]->isVisibleTo(&screen));
        click(screen.Label3[1]);
        QCOMPARE(shownEntries(screen), QStringList{u"Worksheet 25"_qs});
        QCOMPARE(screen.Label4->text(), u"Page 2"_qs);
        QVERIFY(screen.Label3[0]->isVisibleTo(&screen));
        QVERIFY(!screen.Label3[1]->isVisibleTo(&screen));
        click(screen.Label3[0]);
        QCOMPARE(shownEntries(screen).size(), 24);
        QVERIFY(!screen.Label3[0]->isVisibleTo(&screen));
    }

    void aFullCatalogueCanBePagedToItsLastTitle() {
        TestWorld world;
        writeCatalogue(world, 1000);
        worksheets &screen = form<worksheets>();
        for (int page = 1; page <= 41; ++page)
            click(screen.Label3[1]);
        QCOMPARE(screen.Label4->text(), u"Page 42"_qs);
        const QStringList shown = shownEntries(screen);
        QCOMPARE(shown.size(), 16);
        QCOMPARE(shown.first(), u"Worksheet 985"_qs);
        QCOMPARE(shown.last(), u"Worksheet 1000"_qs);
        QVERIFY(!screen.Label3[1]->isVisibleTo(&screen));
    }

    void tickingOneModeUnticksTheOther() {
        TestWorld world;
        worksheets &screen = form<worksheets>();
        for (QCheckBox *tick : {screen.Check1, screen.Check2}) {
            const QImage look = tick->grab().toImage();
            QCOMPARE(look.pixelColor(look.width() - 1, look.height() / 2), QColor(39, 63, 137));
        }
        click(screen.Check1);
        click(screen.Check2);
        QVERIFY(!screen.Check1->isChecked());
        QVERIFY(screen.Check2->isChecked());
        click(screen.Check1);
        QVERIFY(!screen.Check2->isChecked());
        click(screen.Check1);
        QVERIFY(!screen.Check1->isChecked());
        QVERIFY(!screen.Check2->isChecked());
    }

    void aTitleTypedWithACommaIsListedWithItAndOpensItsFile() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nGods& heroes\r\n");
        writeWorksheet(world, QStringLiteral("Gods& heroes"),
                       worksheetBytes(sampleDraft(u"Gods, heroes"_qs)));
        worksheets &screen = form<worksheets>();
        QCOMPARE(screen.Label2[1]->caption(), u"Gods, heroes"_qs);
        click(screen.Label2[1]);
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(Module1.SetTitle, u"Gods, heroes"_qs);
    }

    void aWorksheetTakenAsAQuizShowsTheProgramsTitleAndTheMenusPicture() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nSculptors\r\n");
        writeWorksheet(world, QStringLiteral("Sculptors"), worksheetBytes(sampleDraft(u"Sculptors"_qs)));
        form<intro0>().showScreen();
        click(form<intro0>().Label2[18]);
        settle();
        worksheets &screen = form<worksheets>();
        click(screen.Label2[1]);
        QVERIFY(isLoaded<multiple>());
        multiple &quiz = form<multiple>();
        QCOMPARE(world.stage().frontScreen(), &quiz);
        QCOMPARE(quiz.Label5->text(), u"Lives of Hellas"_qs);
        QCOMPARE(quiz.Label6->text(), u"Sculptors"_qs);
        QCOMPARE(quiz.Label2->text(), u"Who carved statue 1?"_qs);
        QVERIFY(!quiz.Picture1->source().isEmpty());
        QCOMPARE(quiz.Picture1->source(), form<intro0>().Image1->source());
        QVERIFY(quiz.Label3[3]->isVisibleTo(&quiz));
        QVERIFY(!form<intro0>().isVisible());
        QVERIFY(isLoaded<worksheets>());
    }

    void editModeFillsTheWizardFromTheWorksheet() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nSculptors\r\n");
        writeWorksheet(world, QStringLiteral("Sculptors"), worksheetBytes(sampleDraft(u"Sculptors"_qs, 3)));
        worksheets &screen = form<worksheets>();
        click(screen.Check1);
        click(screen.Label2[1]);
        QVERIFY(isLoaded<wizard>());
        wizard &w = form<wizard>();
        QCOMPARE(world.stage().frontScreen(), &w);
        QCOMPARE(w.Text1->text(), u"Sculptors"_qs);
        QCOMPARE(w.Text2[9]->text(), u"Who carved statue 10?"_qs);
        QCOMPARE(w.Text3[4 * 9 + 3]->text(), u"Sculptor 10D"_qs);
        for (int i = 0; i < kWizardAnswers; ++i)
            QCOMPARE(w.Check1[i]->isChecked(), i % 4 == 2);
        QVERIFY(!isLoaded<multiple>());
    }

    void aCorrectAnswerThatCannotFillTheWizardIsReportedAndChangesNothing() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nSculptors\r\n");
        QByteArray bytes = worksheetBytes(sampleDraft(u"Sculptors"_qs));
        const qsizetype at = bytes.indexOf("\r\n2\r\n");
        bytes.replace(at, 5, "\r\n7\r\n");
        writeWorksheet(world, QStringLiteral("Sculptors"), bytes);
        Module1.SetTitle = QStringLiteral("Before");
        worksheets &screen = form<worksheets>();
        click(screen.Check1);
        click(screen.Label2[1]);
        QCOMPARE(world.messages.shown, QStringList{u"This worksheet seems to be corrupted."_qs});
        QVERIFY(!isLoaded<wizard>());
        QCOMPARE(Module1.SetTitle, u"Before"_qs);
    }

    void aMissingOrShortWorksheetIsReportedInEveryMode() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 2 \r\nGone\r\nShort\r\n");
        writeWorksheet(world, QStringLiteral("Short"), worksheetBytes(sampleDraft(u"Short"_qs)).left(300));
        Module1.SetTitle = QStringLiteral("Before");
        worksheets &screen = form<worksheets>();
        click(screen.Label2[1]);
        click(screen.Label2[2]);
        click(screen.Check2);
        click(screen.Label2[1]);
        QCOMPARE(world.messages.shown, QStringList(3, u"This worksheet seems to be corrupted."_qs));
        QVERIFY(world.messages.asked.isEmpty());
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(Module1.SetTitle, u"Before"_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")),
                 QByteArray(" 2 \r\nGone\r\nShort\r\n"));
    }

    void deletingAfterOkTakesTheTitleOutAndRedrawsThePage() {
        TestWorld world;
        writeCatalogue(world, 30);
        for (int i = 1; i <= 30; ++i) {
            const QString title = QStringLiteral("Worksheet %1").arg(i);
            writeWorksheet(world, title, worksheetBytes(sampleDraft(title)));
        }
        worksheets &screen = form<worksheets>();
        click(screen.Check2);
        world.messages.answers = {true};
        click(screen.Label2[3]);
        QCOMPARE(world.messages.asked,
                 QStringList{u"Are you sure that you want to delete the worksheet Worksheet 3?"_qs});
        const QStringList shown = shownEntries(screen);
        QCOMPARE(shown.size(), 24);
        QCOMPARE(shown[2], u"Worksheet 4"_qs);
        QCOMPARE(shown.last(), u"Worksheet 25"_qs);
        QVERIFY(!world.readFile(QStringLiteral("multiple/track.txt")).contains("Worksheet 3\r\n"));
        QVERIFY(QFile::exists(world.folder() + QStringLiteral("/multiple/Worksheet 3.txt")));
        QCOMPARE(Module1.WorksheetCount, 29.0);

        click(screen.Label3[1]);
        QCOMPARE(shownEntries(screen).size(), 5);
        QCOMPARE(shownEntries(screen).last(), u"Worksheet 30"_qs);
    }

    void deletingTheOnlyTitleOfTheLastPageLeavesItEmptyWithTheArrowsAsTheyWere() {
        TestWorld world;
        writeCatalogue(world, 25);
        writeWorksheet(world, QStringLiteral("Worksheet 25"),
                       worksheetBytes(sampleDraft(u"Worksheet 25"_qs)));
        worksheets &screen = form<worksheets>();
        click(screen.Label3[1]);
        click(screen.Check2);
        world.messages.answers = {true};
        click(screen.Label2[1]);
        QVERIFY(shownEntries(screen).isEmpty());
        QVERIFY(screen.Label3[0]->isVisibleTo(&screen));
        QCOMPARE(screen.Label4->text(), u"Page 2"_qs);
        click(screen.Label3[0]);
        QCOMPARE(shownEntries(screen).size(), 24);
        QVERIFY(!screen.Label3[1]->isVisibleTo(&screen));
    }

    void cancellingADeletionChangesNothing() {
        TestWorld world;
        writeCatalogue(world, 2);
        writeWorksheet(world, QStringLiteral("Worksheet 1"), worksheetBytes(sampleDraft(u"Worksheet 1"_qs)));
        const QByteArray before = world.readFile(QStringLiteral("multiple/track.txt"));
        worksheets &screen = form<worksheets>();
        click(screen.Check2);
        world.messages.answers = {false};
        click(screen.Label2[1]);
        QCOMPARE(world.messages.asked.size(), 1);
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), before);
        QCOMPARE(shownEntries(screen), QStringList({u"Worksheet 1"_qs, u"Worksheet 2"_qs}));
    }
};

QTEST_MAIN(WorksheetScreens)
#include "worksheets_screens_test.moc"
