#include "core/language.h"
#include "core/module1.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "stage/labelbutton.h"
#include "support/recordingprinter.h"
#include "support/screenmouse.h"
#include "support/screentour.h"
#include "support/testsupport.h"
#include "worksheets/draft.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

// A teacher's worksheet written in Greek, in a Greek run: saved into the
// worksheet folder (never the Greek content set), listed, taken as a quiz and
// printed with every letter as typed.
class GreekWorksheet : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aGreekWorksheetSavesListsOpensAndPrintsWithItsGreekTextIntact() {
        TestWorld world;
        setProgramLanguage(u"el"_qs);
        world.writeFile(u"multiple/track.txt"_qs, " 0 \r\n");
        RecordingPrinters printers;
        services().printer = printers.factory();
        WorksheetDraft draft;
        draft.title = u"Θεοί, ήρωες"_qs;
        for (int q = 0; q < kQuestionsPerSet; ++q) {
            draft.questions[q] = u"Ποιος σμίλεψε το άγαλμα %1;"_qs.arg(q + 1);
            for (int a = 0; a < kAnswersPerQuestion; ++a)
                draft.answers[4 * q + a] = u"Γλύπτης %1%2"_qs.arg(q + 1).arg(QStringView(u"ΑΒΓΔ")[a]);
            draft.ticks[4 * q + 1] = true;
        }

        saveInWizard(form<wizard>(), draft);
        QCOMPARE(world.messages.shown.size(), 1); // saved, said once
        QCOMPARE(world.readFile(u"multiple/Θεοί& ήρωες.txt"_qs), worksheetBytes(draft));
        QCOMPARE(world.readFile(u"multiple/track.txt"_qs), (u" 1 \r\nΘεοί& ήρωες\r\n"_qs).toUtf8());
        QVERIFY(!QFileInfo::exists(world.folder() + u"/el/multiple/Θεοί& ήρωες.txt"_qs));
        form<wizard>().unloadScreen();
        settle();

        worksheets &listing = form<worksheets>();
        QCOMPARE(listing.Label2[1]->caption(), draft.title);
        tap(listing.Label2[1]);
        QVERIFY(isLoaded<multiple>());
        multiple &quiz = form<multiple>();
        QCOMPARE(quiz.Label6->text(), draft.title);
        QCOMPARE(quiz.Label2->text(), draft.questions[0]);
        for (int q = 1; q <= kQuestionsPerSet; ++q) {
            QCOMPARE(Module1.Question[q], draft.questions[q - 1]);
            QCOMPARE(Module1.AnswerD[q], draft.answers[4 * q - 1]);
            QCOMPARE(Module1.CorrectAnswer[q], u"2"_qs);
        }

        world.messages.answers = {true}; // with the answer key
        tap(quiz.Label3[3]);
        QCOMPARE(printers.jobs.size(), 1);
        QVERIFY(printers.jobs[0]->ended);
        const QString printed = [&] {
            QStringList texts;
            for (const PrintedText &text : printers.jobs[0]->texts)
                texts << text.text;
            return texts.join(u'\n');
        }();
        QVERIFY2(printed.contains(draft.title), qPrintable(printed));
        for (const QString &text : draft.questions)
            QVERIFY2(printed.contains(text), qPrintable(text));
        for (const QString &text : draft.answers)
            QVERIFY2(printed.contains(text), qPrintable(text));
        QVERIFY(printed.contains(QRegularExpression(u"10\\. \\S+  Γλύπτης 10Β"_qs))); // the answer key's last line
    }
};

QTEST_MAIN(GreekWorksheet)
#include "greek_worksheet_test.moc"
