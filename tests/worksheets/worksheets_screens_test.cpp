#include "classroom/record.h"
#include "core/module1.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "shell/intro0.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/screenmouse.h"
#include "support/screentour.h"
#include "support/testsupport.h"
#include "worksheets/draft.h"
#include "worksheets/exchange.h"
#include "worksheets/store.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <tuple>
#include <utility>

namespace {

QStringList numbered(int count) {
    QStringList titles;
    for (int i = 1; i <= count; ++i) titles.append(QStringLiteral("Worksheet %1").arg(i));
    return titles;
}

// Enters the titles (commas stored as "&") in the catalogue, and unless told not to a worksheet file for each.
QByteArray writeCatalogue(const TestWorld &world, const QStringList &titles, bool withFiles = true,
                          int correct = 2) {
    QByteArray catalogue = ' ' + QByteArray::number(titles.size()) + " \r\n";
    for (const QString &title : titles) {
        const QString stored = QString(title).replace(u',', u'&');
        catalogue += stored.toUtf8() + "\r\n";
        if (withFiles)
            world.writeFile(u"multiple/"_qs + stored + u".txt"_qs, worksheetBytes(sampleDraft(title, correct)));
    }
    world.writeFile(QStringLiteral("multiple/track.txt"), catalogue);
    return catalogue;
}

QStringList shownEntries(const worksheets &screen) {
    QStringList shown;
    for (int i = 1; i <= 24; ++i)
        if (screen.Label2[i]->isVisibleTo(&screen)) shown.append(screen.Label2[i]->caption());
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

const QString kSaved = u"Your worksheet has been saved."_qs;

} // namespace

class WorksheetScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The wizard

