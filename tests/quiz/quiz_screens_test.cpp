#include "core/module1.h"
#include "classroom/record.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/screenmouse.h"
#include "support/testsupport.h"
#include "topic/phidias.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// A set whose right answers run 1, 2, 3, 4, 1, 2, ... from question 1.
std::array<QuestionSetEntry, 10> sampleSet() {
    std::array<QuestionSetEntry, 10> entries;
    for (int q = 0; q < 10; ++q) {
        entries[q] = {
            u"Question %1 text"_qs.arg(q + 1),
            {u"A%1"_qs.arg(q + 1), u"B%1"_qs.arg(q + 1), u"C%1"_qs.arg(q + 1), u"D%1"_qs.arg(q + 1)},
            QString::number(q % 4 + 1)};
    }
    return entries;
}
int rightOption(int question) {
    return (question - 1) % 4 + 1;
}

void click(LabelButton *button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

// The topic menu's "Multiple Choice".
void chooseMultipleChoice() {
    form<phidias>().showScreen();
    QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
}

// The quiz on the sample set written to disc.
multiple &openQuiz(TestWorld &world, const QString &title = u"Phidias the sculptor"_qs,
                   const std::array<QuestionSetEntry, 10> &entries = sampleSet()) {
    world.writeFile(u"multiple/phidias.txt"_qs, questionSetBytes(title, entries));
    chooseMultipleChoice();
    return form<multiple>();
}

// Every quiz screen closed, the topic menu in front again.
void expectBackOnTheTopicMenu() {
    settle();
    QVERIFY(!isLoaded<multiple>() && !isLoaded<Welldone>() && !isLoaded<Wrong>());
    QCOMPARE(Stage::current().frontScreen(), &form<phidias>());
}

// Answers the questions from the current one to 10: right where `right` holds
// the question, nothing chosen otherwise.
void finishQuiz(multiple &quiz, const QList<int> &right) {
    while (isLoaded<multiple>()) {
        const int q = Module1.CurrentQuestion;
        if (right.contains(q)) quiz.Option1[rightOption(q)]->click();
        QTest::mouseClick(quiz.Label3[1], Qt::LeftButton);
    }
    settle();
}

int visibleRows() {
    int rows = 0;
    for (QLabel *row : form<Wrong>().Label2)
        rows += row->isVisibleTo(&form<Wrong>()) ? 1 : 0;
    return rows;
}

} // namespace

class QuizScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theTopicMenuOpensTheQuizOnItsSetWithPictureAndHeading() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        QVERIFY(quiz.isVisible());
        QCOMPARE(Stage::current().frontScreen(), &quiz);
        QCOMPARE(quiz.Picture1->source(), u"Images\\phidiassm.jpg"_qs);
        QCOMPARE(quiz.Label5->text(), u"Lives of Hellas"_qs);
        QCOMPARE(quiz.Label6->text(), u"Phidias the sculptor"_qs);
        QCOMPARE(quiz.Label4->text(), u"Question 1"_qs);
        QCOMPARE(quiz.Label2->text(), u"Question 1 text"_qs);
        QCOMPARE(quiz.Option1[3]->text(), u"C1"_qs);
        QVERIFY(quiz.Option1[5]->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(&world.stage()));
        QVERIFY(quiz.Option1[1]->hasFocus()); // the first answer, with the question as its description
        QCOMPARE(quiz.accessibleName(), u"Question 1 of 10"_qs);
        QCOMPARE(quiz.Option1[1]->accessibleDescription(), u"Question 1 of 10: Question 1 text"_qs);
        QVERIFY(world.messages.shown.isEmpty());

        // The buttons follow the question shown.
        QVERIFY(!quiz.Label3[0]->isVisible());
        QVERIFY(!quiz.Label3[3]->isVisible());
        QCOMPARE(quiz.Label3[1]->caption(), u"Next Question >>"_qs);
        for (int i = 1; i < 10; ++i)
            click(quiz.Label3[1]);
        QCOMPARE(quiz.Label4->text(), u"Question 10"_qs);
        QCOMPARE(quiz.Label3[1]->caption(), u"Check Score >>"_qs);
        click(quiz.Label3[0]);
        QCOMPARE(Module1.CurrentQuestion, 9);
        QCOMPARE(quiz.Label3[1]->caption(), u"Next Question >>"_qs);
        QCOMPARE(quiz.Option1[4]->text(), u"D9"_qs);
    }

    void aMissingOrShortQuestionSetGivesAMessageAndNoQuiz() {
        TestWorld world(false);
        chooseMultipleChoice();
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(world.messages.shown, QStringList{u"This question set could not be read."_qs});

        QByteArray bytes = questionSetBytes(u"Short"_qs, sampleSet());
        bytes.chop(3);
        world.writeFile(u"multiple/phidias.txt"_qs, bytes);
        chooseMultipleChoice();
        QCOMPARE(world.messages.shown.size(), 2);
        expectBackOnTheTopicMenu();
        // The file was closed: it can be replaced and read at once.
        openQuiz(world, u"Phidias"_qs);
        QVERIFY(isLoaded<multiple>());
    }

    void marksAreGivenOnLeavingForwardARevisitStartsUnselectedAndExitScoresNothing() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        click(quiz.Label3[1]);
        click(quiz.Label3[1]);
        quiz.Option1[rightOption(3)]->click();
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[3], 1);
        // Going back never marks the question left.
        quiz.Option1[rightOption(4)]->click();
        click(quiz.Label3[0]);
        QCOMPARE(Module1.QuestionScore[4], 0);
        QCOMPARE(quiz.Label4->text(), u"Question 3"_qs);
        QVERIFY(quiz.Option1[5]->isChecked());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!quiz.Option1[n]->isChecked());
        QCOMPARE(Module1.QuestionScore[3], 1);
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[3], 0);

        // "Exit" in the middle scores nothing and shows nothing else.
        click(quiz.Label3[2]);
        expectBackOnTheTopicMenu();
        QCOMPARE(Module1.Score, 0);
    }

    void theResultsAndTheWrongAnswerRowsAfterAQuiz_data() {
        QTest::addColumn<QList<int>>("right");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("10") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                            << u"Excellent work. You have scored 10 out of 10."_qs;
        QTest::newRow("9") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << u"Good work. You have scored 9 out of 10."_qs;
        QTest::newRow("8, two and seven wrong")
            << QList<int>{1, 3, 4, 5, 6, 8, 9, 10} << u"Good work. You have scored 8 out of 10."_qs;
        QTest::newRow("7") << QList<int>{1, 2, 3, 4, 5, 6, 7} << u"You have scored 7 out of 10."_qs;
        QTest::newRow("0, ten Next clicks") << QList<int>{} << u"You have scored 0 out of 10."_qs;
    }
    void theResultsAndTheWrongAnswerRowsAfterAQuiz() {
        QFETCH(QList<int>, right);
        QFETCH(QString, sentence);
        TestWorld world(false);
        finishQuiz(openQuiz(world), right);
        QCOMPARE(Module1.Score, right.size());
        QCOMPARE(Module1.MaxScore, 10);
        Welldone &results = form<Welldone>();
        QCOMPARE(Stage::current().frontScreen(), &results);
        QCOMPARE(results.Label1->text(), sentence);
        QVERIFY(results.Label5->isVisible());
        QCOMPARE(results.Text1->isVisible(), right.size() == 10);
        Wrong &wrong = form<Wrong>();
        QVERIFY(!wrong.isVisible());
        QCOMPARE(wrong.Label6->text(), u"Phidias the sculptor"_qs);
        QCOMPARE(visibleRows(), 10 - right.size());
        int row = 0;
        for (int q = 1; q <= 10; ++q) {
            if (!right.contains(q)) QCOMPARE(wrong.Label2[row++]->text(), u" %1. Question %1 text"_qs.arg(q));
        }
        if (right.size() == 10) {
            QCOMPARE(results.Label3[0]->caption(), u"Print Certificate"_qs);
            QVERIFY(results.Label3[0]->isVisible() && results.Label2->isVisible() &&
                    !results.Label6->isVisible());
            QVERIFY(results.Label5->text().isEmpty());
            QCOMPARE(Module1.QuizHeading, u"Lives of Hellas"_qs);
            // Once the screen's timers have run: the picture, the name's focus and
            // the buttons highlighted under the pointer. (How soon they run is no
            // rule: a slow machine may have run them already.)
            moveOver(&results);
            QTRY_VERIFY(!results.Timer1->isActive() && !results.Timer2->isActive() &&
                        !results.Timer3->isActive());
            QCOMPARE(results.Picture1->source(), u"images\\homersm.jpg"_qs);
            QVERIFY(results.Text1->hasFocus());
            QVERIFY(results.Label3[0]->isOpaque());
            QVERIFY(results.Label3[1]->isOpaque());
            QTest::keyClicks(results.Text1, u"Alexandros Pericleous Papadopoulos"_qs);
            QCOMPARE(results.Text1->text(), u"Alexandros Pericleous Pap"_qs);
        } else {
            QCOMPARE(results.Label3[0]->caption(), u"Check Wrong Answers"_qs);
            QCOMPARE(results.Label5->text(),
                     u"Click the button above to check which questions you answered incorrectly."_qs);
            // "Check Wrong Answers" shows the rows; their "Exit" returns past the results.
            click(results.Label3[0]);
            QCOMPARE(Stage::current().frontScreen(), &wrong);
            QVERIFY(wrong.Label2[9 - right.size()]->isVisible());
            click(wrong.Label3[1]);
            expectBackOnTheTopicMenu();
        }
    }

    void exitOnTheResultsClosesTheWrongAnswersTooAndASecondQuizShowsOnlyItsOwnRows() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {2});
        QVERIFY(isLoaded<Wrong>());
        click(form<Welldone>().Label3[1]);
        expectBackOnTheTopicMenu();

        finishQuiz(openQuiz(world, u"Second"_qs), {1, 2, 3, 5, 6, 7, 8, 9, 10});
        QCOMPARE(Module1.Score, 9);
        QCOMPARE(visibleRows(), 1);
        QCOMPARE(form<Wrong>().Label2[0]->text(), u" 4. Question 4 text"_qs);
        QCOMPARE(form<Wrong>().Label6->text(), u"Second"_qs);
    }

    void theMatchingActivityOffersTheCertificateOnlyWithFullMarksAndNeverTheWrongAnswers() {
        for (int score : {3, 4}) {
            TestWorld world(false);
            Module1.Score = score;
            Module1.MaxScore = 4;
            Welldone &results = form<Welldone>();
            results.showScreen();
            QCOMPARE(results.Label1->text(), score == 4 ? u"Excellent work. You have scored 4 out of 4."_qs
                                                        : u"Good work. You have scored 3 out of 4."_qs);
            QCOMPARE(results.Label6->isVisible(), score < 4); // the matching hint
            QVERIFY(!results.Label5->isVisible());
            QCOMPARE(results.Label3[0]->isVisible(), score == 4);
            QCOMPARE(results.Text1->isVisible(), score == 4);
            QVERIFY(results.Label3[1]->isVisible());
        }
    }

    void everyQuizScoredLeavesOneRecordOfItsAnswersUnderTheNameGiven_data() {
        QTest::addColumn<QString>("letters"); // chosen for questions 1 to 10, "-" none
        QTest::addColumn<bool>("ask");
        QTest::addColumn<QString>("typed");
        // The right answers run A, B, C, D, A, ...
        QTest::newRow("below full marks, kept at once") << u"ABDA-BCCA-"_qs << false << QString();
        QTest::newRow("full marks, the certificate's name") << u"ABCDABCDAB"_qs << false << u"Eleni"_qs;
        QTest::newRow("full marks, no name typed") << u"ABCDABCDAB"_qs << false << QString();
        QTest::newRow("every name asked") << u"----------"_qs << true << u"Nikos"_qs;
    }
    void everyQuizScoredLeavesOneRecordOfItsAnswersUnderTheNameGiven() {
        QFETCH(QString, letters);
        QFETCH(bool, ask);
        QFETCH(QString, typed);
        TestWorld world(false);
        services().classroom.askPupilNames = ask;
        multiple &quiz = openQuiz(world);
        QuizAnswers expected;
        for (int q = 0; q < 10; ++q) {
            const int option = QStringView(u"ABCD").indexOf(letters[q]) + 1;
            if (option > 0) quiz.Option1[option]->click();
            expected.letters[q] = option > 0 ? letters[q].toLatin1() : 0;
            expected.right[q] = option == rightOption(q + 1);
            click(quiz.Label3[1]);
        }
        settle();
        Welldone &results = form<Welldone>();
        const bool named = ask || Module1.Score == 10;
        QCOMPARE(results.Text1->isVisible(), named);
        QCOMPARE(results.nameCaption->isVisible(), ask);
        // Where a name may still be typed, the record waits for the pupil to leave.
        QCOMPARE(keptRecords(world).size(), named ? 0 : 1);
        QTest::keyClicks(results.Text1, typed);
        click(results.Label3[1]);
        const QList<ResultRecord> kept = keptRecords(world);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].activity, Activity::Quiz);
        QCOMPARE(kept[0].worksheet, u"Phidias the sculptor"_qs);
        QCOMPARE(kept[0].pupil, pupilName(typed, thisAccount()));
        QCOMPARE(kept[0].score, Module1.Score);
        QCOMPARE(kept[0].outOf, 10);
        QVERIFY(kept[0].answers == expected);
        QVERIFY(qAbs(kept[0].when.secsTo(QDateTime::currentDateTime())) < 60);
    }

    void aRecordThatCannotBeWrittenLeavesTheResultsAsTheyWere() {
        TestWorld world(false);
        world.writeFile(u"results"_qs, "a file where the folder should be");
        finishQuiz(openQuiz(world), {1, 2});
        QCOMPARE(world.stage().frontScreen(), &form<Welldone>());
        QVERIFY(world.messages.shown.isEmpty());
        click(form<Welldone>().Label3[1]);
        expectBackOnTheTopicMenu();
        QVERIFY(world.messages.shown.isEmpty());
    }

    // The generated set's fields are checked by the content tests; here it opens with its picture.
    void theGeneratedTopicSetOpensWithItsPicture() {
        if (qEnvironmentVariableIsEmpty("HELLAS_TEST_CONTENT"))
            QSKIP("run through ctest for the generated content");
        TestWorld world;
        chooseMultipleChoice();
        QVERIFY(world.messages.shown.isEmpty());
        QVERIFY(!form<multiple>().Label6->text().isEmpty());
        QVERIFY(!form<multiple>().Picture1->picture().isNull());
    }
};

QTEST_MAIN(QuizScreens)
#include "quiz_screens_test.moc"
