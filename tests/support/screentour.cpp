#include "support/screentour.h"

#include "core/module1.h"
#include "jigsaw/jigsaw.h"
#include "matching/phidiaslab.h"
#include "platform/services.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "stage/labelbutton.h"
#include "support/screenmouse.h"
#include "support/testsupport.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "worksheets/draft.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QSet<QString> g_content;

void noteContent() {
    const SharedState &s = Module1;
    g_content.insert(s.SetTitle);
    for (const auto *field : {&s.Question, &s.AnswerA, &s.AnswerB, &s.AnswerC, &s.AnswerD})
        for (const QString &text : *field)
            g_content.insert(text);
    for (int i = 1; i <= static_cast<int>(s.WorksheetCount) && i <= SharedState::MaxWorksheets; ++i)
        g_content.insert(s.WorksheetTitles[i]);
    g_content.remove(QString());
}

void click(QWidget *control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    settle();
}

// Answers the quiz on view to its end: every question right, or none.
void finishQuiz(bool allRight) {
    for (int guard = 0; isLoaded<multiple>() && guard < 12; ++guard) {
        multiple &quiz = form<multiple>();
        if (allRight) quiz.Option1[Module1.CorrectAnswer[Module1.CurrentQuestion].toInt()]->click();
        click(quiz.Label3[1]);
    }
}

} // namespace

WorksheetDraft sampleDraft(const QString &title, int correct) {
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

void saveInWizard(wizard &w, const WorksheetDraft &draft) {
    w.Text1->setText(draft.title);
    for (int q = 0; q < kQuestionsPerSet; ++q)
        w.Text2[q]->setText(draft.questions[q]);
    for (int i = 0; i < kWizardAnswers; ++i) {
        w.Text3[i]->setText(draft.answers[i]);
        w.Check1[i]->setChecked(draft.ticks[i]);
    }
    tap(w.Label3[1]);
}

QString controlName(const QWidget *control) {
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

QSet<QString> tourContent() {
    return g_content;
}

void tourEveryScreen(TestWorld &world, RecordingPrinters &printers,
                     const std::function<void(const QString &)> &visit) {
    g_content.clear();
    services().printer = printers.factory();
    services().classroom.askPupilNames = true;
    world.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\n" + TourWorksheet.toUtf8() + "\r\n");
    world.writeFile(QStringLiteral("multiple/") + TourWorksheet + QStringLiteral(".txt"),
                    worksheetBytes(sampleDraft(TourWorksheet)));
    const auto see = [&visit](const QString &name) {
        settle(5);
        noteContent();
        visit(name);
    };

    form<Titlefrm>().showScreen();
    see(QStringLiteral("title screen"));
    click(form<Titlefrm>().Command1);
    intro0 *menu = &form<intro0>();
    see(QStringLiteral("main menu"));

    click(menu->Label2[20]);
    see(QStringLiteral("teachers' guide"));
    click(form<guide>().Label3[2]);
    see(QStringLiteral("teachers' guide, page 2"));
    printers.noPrinter = true;
    click(form<guide>().Label3[0]);
    printers.noPrinter = false;
    click(form<guide>().Label3[1]);

    click(menu->Label2[19]);
    see(QStringLiteral("acknowledgments"));
    click(form<teacher>().Label3[1]);

    click(menu->Label2[4]);
    see(QStringLiteral("topic menu"));
    for (const auto &[entry, name] : {std::pair{4, "key facts"}, std::pair{5, "teacher's notes"}}) {
        click(form<phidias>().label3[entry]);
        see(QString::fromLatin1(name));
        click(form<teacher>().Label3[0]);
        click(form<teacher>().Label3[1]);
    }

    click(form<phidias>().label3[0]);
    see(QStringLiteral("quiz"));
    finishQuiz(false);
    see(QStringLiteral("results"));
    click(form<Welldone>().Label3[0]);
    see(QStringLiteral("wrong answers"));
    click(form<Wrong>().Label3[1]);
    if (isLoaded<Welldone>()) click(form<Welldone>().Label3[1]);
    click(form<phidias>().label3[0]);
    finishQuiz(true);
    form<Welldone>().Text1->setText(QStringLiteral("Ariadne"));
    g_content.insert(QStringLiteral("Ariadne"));
    see(QStringLiteral("results, full marks"));
    click(form<Welldone>().Label3[0]);
    click(form<Welldone>().Label3[1]);

    click(form<phidias>().label3[3]);
    see(QStringLiteral("jigsaw"));
    click(form<jigsaw>().Label3[2]);
    see(QStringLiteral("jigsaw, scored"));
    click(form<jigsaw>().Label3[0]);
    click(form<phidias>().label3[1]);
    see(QStringLiteral("painting matching"));
    click(form<phidiaslab>().Label3[2]);
    see(QStringLiteral("painting matching, scored"));
    if (isLoaded<Welldone>()) click(form<Welldone>().Label3[1]);
    if (isLoaded<phidiaslab>()) click(form<phidiaslab>().Label3[0]);
    click(form<phidias>().label3[2]);

    menu = &form<intro0>();
    click(menu->Label2[17]);
    see(QStringLiteral("wizard"));
    click(form<wizard>().Label3[1]); // save with nothing filled in
    click(form<wizard>().Label3[2]); // import, the file chooser cancelled
    click(form<wizard>().Label3[3]); // export
    form<wizard>().closeRequested();
    form<wizard>().Text1->setText(TourWorksheet);
    world.messages.answers = {false, true};
    click(form<wizard>().Label3[0]); // leave without saving: Cancel, then OK
    click(form<wizard>().Label3[0]);

    menu = &form<intro0>();
    click(menu->Label2[18]);
    see(QStringLiteral("worksheet catalogue"));
    worksheets &catalogue = form<worksheets>();
    catalogue.Check3->setChecked(true);
    world.files.answers = {world.folder() + QStringLiteral("/results.csv")};
    click(catalogue.Label2[1]); // the worksheet's results exported
    catalogue.Check3->setChecked(false);
    catalogue.Check2->setChecked(true);
    click(catalogue.Label2[1]); // delete: the question is answered Cancel
    catalogue.Check2->setChecked(false);
    click(catalogue.Label2[1]);
    see(QStringLiteral("worksheet quiz"));
    click(form<multiple>().Label3[3]);
    click(form<multiple>().Label3[2]);

    menu = &form<intro0>();
    menu->showScreen();
    click(menu->Label2[16]);
    see(QStringLiteral("exit question"));
}
