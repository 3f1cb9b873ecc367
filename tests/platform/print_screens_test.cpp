#include "core/module1.h"
#include "platform/services.h"
#include "quiz/certificate.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/worksheetprint.h"
#include "stage/labelbutton.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

// The results screen after a quiz, as the quiz leaves it.
Welldone &results(int score) {
    Module1.Score = score;
    Module1.MaxScore = 10;
    Module1.QuizHeading = QStringLiteral("Lives of Hellas");
    Welldone &screen = form<Welldone>();
    screen.Label6->hide();
    screen.Label5->show();
    screen.Label3[0]->show();
    screen.showScreen();
    return screen;
}

void fillSet() {
    Module1.SetTitle = QStringLiteral("Phidias the sculptor");
    for (int q = 1; q <= 10; ++q) {
        Module1.Question[q] = QStringLiteral("Question text %1").arg(q);
        Module1.AnswerA[q] = QStringLiteral("A%1").arg(q);
        Module1.AnswerB[q] = QStringLiteral("B%1").arg(q);
        Module1.AnswerC[q] = QStringLiteral("C%1").arg(q);
        Module1.AnswerD[q] = QStringLiteral("D%1").arg(q);
        Module1.CorrectAnswer[q] = QStringLiteral("1");
    }
}

QStringList textsOf(const PrintJob &job) {
    QStringList texts;
    for (const PrintedText &t : job.texts)
        texts.append(t.text);
    return texts;
}

} // namespace

class PrintScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void printCertificatePrintsTheTypedNameAndTheScoreAgainAndAgainAndSaysSo() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        Welldone &screen = results(10);
        QTest::mouseClick(screen.Label3[0], Qt::LeftButton);
        QTest::keyClicks(screen.Text1, QStringLiteral("Nikos"));
        QTest::mouseClick(screen.Label3[0], Qt::LeftButton);
        QCOMPARE(printers.jobs.size(), 2);
        QCOMPARE(printers.jobs[0]->texts[14].text, QString()); // the empty name line
        const QStringList texts = textsOf(*printers.jobs[1]);
        QCOMPARE(texts[14], QStringLiteral("Nikos"));
        QVERIFY(texts.contains(QStringLiteral("You have scored 10 out of 10.")));
        QVERIFY(texts.contains(QStringLiteral("Lives of Hellas")));
        QVERIFY(printers.jobs[1]->ended);
        QCOMPARE(world.messages.shown, QStringList({kCertificatePrinting, kCertificatePrinting}));
        QVERIFY(isLoaded<Welldone>());
    }

    void aFailedOrRefusedCertificateIsReportedAndTheResultsStayOpen_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<bool>("outside");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("jobs");
        QTest::newRow("no printer") << 10 << true << false << QStringList({kPrintProblem}) << 0;
        QTest::newRow("failure escapes the routine")
            << 10 << false << true << QStringList({kPrintingCancelled}) << 1;
        QTest::newRow("below full marks") << 9 << false << false << QStringList() << 0;
    }
    void aFailedOrRefusedCertificateIsReportedAndTheResultsStayOpen() {
        QFETCH(int, score);
        QFETCH(bool, noPrinter);
        QFETCH(bool, outside);
        QFETCH(QStringList, messages);
        QFETCH(int, jobs);
        TestWorld world;
        RecordingPrinters printers;
        printers.noPrinter = noPrinter;
        printers.failAfter = 3;
        printers.failOutsideThePrinter = outside;
        services().printer = printers.factory();
        QTest::mouseClick(results(score).Label3[0], Qt::LeftButton);
        QCOMPARE(world.messages.shown, messages);
        QCOMPARE(printers.jobs.size(), jobs);
        if (jobs) QVERIFY(printers.jobs[0]->abandoned);
        QVERIFY(isLoaded<Welldone>());
    }

    void printWorksheetPrintsTheSetUnderTheScreensHeadingOrReportsAFailureAndLeavesTheQuizAsItWas() {
        TestWorld world;
        RecordingPrinters printers;
        services().printer = printers.factory();
        fillSet();
        multiple &quiz = form<multiple>();
        quiz.Label5->setText(QStringLiteral("Lives of Hellas"));
        quiz.showScreen();
        quiz.Label3[3]->show(); // as the worksheet catalogue shows it
        QTest::mouseClick(quiz.Label3[1], Qt::LeftButton);
        quiz.Option1[2]->click();
        QTest::mouseClick(quiz.Label3[3], Qt::LeftButton);

        QCOMPARE(printers.jobs.size(), 1);
        const QStringList texts = textsOf(*printers.jobs[0]);
        QCOMPARE(texts[4], QStringLiteral("Lives of Hellas"));
        QCOMPARE(texts[5], QStringLiteral("Phidias the sculptor"));
        QVERIFY(texts.contains(QStringLiteral("Question 10    Question text 10")));
        QVERIFY(texts.contains(QStringLiteral("D. D7")));
        QCOMPARE(world.messages.shown, QStringList({kWorksheetPrinting}));
        QCOMPARE(Module1.CurrentQuestion, 2);
        QVERIFY(quiz.Option1[2]->isChecked());
        QCOMPARE(Module1.QuestionScore[1], 0);

        // A printer failure is reported, the job abandoned, and the quiz carries on.
        printers.failAfter = 12;
        QTest::mouseClick(quiz.Label3[3], Qt::LeftButton);
        QCOMPARE(world.messages.shown, QStringList({kWorksheetPrinting, kPrintProblem}));
        QVERIFY(printers.jobs[1]->abandoned);
        QVERIFY(isLoaded<multiple>());
        QCOMPARE(Module1.CurrentQuestion, 2);
    }
};

QTEST_MAIN(PrintScreens)
#include "print_screens_test.moc"
