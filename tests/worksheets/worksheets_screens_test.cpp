#include "quiz/multiple.h"
#include "shell/intro0.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/picturebox.h"
#include "support/testsupport.h"
#include "worksheets/draft.h"
#include "worksheets/store.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <tuple>
#include <utility>

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

// A catalogue of titles "Worksheet 1" to "Worksheet n"; their files are written apart.
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

// What the catalogue screen shows: how many titles, the first and last, the arrows in view, the page.
QString pageShown(const worksheets &screen) {
    const QStringList shown = shownEntries(screen);
    return QStringLiteral("%1 [%2..%3]%4%5 %6")
        .arg(shown.size())
        .arg(shown.value(0), shown.isEmpty() ? QString() : shown.last())
        .arg(screen.Label3[0]->isVisibleTo(&screen) ? u" <"_qs : QString(),
             screen.Label3[1]->isVisibleTo(&screen) ? u" >"_qs : QString(), screen.Label4->text());
}

QColor rightEdgeColour(QWidget *tick) {
    const QImage look = tick->grab().toImage();
    return look.pixelColor(look.width() - 1, look.height() - 1);
}

} // namespace

class WorksheetScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { Module1 = SharedState{}; }

    // The wizard

    void genworkReportsTheFirstProblemAndAFullCatalogueIsNeverWritten() {
        TestWorld world;
        writeCatalogue(world, 1000);
        const QByteArray catalogue = world.readFile(QStringLiteral("multiple/track.txt"));
        const QDir folder(world.folder() + QStringLiteral("/multiple"));
        const QStringList files = folder.entryList(QDir::Files);
        wizard &w = form<wizard>();
        WorksheetDraft incomplete = sampleDraft(QStringLiteral("Sculptors"));
        incomplete.answers[4 + 2].clear();
        incomplete.ticks[4 + 1] = false;
        WorksheetDraft twoTicks = sampleDraft(QStringLiteral("Sculptors"));
        twoTicks.ticks[12] = twoTicks.ticks[14] = true;
        twoTicks.ticks[13] = twoTicks.ticks[4 * 7 + 1] = false;
        const QList<std::pair<WorksheetDraft, QString>> cases = {
            {WorksheetDraft{}, u"You have not chosen a title for your worksheet"_qs},
            {incomplete, u"You have not completed Question 2"_qs},
            {twoTicks, u"You have ticked more than one correct answer for Question 4"_qs},
            {sampleDraft(QStringLiteral("Track")), titleProblem(u"Track"_qs)}};
        QStringList expected;
        for (const auto &[draft, message] : cases) {
            fillWizard(w, draft);
            click(w.Label3[1]);
            expected.append(message);
            QCOMPARE(world.messages.shown, expected);
        }
        QVERIFY(expected.last().contains(u"Track"_qs));
        QCOMPARE(folder.entryList(QDir::Files), files);
        // Beyond the 1000-title limit the worksheet is written but not entered.
        fillWizard(w, sampleDraft(QStringLiteral("One too many")));
        click(w.Label3[1]);
        QCOMPARE(world.messages.shown.last(), u"There was a problem saving your worksheet"_qs);
        QVERIFY(folder.exists(QStringLiteral("One too many.txt")));
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    void aCompleteWorksheetIsSavedAndSavingAgainKeepsOneEntry() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nOlder\r\n");
        wizard &w = form<wizard>();
        const WorksheetDraft draft = sampleDraft(QStringLiteral("Athens, Sparta"));
        fillWizard(w, draft);
        for (int save = 1; save <= 2; ++save) {
            click(w.Label3[1]);
            QCOMPARE(world.messages.shown, QStringList(save, u"Your worksheet has been saved."_qs));
            QCOMPARE(world.readFile(QStringLiteral("multiple/Athens& Sparta.txt")), worksheetBytes(draft));
            QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")),
                     QByteArray(" 2 \r\nOlder\r\nAthens& Sparta\r\n"));
            QCOMPARE(Module1.WorksheetCount, 2.0);
            QCOMPARE(w.Text1->text(), draft.title);
        }
    }

    void theBoxesTakeNoMoreThanTheirLimits() {
        TestWorld world;
        wizard &w = form<wizard>();
        for (auto [box, limit] : {std::pair{w.Text1, 25}, {w.Text2[3], 60}, {w.Text3[17], 30}}) {
            QTest::keyClicks(box, QString(limit + 1, u'x'));
            QCOMPARE(box->text().size(), limit);
        }
    }

    void enterAndTabMoveThroughTheBoxesInTheirOrder() {
        TestWorld world;
        wizard &w = form<wizard>();
        w.showScreen();
        world.stage().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&world.stage()));
        const auto press = [&w](QWidget *control, Qt::Key key) {
            control->setFocus();
            QTest::keyClick(control, key);
            return w.focusWidget();
        };
        QCOMPARE(press(w.Text1, Qt::Key_Return), w.Text2[0]);
        QCOMPARE(press(w.Text2[2], Qt::Key_Return), w.Text3[8]);
        QCOMPARE(press(w.Text3[8], Qt::Key_Return), w.Text3[9]);
        QCOMPARE(press(w.Text3[4 * 4 + 3], Qt::Key_Return), w.Text2[5]);
        QCOMPARE(press(w.Text3[39], Qt::Key_Return), w.Text3[39]);
        QCOMPARE(w.Text3[39]->text(), QString());
        // Tab walks question by question, then the ticks.
        QCOMPARE(press(w.Text1, Qt::Key_Tab), w.Text2[0]);
        QCOMPARE(press(w.Text2[0], Qt::Key_Tab), w.Text3[0]);
        QCOMPARE(press(w.Text3[3], Qt::Key_Tab), w.Text2[1]);
        QCOMPARE(press(w.Text3[39], Qt::Key_Tab), w.Check1[0]);
        QCOMPARE(press(w.Check1[7], Qt::Key_Tab), w.Check1[8]);
    }

    void theQuestionGridFollowsItsColumnsAndRows() {
        TestWorld world;
        wizard &w = form<wizard>();
        // Question 7: column 1, row 1; answer D: answer column 1, answer row 1.
        QCOMPARE(w.Text2[6]->geometry(), toPixels(TwipRect{240 + 5880, 840 + 1440, 5655, 375}));
        QCOMPARE(w.Text3[27]->geometry(), toPixels(TwipRect{720 + 2880 + 5880, 1230 + 330 + 1440, 2295, 330}));
        QCOMPARE(w.Check1[27]->geometry(), toPixels(TwipRect{480 + 2850 + 5880, 1230 + 330 + 1440, 255, 315}));
        QCOMPARE(rightEdgeColour(w.Check1[0]), QColor(39, 63, 137));
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

    void pagesOfTwentyFourReachTheLastTitleAndTheArrowsFollow() {
        // titles, arrows clicked ('>' next, '<' previous), what the screen then shows
        const QList<std::tuple<int, QString, QString>> cases = {
            {0, QString(), u"0 [..] Page 1"_qs},
            {24, QString(), u"24 [Worksheet 1..Worksheet 24] Page 1"_qs},
            {25, QString(), u"24 [Worksheet 1..Worksheet 24] > Page 1"_qs},
            {25, u">"_qs, u"1 [Worksheet 25..Worksheet 25] < Page 2"_qs},
            {25, u"><"_qs, u"24 [Worksheet 1..Worksheet 24] > Page 1"_qs},
            {1000, QString(41, u'>'), u"16 [Worksheet 985..Worksheet 1000] < Page 42"_qs}};
        for (const auto &[count, arrows, expected] : cases) {
            TestWorld world;
            writeCatalogue(world, count);
            worksheets &screen = form<worksheets>();
            for (QChar arrow : arrows)
                click(screen.Label3[arrow == u'>' ? 1 : 0]);
            QCOMPARE(pageShown(screen), expected);
        }
    }

    void theTitlesStandInTwoColumnsOfTwelve() {
        TestWorld world;
        writeCatalogue(world, 24);
        worksheets &screen = form<worksheets>();
        QCOMPARE(screen.Label2[13]->caption(), u"Worksheet 13"_qs);
        QCOMPARE(screen.Label2[13]->geometry(), toPixels(TwipRect{6120, 720, 5715, 375}));
        QCOMPARE(screen.Label2[7]->geometry(), toPixels(TwipRect{120, 720 + 3600, 5685, 375}));
    }

    void tickingOneModeUnticksTheOther() {
        TestWorld world;
        worksheets &screen = form<worksheets>();
        QCOMPARE(rightEdgeColour(screen.Check1), QColor(39, 63, 137));
        QCOMPARE(rightEdgeColour(screen.Check2), QColor(39, 63, 137));
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
        writeWorksheet(world, QStringLiteral("Gods& heroes"), worksheetBytes(sampleDraft(u"Gods, heroes"_qs)));
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
        click(form<worksheets>().Label2[1]);
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

    void aMissingShortOrUnfillableWorksheetIsReportedInEveryModeAndChangesNothing() {
        TestWorld world;
        const QByteArray catalogue = " 3 \r\nGone\r\nShort\r\nBad tick\r\n";
        world.writeFile(QStringLiteral("multiple/track.txt"), catalogue);
        writeWorksheet(world, QStringLiteral("Short"), worksheetBytes(sampleDraft(u"Short"_qs)).left(300));
        QByteArray badTick = worksheetBytes(sampleDraft(u"Bad tick"_qs));
        badTick.replace(badTick.indexOf("\r\n2\r\n"), 5, "\r\n7\r\n");
        writeWorksheet(world, QStringLiteral("Bad tick"), badTick);
        Module1.SetTitle = QStringLiteral("Before");
        worksheets &screen = form<worksheets>();
        click(screen.Label2[1]); // quiz
        click(screen.Label2[2]);
        click(screen.Check2); // delete
        click(screen.Label2[1]);
        click(screen.Check1); // edit
        click(screen.Label2[3]);
        QCOMPARE(world.messages.shown, QStringList(4, u"This worksheet seems to be corrupted."_qs));
        QVERIFY(world.messages.asked.isEmpty());
        QVERIFY(!isLoaded<multiple>());
        QVERIFY(!isLoaded<wizard>());
        QCOMPARE(Module1.SetTitle, u"Before"_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    void deletingAsksThenCancelChangesNothingAndOkRedrawsThePage() {
        TestWorld world;
        writeCatalogue(world, 30);
        for (int i = 1; i <= 30; ++i) {
            const QString title = QStringLiteral("Worksheet %1").arg(i);
            writeWorksheet(world, title, worksheetBytes(sampleDraft(title)));
        }
        const QByteArray before = world.readFile(QStringLiteral("multiple/track.txt"));
        worksheets &screen = form<worksheets>();
        click(screen.Check2);
        world.messages.answers = {false, true};
        click(screen.Label2[3]);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), before);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 24] > Page 1"_qs);
        click(screen.Label2[3]);
        const QString question = u"Are you sure that you want to delete the worksheet Worksheet 3?"_qs;
        QCOMPARE(world.messages.asked, QStringList({question, question}));
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(shownEntries(screen)[2], u"Worksheet 4"_qs);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 25] > Page 1"_qs);
        QVERIFY(!world.readFile(QStringLiteral("multiple/track.txt")).contains("Worksheet 3\r\n"));
        QVERIFY(QFile::exists(world.folder() + QStringLiteral("/multiple/Worksheet 3.txt")));
        QCOMPARE(Module1.WorksheetCount, 29.0);
        click(screen.Label3[1]);
        QCOMPARE(pageShown(screen), u"5 [Worksheet 26..Worksheet 30] < Page 2"_qs);
    }

    void deletingTheOnlyTitleOfTheLastPageLeavesItEmptyWithTheArrowsAsTheyWere() {
        TestWorld world;
        writeCatalogue(world, 25);
        writeWorksheet(world, QStringLiteral("Worksheet 25"), worksheetBytes(sampleDraft(u"Worksheet 25"_qs)));
        worksheets &screen = form<worksheets>();
        click(screen.Label3[1]);
        click(screen.Check2);
        world.messages.answers = {true};
        click(screen.Label2[1]);
        QCOMPARE(pageShown(screen), u"0 [..] < Page 2"_qs);
        click(screen.Label3[0]);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 24] Page 1"_qs);
    }
};

QTEST_MAIN(WorksheetScreens)
#include "worksheets_screens_test.moc"
