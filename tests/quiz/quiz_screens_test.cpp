#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/labelbutton.h"
#include "shell/module1.h"
#include "shell/picturebox.h"
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

void writeSampleSet(TestWorld &world, const QString &title = u"Phidias the sculptor"_qs) {
    world.writeFile(u"multiple/phidias.txt"_qs, questionSetBytes(title, sampleSet()));
}

void click(LabelButton *button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

// The topic menu's "Multiple Choice", on the sample set written to disc.
multiple &openQuiz(TestWorld &world, const QString &title = u"Phidias the sculptor"_qs) {
    writeSampleSet(world, title);
    form<phidias>().showScreen();
    QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
    return form<multiple>();
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

QList<int> questionsUpTo(int count) {
    QList<int> list;
    for (int q = 1; q <= count; ++q)
        list << q;
    return list;
}

int visibleRows() {
    int rows = 0;
    for (QLabel *row : form<Wrong>().Label2)
        rows += row->isVisibleTo(&form<Wrong>()) ? 1 : 0;
    return rows;
}

void moveOver(QWidget *widget) {
    const QPoint at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
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
        QVERIFY(quiz.Option1[5]->hasFocus());
        QVERIFY(world.messages.shown.isEmpty());
    }

    void aMissingOrShortQuestionSetGivesAMessageAndNoQuiz() {
        TestWorld world(false);
        form<phidias>().showScreen();
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(world.messages.shown, QStringList{u"This question set could not be read."_qs});

        QByteArray bytes = questionSetBytes(u"Short"_qs, sampleSet());
        bytes.chop(3);
        world.writeFile(u"multiple/phidias.txt"_qs, bytes);
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(world.messages.shown.size(), 2);
        QCOMPARE(Stage::current().frontScreen(), &form<phidias>());
        // The file was closed: it can be replaced and read at once.
        writeSampleSet(world);
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        QVERIFY(isLoaded<multiple>());
    }

    void theButtonsFollowTheQuestionShown() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        QVERIFY(!quiz.Label3[0]->isVisible());
        QVERIFY(!quiz.Label3[3]->isVisible());
        QCOMPARE(quiz.Label3[1]->caption(), u"Next Question >>"_qs);
        for (int i = 1; i < 10; ++i)
            click(quiz.Label3[1]);
        QCOMPARE(quiz.Label4->text(), u"Question 10"_qs);
        QCOMPARE(quiz.Label3[1]->caption(), u"Check Score >>"_qs);
        QVERIFY(quiz.Label3[0]->isVisible());
        click(quiz.Label3[0]);
        QCOMPARE(Module1.CurrentQuestion, 9);
        QCOMPARE(quiz.Label3[1]->caption(), u"Next Question >>"_qs);
        QCOMPARE(quiz.Option1[4]->text(), u"D9"_qs);
    }

    void theNoAnswerOptionLiesBehindThePicture() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        const QRect picture = quiz.Picture1->geometry();
        QCOMPARE(quiz.Option1[5]->pos(), picture.topLeft() + QPoint(16, 16));
        QVERIFY(quiz.childAt(quiz.Option1[5]->geometry().center()) == quiz.Picture1);
    }

    void tenNextClicksScoreZeroAndListEveryQuestionInRowsZeroToNine() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {});
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(Module1.MaxScore, 10);
        QVERIFY(!isLoaded<multiple>());
        for (int r = 0; r < 10; ++r) {
            QVERIFY(form<Wrong>().Label2[r]->isVisibleTo(&form<Wrong>()));
            QCOMPARE(form<Wrong>().Label2[r]->text(), u" %1. Question %1 text"_qs.arg(r + 1));
        }
        QVERIFY(!form<Wrong>().isVisible());
        QCOMPARE(Stage::current().frontScreen(), &form<Welldone>());
    }

    void questionsTwoAndSevenWrongFillTheTopTwoRows() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {1, 3, 4, 5, 6, 8, 9, 10});
        QCOMPARE(Module1.Score, 8);
        QCOMPARE(form<Wrong>().Label2[0]->text(), u" 2. Question 2 text"_qs);
        QCOMPARE(form<Wrong>().Label2[1]->text(), u" 7. Question 7 text"_qs);
        QCOMPARE(visibleRows(), 2);
        QCOMPARE(form<Wrong>().Label6->text(), u"Phidias the sculptor"_qs);
    }

    void answeringThenRevisitingWithoutChoosingMarksZero() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        click(quiz.Label3[1]);
        click(quiz.Label3[1]);
        quiz.Option1[rightOption(3)]->click();
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[3], 1);
        click(quiz.Label3[0]);
        QCOMPARE(quiz.Label4->text(), u"Question 3"_qs);
        QVERIFY(quiz.Option1[5]->isChecked());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!quiz.Option1[n]->isChecked());
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[3], 0);
    }

    void goingBackNeverChangesAMark() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        quiz.Option1[rightOption(1)]->click();
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[1], 1);
        quiz.Option1[rightOption(2)]->click();
        click(quiz.Label3[0]);
        QCOMPARE(Module1.QuestionScore[1], 1);
        QCOMPARE(Module1.QuestionScore[2], 0);
    }

    void aCorrectAnswerThatIsNoDigitMarksTheQuestionWrong() {
        TestWorld world(false);
        auto entries = sampleSet();
        entries[0].correct = u"7"_qs;
        entries[1].correct = u"B"_qs;
        world.writeFile(u"multiple/phidias.txt"_qs, questionSetBytes(u"Odd"_qs, entries));
        form<phidias>().showScreen();
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        multiple &quiz = form<multiple>();
        for (int n : {1, 2, 3, 4}) {
            quiz.Option1[n]->click();
            click(quiz.Label3[1]);
            QCOMPARE(Module1.QuestionScore[1], 0);
            click(quiz.Label3[0]);
        }
        quiz.Option1[2]->click();
        click(quiz.Label3[1]);
        click(quiz.Label3[1]);
        QCOMPARE(Module1.QuestionScore[2], 0);
    }

    void fullMarksHideEveryRowAndOfferTheCertificate() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), questionsUpTo(10));
        QCOMPARE(Module1.Score, 10);
        QCOMPARE(visibleRows(), 0);
        Welldone &results = form<Welldone>();
        QCOMPARE(results.Label1->text(), u"Excellent work. You have scored 10 out of 10."_qs);
        QCOMPARE(results.Label3[0]->caption(), u"Print Certificate"_qs);
        QVERIFY(results.Label3[0]->isVisible());
        QVERIFY(results.Text1->isVisible());
        QVERIFY(results.Label2->isVisible());
        QVERIFY(!results.Label6->isVisible());
        QVERIFY(results.Label5->isVisible());
        QVERIFY(results.Label5->text().isEmpty());
        QCOMPARE(Module1.QuizHeading, u"Lives of Hellas"_qs);
    }

    void theScoreBandsOfTheQuiz_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("10") << 10 << u"Excellent work. You have scored 10 out of 10."_qs;
        QTest::newRow("9") << 9 << u"Good work. You have scored 9 out of 10."_qs;
        QTest::newRow("8") << 8 << u"Good work. You have scored 8 out of 10."_qs;
        QTest::newRow("7") << 7 << u"You have scored 7 out of 10."_qs;
        QTest::newRow("0") << 0 << u"You have scored 0 out of 10."_qs;
    }
    void theScoreBandsOfTheQuiz() {
        QFETCH(int, right);
        QFETCH(QString, sentence);
        TestWorld world(false);
        finishQuiz(openQuiz(world), questionsUpTo(right));
        Welldone &results = form<Welldone>();
        QCOMPARE(results.Label1->text(), sentence);
        QCOMPARE(visibleRows(), 10 - right);
        if (right < 10) {
            QCOMPARE(results.Label3[0]->caption(), u"Check Wrong Answers"_qs);
            QCOMPARE(results.Label5->text(),
                     u"Click the button above to check which questions you answered incorrectly."_qs);
            QVERIFY(results.Label5->isVisible());
            QVERIFY(!results.Text1->isVisible());
        }
    }

    void theResultsTimersLoadThePictureThenFocusTheNameAndHighlightTheButtons() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), questionsUpTo(10));
        Welldone &results = form<Welldone>();
        moveOver(&results);
        QVERIFY(!results.Label3[0]->isOpaque());
        QVERIFY(results.Picture1->source().isEmpty());
        QTRY_VERIFY(!results.Timer1->isActive() && !results.Timer2->isActive() &&
                    !results.Timer3->isActive());
        QCOMPARE(results.Picture1->source(), u"images\\homersm.jpg"_qs);
        QVERIFY(results.Text1->hasFocus());
        QVERIFY(results.Label3[0]->isOpaque());
        QVERIFY(results.Label3[1]->isOpaque());
    }

    void theNameBoxTakesAtMostTwentyFiveCharacters() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), questionsUpTo(10));
        QLineEdit *name = form<Welldone>().Text1;
        name->setFocus();
        QTest::keyClicks(name, u"Alexandros Pericleous Papadopoulos"_qs);
        QCOMPARE(name->text(), u"Alexandros Pericleous Pap"_qs);
        QCOMPARE(name->text().size(), 25);
    }

    void checkWrongAnswersShowsTheRowsOverTheResults() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {});
        click(form<Welldone>().Label3[0]);
        QCOMPARE(Stage::current().frontScreen(), &form<Wrong>());
        QCOMPARE(visibleRows(), 10);
        QVERIFY(form<Wrong>().Label2[9]->isVisible());
    }

    void exitInTheMiddleScoresNothingAndShowsNothingElse() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        quiz.Option1[rightOption(1)]->click();
        click(quiz.Label3[1]);
        click(quiz.Label3[2]);
        settle();
        QVERIFY(!isLoaded<multiple>());
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(Stage::current().frontScreen(), &form<phidias>());
    }

    void exitOnTheResultsClosesTheWrongAnswersToo() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {2});
        QVERIFY(isLoaded<Wrong>());
        click(form<Welldone>().Label3[1]);
        settle();
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(Stage::current().frontScreen(), &form<phidias>());
    }

    void exitOnTheWrongAnswersReturnsPastTheResults() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {2});
        click(form<Welldone>().Label3[0]);
        click(form<Wrong>().Label3[1]);
        settle();
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(Stage::current().frontScreen(), &form<phidias>());
    }

    void aSecondQuizShowsOnlyItsOwnRows() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {});
        click(form<Welldone>().Label3[1]);
        settle();
        finishQuiz(openQuiz(world, u"Second"_qs), {1, 2, 3, 5, 6, 7, 8, 9, 10});
        QCOMPARE(Module1.Score, 9);
        QCOMPARE(visibleRows(), 1);
        QCOMPARE(form<Wrong>().Label2[0]->text(), u" 4. Question 4 text"_qs);
        QCOMPARE(form<Wrong>().Label6->text(), u"Second"_qs);
    }

    void theMatchingActivityKeepsItsHintAndOffersOnlyExit() {
        TestWorld world(false);
        Module1.Score = 3;
        Module1.MaxScore = 4;
        Welldone &results = form<Welldone>();
        results.showScreen();
        QCOMPARE(results.Label1->text(), u"Good work. You have scored 3 out of 4."_qs);
        QVERIFY(results.Label6->isVisible());
        QVERIFY(!results.Label5->isVisible());
        QVERIFY(!results.Label3[0]->isVisible());
        QVERIFY(results.Label3[1]->isVisible());
        QVERIFY(!results.Text1->isVisible());
    }

    void theMatchingActivityWithFullMarksOffersTheCertificateWithoutTheHint() {
        TestWorld world(false);
        Module1.Score = 4;
        Module1.MaxScore = 4;
        Welldone &results = form<Welldone>();
        results.showScreen();
        QCOMPARE(results.Label1->text(), u"Excellent work. You have scored 4 out of 4."_qs);
        QVERIFY(results.Label3[0]->isVisible());
        QVERIFY(results.Text1->isVisible());
        QVERIFY(!results.Label5->isVisible());
        QVERIFY(!results.Label6->isVisible());
    }

    void theResultsButtonsHighlightUnderThePointerAndClearOverTheForm() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {});
        Welldone &results = form<Welldone>();
        moveOver(&results);
        QVERIFY(!results.Label3[0]->isOpaque());
        QVERIFY(!results.Label3[1]->isOpaque());
        moveOver(results.Label3[1]);
        QVERIFY(results.Label3[1]->isOpaque());
        QVERIFY(!results.Label3[0]->isOpaque());
    }
    void theQuizButtonsHighlightUnderThePointerAndClearOverTheFormButNotOverTheQuestion() {
        TestWorld world(false);
        multiple &quiz = openQuiz(world);
        click(quiz.Label3[1]);
        moveOver(&quiz);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!quiz.Label3[i]->isOpaque());
        moveOver(quiz.Label3[2]);
        QVERIFY(quiz.Label3[2]->isOpaque());
        moveOver(quiz.Label2);
        moveOver(quiz.Option1[1]);
        QVERIFY(quiz.Label3[2]->isOpaque());
        QVERIFY(!quiz.Label3[1]->isOpaque());
    }

    void theWrongAnswerRowsStandSixHundredTwipsApartAndNeverHighlight() {
        TestWorld world(false);
        finishQuiz(openQuiz(world), {});
        Wrong &wrong = form<Wrong>();
        for (int r = 0; r < 10; ++r)
            QCOMPARE(wrong.Label2[r]->geometry(), QRect(8, 112 + 40 * r, 800, 36));
        moveOver(&wrong);
        QVERIFY(wrong.Label3[1]->isOpaque());
    }

    void theGeneratedTopicSetMakesAWholeQuiz() {
        if (qEnvironmentVariableIsEmpty("HELLAS_TEST_CONTENT"))
            QSKIP("run through ctest for the generated content");
        TestWorld world;
        form<phidias>().showScreen();
        QTest::mouseClick(form<phidias>().label3[0], Qt::LeftButton);
        QVERIFY(world.messages.shown.isEmpty());
        multiple &quiz = form<multiple>();
        QVERIFY(!quiz.Label6->text().isEmpty());
        QVERIFY(!quiz.Picture1->picture().isNull());
        for (int q = 1; q <= 10; ++q) {
            QVERIFY(!Module1.Question[q].isEmpty());
            QVERIFY(!Module1.AnswerD[q].isEmpty());
            const int right = Module1.CorrectAnswer[q].toInt();
            QVERIFY(right >= 1 && right <= 4);
            quiz.Option1[right]->click();
            QTest::mouseClick(quiz.Label3[1], Qt::LeftButton);
        }
        settle();
        QCOMPARE(Module1.Score, 10);
        QCOMPARE(form<Welldone>().Label1->text(), u"Excellent work. You have scored 10 out of 10."_qs);
    }
};

QTEST_MAIN(QuizScreens)
#include "quiz_screens_test.moc"