    void genworkReportsTheFirstProblemAndAFullCatalogueIsNeverWritten() {
        TestWorld world;
        const QByteArray catalogue = writeCatalogue(world, numbered(1000), false);
        const QDir folder(world.folder() + QStringLiteral("/multiple"));
        const QStringList files = folder.entryList(QDir::Files);
        wizard &w = form<wizard>();
        // Which problem comes first is the check's own, tested with it.
        const QList<std::pair<WorksheetDraft, QString>> cases = {
            {WorksheetDraft{}, u"You have not chosen a title for your worksheet"_qs},
            {sampleDraft(QStringLiteral("Track")), titleProblem(u"Track"_qs)}};
        QStringList expected;
        for (const auto &[draft, message] : cases) {
            saveInWizard(w, draft);
            expected.append(message);
            QCOMPARE(world.messages.shown, expected);
        }
        QVERIFY(expected.last().contains(u"Track"_qs));
        QCOMPARE(folder.entryList(QDir::Files), files);
        // Beyond the 1000-title limit nothing is written.
        saveInWizard(w, sampleDraft(QStringLiteral("One too many")));
        QCOMPARE(world.messages.shown.last(), u"There was a problem saving your worksheet"_qs);
        QCOMPARE(folder.entryList(QDir::Files), files);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    void aCompleteWorksheetIsSavedAndSavingAgainKeepsOneEntry() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nOlder\r\n");
        wizard &w = form<wizard>();
        const WorksheetDraft draft = sampleDraft(QStringLiteral("Athens, Sparta"));
        for (int save = 1; save <= 2; ++save) {
            saveInWizard(w, draft);
            QCOMPARE(world.messages.shown, QStringList(save, kSaved));
            QCOMPARE(world.readFile(QStringLiteral("multiple/Athens& Sparta.txt")), worksheetBytes(draft));
            QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")),
                     QByteArray(" 2 \r\nOlder\r\nAthens& Sparta\r\n"));
            QCOMPARE(Module1.WorksheetCount, 2.0);
            QCOMPARE(w.Text1->text(), draft.title);
        }
    }

    void enterAndTabMoveThroughTheBoxesInTheirOrderAndEachTakesNoMoreThanItsLimit() {
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
        for (auto [box, limit] : {std::pair{w.Text1, 25}, {w.Text2[3], 60}, {w.Text3[17], 30}}) {
            QTest::keyClicks(box, QString(limit + 1, u'x'));
            QCOMPARE(box->text().size(), limit);
        }
    }

    // What was typed comes back: a leading double quote was once taken as
    // the start of a quoted field, and the worksheet could then be neither
    // taken, nor edited, nor deleted.
    void aWorksheetWithDoubleQuotesIsTakenEditedAndDeletedAsTyped() {
        TestWorld world;
        world.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
        WorksheetDraft typed = sampleDraft(QStringLiteral("Sayings"));
        typed.questions[0] = QStringLiteral("\"Know thyself\" was said by whom?");
        typed.answers[0] = QStringLiteral("\"Know thyself");
        typed.answers[1] = QStringLiteral("\"Gnothi\" seauton");
        typed.answers[2] = QStringLiteral(" Thales, or \"Solon\" ");
        saveInWizard(form<wizard>(), typed);
        QCOMPARE(world.messages.shown, QStringList(kSaved));
        const QByteArray saved = world.readFile(QStringLiteral("multiple/Sayings.txt"));
        form<wizard>().unloadScreen();
        settle();

        worksheets &screen = form<worksheets>();
        tap(screen.Label2[1]); // taken as a quiz
        QVERIFY(isLoaded<multiple>());
        QCOMPARE(form<multiple>().Label2->text(), typed.questions[0]);
        QCOMPARE(Module1.AnswerA[1], typed.answers[0]);
        tap(screen.Check1); // edited: every box as typed, and saved again unchanged without a question
        tap(screen.Label2[1]);
        wizard &w = form<wizard>();
        QCOMPARE(w.Text2[0]->text(), typed.questions[0]);
        for (int i : {0, 1, 2})
            QCOMPARE(w.Text3[i]->text(), typed.answers[i]);
        QCOMPARE(w.draft().answers, typed.answers);
        tap(w.Label3[1]);
        QVERIFY(world.messages.asked.isEmpty());
        QCOMPARE(world.readFile(QStringLiteral("multiple/Sayings.txt")), saved);
        tap(screen.Check2); // deleted
        world.messages.answers = {true};
        tap(screen.Label2[1]);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 0 \r\n"));
        QCOMPARE(world.messages.shown, QStringList(2, kSaved));
    }

    // A line that the catalogue read does not take as one title (here a
    // comma) was split or dropped by the next save or deletion; every kind of
    // such catalogue meets the store's own property test.
    void aCatalogueNotOfOneTitleALineIsNeverRewritten() {
        TestWorld world;
        const QByteArray catalogue = "2\r\nRome, Athens\r\nSparta\r\n";
        world.writeFile(QStringLiteral("multiple/track.txt"), catalogue);
        world.writeFile(u"multiple/Rome.txt"_qs, worksheetBytes(sampleDraft(u"Rome"_qs)));
        saveInWizard(form<wizard>(), sampleDraft(QStringLiteral("New 1")));
        QCOMPARE(world.messages.shown, QStringList(u"There was a problem saving your worksheet"_qs));
        QVERIFY(!QFile::exists(world.folder() + QStringLiteral("/multiple/New 1.txt")));
        worksheets &screen = form<worksheets>();
        QCOMPARE(screen.Label2[1]->caption(), u"Rome"_qs);
        tap(screen.Check2);
        world.messages.answers = {true};
        tap(screen.Label2[1]);
        QCOMPARE(world.messages.shown.last(), u"There was a problem deleting your worksheet"_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
        QVERIFY(screen.Label2[1]->isVisibleTo(&screen));
    }

    // On folders that ignore letter case "OLYMPIA" is the file "Olympia.txt":
    // another teacher's worksheet is replaced only when the teacher says so.
    void aNewTitleThatNamesAnotherWorksheetReplacesItOnlyWhenAsked() {
        TestWorld world;
        const QByteArray catalogue = writeCatalogue(world, {u"Olympia"_qs});
        const QByteArray theirs = world.readFile(QStringLiteral("multiple/Olympia.txt"));
        // Delos: a worksheet the catalogue does not list.
        world.writeFile(QStringLiteral("multiple/Delos.txt"), theirs);
        const QStringList before = QDir(world.folder() + u"/multiple"_qs).entryList(QDir::Files);
        wizard &w = form<wizard>();
        const QString question = u"A worksheet called Olympia already exists. Do you want to replace it?"_qs;
        saveInWizard(w, sampleDraft(QStringLiteral("OLYMPIA"), 4)); // Cancel
        QCOMPARE(world.messages.asked, QStringList(question));
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(QDir(world.folder() + u"/multiple"_qs).entryList(QDir::Files), before);
        QCOMPARE(world.readFile(QStringLiteral("multiple/Olympia.txt")), theirs);
        world.messages.answers = {true};
        tap(w.Label3[1]); // OK: replaced, still one entry
        tap(w.Label3[1]); // saved again as its own: no question
        QCOMPARE(world.messages.asked, QStringList({question, question}));
        QCOMPARE(world.messages.shown, QStringList(2, kSaved));
        QCOMPARE(world.readFile(QStringLiteral("multiple/Olympia.txt")), worksheetBytes(w.draft()));
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
        saveInWizard(w, sampleDraft(QStringLiteral("delos")));
        QCOMPARE(world.messages.asked.last(),
                 u"A worksheet called Delos already exists. Do you want to replace it?"_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/Delos.txt")), theirs);
        w.unloadScreen();
        settle();
        // Opened for editing and saved under its own title: replaced without a question.
        worksheets &screen = form<worksheets>();
        tap(screen.Check1);
        tap(screen.Label2[1]);
        QCOMPARE(form<wizard>().Text1->text(), u"OLYMPIA"_qs); // the title it was saved with
        tap(form<wizard>().Label3[1]);
        QCOMPARE(world.messages.asked.size(), 3);
        QCOMPARE(world.messages.shown.last(), kSaved);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    // A file of 25 questions, two of which the wizard cannot hold, comes in
    // ten at a time and is saved only by "Save Worksheet"; the boxes go out
    // through the chooser and read back the same.
    void importFillsTenAtATimeSayingWhatWasLeftAndExportReadsBack() {
        TestWorld world;
        QByteArray gift = "$CATEGORY: $course$/Greek Heroes\n\n";
        for (int n = 1; n <= 25; ++n) {
            QByteArray answers;
            for (int a = 0; a < (n == 3 ? 3 : 4); ++a)
                answers +=
                    ((a == n % 4 || (n == 14 && a == 0)) ? " =" : " ~") + QByteArray::number(n) + char('A' + a);
            gift += "::Q" + QByteArray::number(n) + ":: Who founded city " + QByteArray::number(n) + "? {" +
                    answers + " }\n\n";
        }
        world.writeFile(u"heroes.gift"_qs, gift);
        const QString path = world.folder() + u"/heroes.gift"_qs;
        world.files.answers = {path, path};
        wizard &w = form<wizard>();
        // Question 3 has three answers, question 14 two marked right.
        for (const auto &[first, last, passed, left] : {std::tuple(1, 11, u"Question 3, "_qs, u"13 more"_qs),
                                                        std::tuple(12, 22, u"Question 14, "_qs, u"3 more"_qs)}) {
            tap(w.Label3[2]);
            QCOMPARE(w.Text1->text(), u"Greek Heroes"_qs);
            QCOMPARE(w.Text2[0]->text(), QStringLiteral("Who founded city %1?").arg(first));
            QCOMPARE(w.Text2[9]->text(), QStringLiteral("Who founded city %1?").arg(last));
            QCOMPARE(w.Text3[36 + last % 4]->text(), QStringLiteral("%1%2").arg(last).arg(QChar(u'A' + last % 4)));
            QVERIFY(w.Check1[36 + last % 4]->isChecked());
            QVERIFY(world.messages.shown.last().contains(passed));
            QVERIFY(world.messages.shown.last().contains(left));
            QVERIFY(w.hasUnsavedChanges());
        }
        QVERIFY(!world.readFile(QStringLiteral("multiple/track.txt")).contains("Greek Heroes"));
        tap(w.Label3[1]);
        QCOMPARE(world.messages.shown.last(), kSaved);
        QVERIFY(world.readFile(QStringLiteral("multiple/track.txt")).contains("Greek Heroes"));

        const QString out = world.folder() + u"/heroes.xml"_qs;
        world.files.answers = {out};
        tap(w.Label3[3]);
        QCOMPARE(world.messages.shown.last(), u"Your worksheet has been exported."_qs);
        const ImportResult back = importFile(out);
        QCOMPARE(back.format, std::optional(ExchangeFormat::MoodleXml));
        QCOMPARE(back.draft, w.draft());

        // A name too long for the title box is cut only when the teacher
        // agrees; every box and tick takes the new file's questions.
        world.writeFile(u"A name far too long for the title box.txt"_qs,
                        "Who won at Marathon?\nA) Athens\nB) Persia\nC) Sparta\nD) Thebes\nANSWER: A\n");
        world.files.answers = {world.folder() + u"/A name far too long for the title box.txt"_qs};
        tap(w.Label3[2]);
        QCOMPARE(world.messages.asked.size(), 1);
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(w.Text2[1]->text(), QString());
        QCOMPARE(std::count_if(w.Check1.begin(), w.Check1.end(), [](QCheckBox *t) { return t->isChecked(); }), 1);
    }

    // The main menu's authoring entries

    // The catalogue's own way there and back is the main menu's test.
    void theMenuOpensTheWizardAndExitReturnsAskingFirstWhenTypedWorkIsUnsaved() {
        TestWorld world;
        intro0 &menu = form<intro0>();
        menu.showScreen();
        tap(menu.Label2[17]);
        QVERIFY(isLoaded<wizard>());
        QCOMPARE(world.stage().frontScreen(), &form<wizard>());
        tap(form<wizard>().Label3[0]); // nothing typed: Exit asks nothing
        settle();
        QVERIFY(!isLoaded<wizard>());
        QVERIFY(world.messages.asked.isEmpty());
        form<wizard>().Text1->setText(QStringLiteral("Draft"));
        // Typed and unsaved: the window's close request and Exit ask the
        // same question, and Cancel keeps what was typed.
        world.messages.answers = {false, false, true};
        form<wizard>().closeRequested();
        tap(form<wizard>().Label3[0]);
        settle();
        QCOMPARE(form<wizard>().Text1->text(), u"Draft"_qs);
        tap(form<wizard>().Label3[0]);
        settle();
        QVERIFY(!isLoaded<wizard>());
        QCOMPARE(world.messages.asked,
                 QStringList(3, u"Leave the Multiple Choice Wizard without saving your worksheet?"_qs));
        QCOMPARE(form<wizard>().Text1->text(), QString());
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
            writeCatalogue(world, numbered(count), false);
            worksheets &screen = form<worksheets>();
            for (QChar arrow : arrows)
                tap(screen.Label3[arrow == u'>' ? 1 : 0]);
            QCOMPARE(pageShown(screen), expected);
        }
    }

    void anEmptyCatalogueSaysHowToWriteTheFirstWorksheetUntilATitleIsListed() {
        TestWorld world;
        writeCatalogue(world, {});
        worksheets &screen = form<worksheets>();
        QLabel *note = screen.emptyCatalogueNote;
        QVERIFY(note->isVisibleTo(&screen));
        QCOMPARE(
            note->text(),
            u"There are no worksheets yet. Write one with the Multiple Choice Wizard on the main menu."_qs);
        QCOMPARE(note->geometry().topLeft(), screen.Label2[1]->geometry().topLeft());
        QVERIFY(note->sizeHint().width() <= note->width()); // one line, whole
        screen.unloadScreen();
        settle();
        writeCatalogue(world, {u"Sculptors"_qs});
        worksheets &listing = form<worksheets>();
        QVERIFY(!listing.emptyCatalogueNote->isVisibleTo(&listing));
        tap(listing.Check2);
        world.messages.answers = {true};
        tap(listing.Label2[1]);
        QVERIFY(listing.emptyCatalogueNote->isVisibleTo(&listing));
    }

    void theModeTicksExcludeEachOtherAndEditFillsTheWizardFromTheWorksheet() {
        TestWorld world;
        writeCatalogue(world, {u"Sculptors"_qs}, true, 3);
        worksheets &screen = form<worksheets>();
        tap(screen.Check1);
        tap(screen.Check1); // a second tap clears a tick
        QVERIFY(!screen.Check1->isChecked());
        for (QCheckBox *tick : {screen.Check1, screen.Check2, screen.Check3, screen.Check1}) {
            tap(tick);
            QVERIFY(tick->isChecked() && screen.Check1->isChecked() + screen.Check2->isChecked() +
                                                 screen.Check3->isChecked() == 1);
        }
        tap(screen.Label2[1]);
        QVERIFY(world.messages.asked.isEmpty());
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
        const QByteArray catalogue = writeCatalogue(world, {u"Gone"_qs, u"Short"_qs, u"Bad tick"_qs}, false);
        world.writeFile(u"multiple/Short.txt"_qs, worksheetBytes(sampleDraft(u"Short"_qs)).left(300));
        QByteArray badTick = worksheetBytes(sampleDraft(u"Bad tick"_qs));
        badTick.replace(badTick.indexOf("\r\n2\r\n"), 5, "\r\n7\r\n");
        world.writeFile(u"multiple/Bad tick.txt"_qs, badTick);
        Module1.SetTitle = QStringLiteral("Before");
        worksheets &screen = form<worksheets>();
        tap(screen.Label2[1]); // quiz
        tap(screen.Label2[2]);
        tap(screen.Check2); // delete
        tap(screen.Label2[1]);
        tap(screen.Check1); // edit
        tap(screen.Label2[3]);
        QCOMPARE(world.messages.shown, QStringList(4, u"This worksheet seems to be corrupted."_qs));
        QVERIFY(world.messages.asked.isEmpty());
        QVERIFY(!isLoaded<multiple>());
        QVERIFY(!isLoaded<wizard>());
        QCOMPARE(Module1.SetTitle, u"Before"_qs);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    // A pupil sees no mode ticks: every title opens a quiz, headed by the
    // program's name and the worksheet's title over the menu's picture, whose
    // score is kept as a worksheet record.
    void aPupilsTitleOpensAQuizUnderTheProgramsTitleThatKeepsAWorksheetRecord() {
        TestWorld world;
        writeCatalogue(world, {u"Gods, heroes"_qs}, true, 1); // stored with "&", shown and opened with the comma
        services().classroom.mode = ClassroomMode::Pupil;
        form<intro0>().showScreen();
        tap(form<intro0>().Label2[18]);
        settle();
        worksheets &screen = form<worksheets>();
        for (QCheckBox *tick : {screen.Check1, screen.Check2, screen.Check3})
            QVERIFY(!tick->isVisibleTo(&screen));
        QCOMPARE(screen.Label2[1]->caption(), u"Gods, heroes"_qs);
        tap(screen.Label2[1]);
        QVERIFY(world.messages.shown.isEmpty());
        multiple &quiz = form<multiple>();
        QCOMPARE(world.stage().frontScreen(), &quiz);
        QCOMPARE(quiz.Label5->text(), u"Lives of Hellas"_qs);
        QCOMPARE(quiz.Label6->text(), u"Gods, heroes"_qs);
        QCOMPARE(Module1.SetTitle, u"Gods, heroes"_qs);
        QCOMPARE(quiz.Label2->text(), u"Who carved statue 1?"_qs);
        QVERIFY(!quiz.Picture1->source().isEmpty());
        QCOMPARE(quiz.Picture1->source(), form<intro0>().Image1->source());
        QVERIFY(quiz.Label3[3]->isVisibleTo(&quiz));
        QVERIFY(!form<intro0>().isVisible());
        QVERIFY(isLoaded<worksheets>());
        quiz.Option1[1]->click();
        for (int q = 1; q <= 10; ++q)
            tap(quiz.Label3[1]);
        const QList<ResultRecord> kept = keptRecords(world);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].activity, Activity::Worksheet);
        QCOMPARE(kept[0].worksheet, u"Gods, heroes"_qs);
        QCOMPARE(kept[0].score, 1);
        QCOMPARE(kept[0].answers->letters[0], 'A');
    }

    void exportResultsWritesTheClickedWorksheetsResultsWhereTheTeacherChooses_data() {
        QTest::addColumn<QString>("chosen"); // below the working folder; empty cancels
        QTest::addColumn<QString>("said");
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("written") << u"marks.csv"_qs
                                 << u"2 results were written to %1. 1 result file could not be read and was "
                                    u"left out."_qs;
        QTest::newRow("not writable")
            << u"no such folder/marks.csv"_qs << u"There was a problem exporting the results"_qs;
    }
    void exportResultsWritesTheClickedWorksheetsResultsWhereTheTeacherChooses() {
        QFETCH(QString, chosen);
        QFETCH(QString, said);
        TestWorld world;
        writeCatalogue(world, {u"Sculptors"_qs, u"Temples"_qs}, false);
        const QString results = services().classroom.resultsFolder;
        const QDateTime when = QDateTime::currentDateTime();
        for (const auto &[title, pupil] : {std::pair{u"Sculptors"_qs, u"Eleni"_qs},
                                           {u"sculptors"_qs, u"Nikos"_qs},
                                           {u"Temples"_qs, u"Ioanna"_qs}})
            QVERIFY(!writeRecord(results, {when, Activity::Worksheet, title, pupil, 7, 10, QuizAnswers{}}));
        world.writeFile(u"results/broken.result"_qs, "not a record");
        const QString path = chosen.isEmpty() ? QString() : world.folder() + u'/' + chosen;
        world.files.answers = {path};
        worksheets &screen = form<worksheets>();
        tap(screen.Check3);
        tap(screen.Label2[1]);
        QCOMPARE(world.files.suggestedNames, QStringList{u"Sculptors results.csv"_qs});
        if (said.contains(u"%1")) said = said.arg(path);
        QCOMPARE(world.messages.shown, said.isEmpty() ? QStringList() : QStringList{said});
        QVERIFY(!isLoaded<multiple>());
        const QByteArray csv = world.readFile(chosen);
        QCOMPARE(csv.count("\r\n"), chosen == u"marks.csv" ? 3 : 0);
        QCOMPARE(csv.contains("Eleni") && csv.contains("Nikos") && !csv.contains("Ioanna"),
                 chosen == u"marks.csv");
    }

    void deletingAsksThenCancelChangesNothingAndOkRedrawsThePageEvenWhenItEmpties() {
        TestWorld world;
        const QByteArray before = writeCatalogue(world, numbered(30));
        worksheets &screen = form<worksheets>();
        tap(screen.Check2);
        world.messages.answers = {false, true};
        tap(screen.Label2[3]);
        QCOMPARE(world.readFile(QStringLiteral("multiple/track.txt")), before);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 24] > Page 1"_qs);
        tap(screen.Label2[3]);
        const QString question = u"Are you sure that you want to delete the worksheet Worksheet 3?"_qs;
        QCOMPARE(world.messages.asked, QStringList({question, question}));
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(shownEntries(screen)[2], u"Worksheet 4"_qs);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 25] > Page 1"_qs);
        QVERIFY(!world.readFile(QStringLiteral("multiple/track.txt")).contains("Worksheet 3\r\n"));
        QVERIFY(QFile::exists(world.folder() + QStringLiteral("/multiple/Worksheet 3.txt")));
        QCOMPARE(Module1.WorksheetCount, 29.0);
        tap(screen.Label3[1]);
        QCOMPARE(pageShown(screen), u"5 [Worksheet 26..Worksheet 30] < Page 2"_qs);
        // Emptying the last page leaves it shown, with the arrows as they were.
        world.messages.answers = std::deque<bool>(5, true);
        for (int i = 0; i < 5; ++i)
            tap(screen.Label2[1]);
        QCOMPARE(pageShown(screen), u"0 [..] < Page 2"_qs);
        QCOMPARE(Module1.WorksheetCount, 24.0);
        tap(screen.Label3[0]);
        QCOMPARE(pageShown(screen), u"24 [Worksheet 1..Worksheet 25] Page 1"_qs);
    }
};

QTEST_MAIN(WorksheetScreens)
#include "worksheets_screens_test.moc"
