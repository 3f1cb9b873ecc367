#include "classroom/record.h"
#include "core/language.h"
#include "core/module1.h"
#include "platform/services.h"
#include "quiz/certificate.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "stage/labelbutton.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "topic/phidias.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// A pupil in a Greek run takes the topic's quiz from the Greek question set,
// scores full marks and prints the certificate under a Greek name.
class GreekQuiz : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aQuizTakenInGreekToFullMarksPrintsTheCertificateWithTheGreekName() {
        if (qEnvironmentVariableIsEmpty("HELLAS_TEST_CONTENT"))
            QSKIP("run through ctest for the generated content");
        TestWorld world;
        setProgramLanguage(u"el"_qs);
        RecordingPrinters printers;
        services().printer = printers.factory();
        form<phidias>().showScreen();
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        QVERIFY(isLoaded<multiple>());
        multiple &quiz = form<multiple>();
        QCOMPARE(quiz.Label6->text(), u"Φειδίας"_qs);
        // The right answers of the topic's set, B A D C D A B C B C, whatever its language.
        for (const int right : {2, 1, 4, 3, 4, 1, 2, 3, 2, 3}) {
            quiz.Option1[right]->click();
            QTest::mouseClick(quiz.Label3[1], Qt::LeftButton);
        }
        settle();
        QCOMPARE(Module1.Score, 10);

        const QString name = u"Ελένη Παπαδοπούλου"_qs;
        Welldone &results = form<Welldone>();
        for (const QChar letter : name) // typed as a Greek keyboard types it
            QTest::sendKeyEvent(QTest::Click, results.Text1, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        QCOMPARE(results.Text1->text(), name);
        QTest::mouseClick(results.Label3[0], Qt::LeftButton);
        QCOMPARE(printers.jobs.size(), 1);
        QVERIFY(printers.jobs[0]->ended);
        QStringList printed;
        for (const PrintedText &text : printers.jobs[0]->texts)
            printed << text.text;
        QVERIFY2(printed.contains(name), qPrintable(printed.join(u'|')));
        QVERIFY(printed.contains(certificate::scoreSentence(10, 10)));

        QTest::mouseClick(results.Label3[1], Qt::LeftButton);
        const QList<ResultRecord> kept = keptRecords(world);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].pupil, name);
        QCOMPARE(kept[0].worksheet, u"Φειδίας"_qs);
        QCOMPARE(kept[0].score, 10);
    }
};

QTEST_MAIN(GreekQuiz)
#include "greek_quiz_test.moc"
