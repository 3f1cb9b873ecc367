#include "core/module1.h"
#include "jigsaw/jigsaw.h"
#include "matching/phidiaslab.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "quiz/certificate.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "stage/dragcontrols.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/accessibleevents.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "topic/guide.h"
#include "topic/phidias.h"
#include "topic/teacher.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <map>

namespace {

const QString kLeaveQuestion = QStringLiteral("Do you want to leave Lives of Hellas?");

QWidget *focus() {
    return QApplication::focusWidget();
}

void press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focus(), key);
}
void press(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys)
        press(key);
}

// A world whose window is active, so that keys reach the focused control.
#define ACTIVE_WORLD(...)                                                                                  \
    TestWorld world{__VA_ARGS__};                                                                          \
    QVERIFY(QTest::qWaitForWindowActive(&world.stage()))

// Tabs round the screen until the control has the focus.
bool tabTo(QWidget *control) {
    for (int i = 0; i < 40 && focus() != control; ++i)
        press(Qt::Key_Tab);
    return focus() == control;
}

QLabel *announcer(QWidget *screen) {
    return screen->findChild<QLabel *>(QStringLiteral("Announcer"));
}

QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

jigsaw &openJigsaw(TestWorld &world, int m) {
    Module1.JigsawPicture = 0;
    world.random.values = {0.15, (m - 2 + 0.5) / 11.0};
    form<phidias>().showScreen();
    form<jigsaw>().showScreen();
    return form<jigsaw>();
}

// Carries piece `piece` by keyboard from where it lies to its own cell.
void carryHome(jigsaw &screen, int piece) {
    QVERIFY(tabTo(screen.Frame1[piece]));
    press(Qt::Key_Return);
    const int from = screen.board().placeOf(piece);
    const int row = from >= JigsawBoard::FirstTraySlot ? from - JigsawBoard::FirstTraySlot : from / 4;
    const int column = from >= JigsawBoard::FirstTraySlot ? -1 : from % 4;
    const int across = piece % 4 - column, down = piece / 4 - row;
    press(across < 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(across));
    press(down < 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(down));
    QCOMPARE(focus(), screen.Frame1[piece]);
    press(Qt::Key_Space);
    QCOMPARE(screen.board().position(piece), JigsawBoard::home(piece));
}

QString captionOf(QWidget *control) {
    if (auto *button = qobject_cast<LabelButton *>(control)) return button->caption();
    if (auto *button = qobject_cast<QAbstractButton *>(control)) return button->text();
    return control->objectName();
}

// What a stray key could change: the screen in front, the end of the run,
// every tick and choice, the sound setting, and the questions and messages.
QStringList strayKeyState(TestWorld &world) {
    QStringList state{QString::fromLatin1(world.stage().frontScreen()->metaObject()->className()),
                      QString::number(world.stage().hasEnded()), QString::number(Module1.SoundOn),
                      world.messages.asked.join(u'|'), world.messages.shown.join(u'|')};
    for (const QAbstractButton *button : world.stage().findChildren<QAbstractButton *>())
        state << button->objectName() + QString::number(button->isChecked());
    return state;
}

// Relative luminance and contrast ratio as the Web Content Accessibility
// Guidelines define them.
double luminance(QColor c) {
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Functions that load each screen type, in order.
template <class... Screens> QList<std::function<Screen &()>> openersOf() {
    return {[]() -> Screen & { return form<Screens>(); }...};
}

} // namespace

class KeyboardScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theJigsawIsPlayedToTwelveOutOfTwelveWithKeysAloneAndSaysWhereEachPieceIs() {
        AccessibleEvents events;
        ACTIVE_WORLD(false);
        jigsaw &screen = openJigsaw(world, 12);
        // The first piece in board order has the focus, without a frame, and
        // Enter or Space right after opening changes nothing.
        QCOMPARE(focus(), screen.Frame1[11]);
        QVERIFY(!screen.keyboardCuesShown());
        const auto positions = [&screen] {
            QList<QPoint> all;
            for (int i = 0; i < 12; ++i) all << screen.board().position(i);
            return all;
        };
        const QList<QPoint> before = positions();
        press({Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape});
        QCOMPARE(positions(), before);
        QVERIFY(events.namesOf(announcer(&screen)).isEmpty());

        QAccessibleInterface *piece = accessible(screen.Frame1[4]);
        QCOMPARE(piece->role(), QAccessible::Graphic);
        QCOMPARE(piece->text(QAccessible::Name), u"Piece 5 of 12, in row 2, column 4"_qs);
        QVERIFY(piece->state().focusable);
        QCOMPARE(piece->childCount(), 0);
        QVERIFY(piece->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

        // Escape puts a carried piece back where it was picked up.
        press(Qt::Key_Tab);
        QVERIFY(screen.keyboardCuesShown());
        QCOMPARE(focus(), screen.Frame1[10]);
        press({Qt::Key_Return, Qt::Key_Right, Qt::Key_Down});
        QCOMPARE(screen.board().position(10), JigsawBoard::home(6));
        QCOMPARE(screen.Frame1[10]->accessibleName(), u"Piece 11 of 12, in row 2, column 3"_qs);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), screen.Frame1[10]);
        press(Qt::Key_Escape);
        QCOMPARE(screen.board().position(10), before[10]);
        QCOMPARE(screen.Frame1[10]->accessibleName(), u"Piece 11 of 12, in row 1, column 2"_qs);
        QCOMPARE(
            events.namesOf(announcer(&screen)),
            QStringList({u"Picked up piece 11 of 12, in row 1, column 2"_qs,
                         u"Piece 11 of 12, in row 1, column 3"_qs, u"Piece 11 of 12, in row 2, column 3"_qs,
                         u"Piece 11 of 12, in row 1, column 2, put back"_qs}));

        for (int i = 0; i < 12; ++i)
            carryHome(screen, i);
        QVERIFY(
            events.namesOf(announcer(&screen))
                .contains(u"Piece 1 of 12 put down in row 1, column 1. Piece 12 of 12 moved to the tray"_qs));
        QCOMPARE(screen.Frame1[0]->accessibleName(), u"Piece 1 of 12, in row 1, column 1"_qs);
        QVERIFY(tabTo(screen.Label3[2]));
        press(Qt::Key_Return);
        QCOMPARE(screen.Label7->text(), u" 12 out of 12 scored "_qs);
        QCOMPARE(Module1.Score, 12);
        QCOMPARE(events.namesOf(announcer(&screen)).last(), u"12 out of 12 scored"_qs);
    }

    void theMatchingIsPlayedToFourOutOfFourWithKeysAlone() {
        AccessibleEvents events;
        ACTIVE_WORLD(false);
        form<phidias>().showScreen();
        form<phidiaslab>().showScreen();
        phidiaslab &screen = form<phidiaslab>();
        QCOMPARE(focus(), screen.Label2[2]);
        press(Qt::Key_Return);
        QCOMPARE(screen.Label2[2]->pos(), screen.Label4[2]->pos());
        QVERIFY(events.namesOf(announcer(&screen)).isEmpty());

        QAccessibleInterface *name = accessible(screen.Label2[2]);
        QCOMPARE(name->role(), QAccessible::Button);
        QVERIFY(name->text(QAccessible::Description).contains(u"arrow keys to move"_qs));
        QCOMPARE(name->text(QAccessible::Name), u"Vincent Van Gogh, not placed"_qs);
        QCOMPARE(accessible(screen.Label1[2])->text(QAccessible::Name), u"Box under Sunflowers, empty"_qs);

        // Own place first, then the boxes left to right: Pearl, Haywain, Mona Lisa, Sunflowers.
        const int steps[4] = {1, 3, 4, 2};
        press(Qt::Key_Down);
        for (int i : {2, 0, 3, 1}) {
            QVERIFY(tabTo(screen.Label2[i]));
            press(Qt::Key_Space);
            press(Qt::Key_Right, steps[i]);
            if (i == 2) {
                press(Qt::Key_Escape);
                QCOMPARE(screen.Label2[2]->pos(), screen.Label4[2]->pos());
                press(Qt::Key_Space);
                press(Qt::Key_Right, steps[i]);
            }
            press(Qt::Key_Return);
            QCOMPARE(screen.Label2[i]->pos(), screen.Label1[i]->pos());
        }
        QCOMPARE(screen.Label2[2]->accessibleName(), u"Vincent Van Gogh, under Sunflowers"_qs);
        QCOMPARE(screen.Label1[2]->accessibleName(), u"Box under Sunflowers, holding Vincent Van Gogh"_qs);
        QVERIFY(events.namesOf(screen.Label2[2]).contains(u"Vincent Van Gogh, under Sunflowers"_qs));
        QVERIFY(
            events.namesOf(announcer(&screen)).contains(u"Vincent Van Gogh put down, under Sunflowers"_qs));
        QVERIFY(tabTo(screen.Label3[2]));
        press(Qt::Key_Return);
        QCOMPARE(world.stage().frontScreen(), &form<Welldone>());
        QCOMPARE(Module1.Score, 4);
        QVERIFY(events.namesOf(form<Welldone>().Label1)
                    .contains(u"Excellent work. You have scored 4 out of 4."_qs));
    }

    void theGuidePagedToFiveAndBackWithEnterNeverPrints() {
        ACTIVE_WORLD();
        RecordingPrinters printers;
        services().printer = printers.factory();
        form<intro0>().showScreen();
        // The arrow keys choose the sound setting, and bring the focus frame.
        QCOMPARE(focus(), form<intro0>().Option1);
        press(Qt::Key_Down);
        QCOMPARE(focus(), form<intro0>().Option2);
        QVERIFY(form<intro0>().keyboardCuesShown());
        press(Qt::Key_Up);
        QVERIFY(form<intro0>().Option1->isChecked());
        QCOMPARE(Module1.SoundOn, 1);
        press(Qt::Key_Down);
        QVERIFY(form<intro0>().Option2->isChecked());
        QCOMPARE(Module1.SoundOn, 0);
        QVERIFY(tabTo(form<intro0>().Label2[20]));
        press(Qt::Key_Return);
        guide &viewer = form<guide>();
        QCOMPARE(world.stage().frontScreen(), &viewer);
        QCOMPARE(focus(), viewer.Label3[2]);
        press(Qt::Key_Down);
        for (int page = 2; page <= 5; ++page) {
            press(Qt::Key_Return);
            QCOMPARE(Module1.PageNumber, page);
        }
        QCOMPARE(focus(), viewer.Label3[3]);
        press(Qt::Key_Return, 4);
        QCOMPARE(Module1.PageNumber, 1);
        QCOMPARE(focus(), viewer.Label3[2]);
        press(Qt::Key_Return);
        QCOMPARE(Module1.PageNumber, 2);
        QVERIFY(printers.jobs.empty());
        QVERIFY(world.messages.shown.isEmpty());
    }

    void afterTheCertificateSpaceTypesIntoTheNameBoxAndPrintsNothing() {
        ACTIVE_WORLD(false);
        RecordingPrinters printers;
        services().printer = printers.factory();
        Module1.Score = 10;
        Module1.MaxScore = 10;
        Welldone &results = form<Welldone>();
        results.Label6->hide();
        results.Label5->show();
        results.Label3[0]->show();
        results.showScreen();
        QTRY_COMPARE(focus(), results.Text1);
        QTest::keyClicks(results.Text1, u"Nikos"_qs);
        press(Qt::Key_Backtab);
        QCOMPARE(focus(), results.Label3[0]);
        press(Qt::Key_Return);
        QCOMPARE(printers.jobs.size(), 1);
        QCOMPARE(world.messages.shown, QStringList({kCertificatePrinting}));
        QCOMPARE(focus(), results.Text1);
        press(Qt::Key_Space);
        QCOMPARE(results.Text1->text(), u"Nikos "_qs);
        QCOMPARE(printers.jobs.size(), 1);
        // A click on the button leaves the focus in the name box too.
        QTest::mouseClick(results.Label3[0], Qt::LeftButton);
        QCOMPARE(printers.jobs.size(), 2);
        QTest::keyClicks(focus(), u" P"_qs);
        QCOMPARE(results.Text1->text(), u"Nikos  P"_qs);
        QCOMPARE(printers.jobs.size(), 2);
    }

    void aCloseRequestAsksFirstAndCancelKeepsTheScreen() {
        ACTIVE_WORLD(false);
        form<intro0>().showScreen();
        phidias &topic = form<phidias>();
        topic.showScreen();
        QVERIFY(!world.stage().close());
        QCOMPARE(world.messages.asked, QStringList({kLeaveQuestion}));
        QCOMPARE(world.stage().frontScreen(), &topic);
        QVERIFY(!world.stage().hasEnded());

        Module1.SetTitle = u"Set"_qs;
        form<multiple>().showScreen();
        QVERIFY(!world.stage().close());
        QCOMPARE(world.messages.asked.size(), 2);
        QCOMPARE(world.stage().frontScreen(), &form<multiple>());
        form<multiple>().unloadScreen();
        topic.unloadScreen();
        settle();

        // With the main menu in front the title screen asks, as "Exit" does.
        QVERIFY(!world.stage().close());
        QCOMPARE(world.messages.asked.size(), 2);
        QCOMPARE(world.stage().frontScreen(), &form<Titlefrm>());
        QCOMPARE(focus(), form<Titlefrm>().Command1);
        QCOMPARE(form<Titlefrm>().Command1->text(), u"Cancel"_qs);
        press({Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space});
        settle();
        QCOMPARE(world.stage().frontScreen(), &form<intro0>());
        QVERIFY(!world.stage().hasEnded());

        // OK ends the run.
        form<phidias>().showScreen();
        world.messages.answers = {true};
        world.stage().close();
        QVERIFY(world.stage().hasEnded());
        QVERIFY(!world.stage().isVisible());
    }

    // Every screen opens with the focus on a control that neither exits,
    // prints nor deletes, and with no focus frame until a key moves about:
    // until then Space and Enter press nothing, standard controls included.
    // Tab follows the reading order, in rows from the top, left to right.
    void everyScreenOpensOnAHarmlessNamedControlWithoutAFocusFrameAndCoversTheOthersForReaders() {
        ACTIVE_WORLD(false);
        Module1.Score = 10;
        Module1.MaxScore = 10;
        const QList<std::function<Screen &()>> openers =
            openersOf<Titlefrm, intro0, phidias, teacher, guide, multiple, Welldone, Wrong, wizard,
                      worksheets, jigsaw, phidiaslab>();
        const std::map<QString, QStringList> tabOrders = {
            {u"intro0"_qs,
             {u"Sound On"_qs, u"Teachers' Guide"_qs, u"Phidias"_qs, u"Multiple Choice Wizard"_qs,
              u"Worksheet Catalogue"_qs, u"Acknowledgments"_qs, QString::fromLatin1(kPublisherAddress),
              u"Exit"_qs}},
            {u"phidias"_qs,
             {u"Key Facts"_qs, u"Teacher's Notes"_qs, u"Multiple Choice"_qs, u"Famous Paintings"_qs,
              u"Jigsaw"_qs, u"Exit"_qs}},
        };
        const QStringList harmful = {u"Exit"_qs, u"Print"_qs, u"Print Certificate"_qs, u"Print Worksheet"_qs,
                                     u"Delete Worksheet"_qs};
        for (const auto &open : openers) {
            Screen &screen = open();
            screen.showScreen();
            const QString name = QString::fromLatin1(screen.metaObject()->className());
            QWidget *control = focus();
            QVERIFY(screen.isAncestorOf(control));
            QVERIFY2(!screen.isHarmful(control), qPrintable(control->objectName()));
            QVERIFY2(!harmful.contains(captionOf(control)), qPrintable(name));
            QVERIFY(!screen.keyboardCuesShown());
            const QStringList before = strayKeyState(world);
            press({Qt::Key_Space, Qt::Key_Return});
            QCOMPARE(strayKeyState(world), before);
            QVERIFY2(!screen.keyboardCuesShown(), qPrintable(name));
            if (const auto order = tabOrders.find(name); order != tabOrders.end()) {
                QStringList walked{captionOf(focus())};
                for (qsizetype i = 1; i <= order->second.size(); ++i) {
                    press(Qt::Key_Tab);
                    walked << captionOf(focus());
                }
                QCOMPARE(walked, order->second + QStringList{order->second.first()});
            }
            // A reader finds a named place with every control it can reach
            // named, and nothing of the screens it covers.
            QVERIFY2(!accessible(&screen)->text(QAccessible::Name).isEmpty(), qPrintable(name));
            QVERIFY(!accessible(&screen)->state().invisible);
            QStringList unnamed;
            std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *iface) {
                const QAccessible::State state = iface->state();
                if (state.invisible) return;
                if (state.focusable && iface->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << iface->object()->objectName();
                for (int i = 0; i < iface->childCount(); ++i)
                    if (QAccessibleInterface *child = iface->child(i)) walk(child);
            };
            walk(accessible(&screen));
            QVERIFY2(unnamed.isEmpty(), qPrintable(name + u": "_qs + unnamed.join(u", "_qs)));
            for (QObject *other : world.stage().children()) {
                if (other != &screen && qobject_cast<Screen *>(other))
                    QVERIFY2(accessible(other)->state().invisible, qPrintable(other->objectName()));
            }
        }
        // The wizard's 91 boxes and ticks each have a name of their own.
        QSet<QString> boxNames;
        for (QWidget *box : form<wizard>().findChildren<QWidget *>())
            if (box->inherits("QLineEdit") || box->inherits("QCheckBox")) boxNames << box->accessibleName();
        QCOMPARE(boxNames.size(), 91);
        QVERIFY(boxNames.contains(u"Question 10: D is the correct answer"_qs));
        // Pictures that carry meaning say what they show; the others are left out.
        QCOMPARE(accessible(form<Titlefrm>().Picture1)->text(QAccessible::Name), u"Homer"_qs);
        QCOMPARE(accessible(form<intro0>().Image2)->text(QAccessible::Name), u"Larkspur Publishing"_qs);
        QVERIFY(accessible(form<phidias>().Image1)->state().invisible);
    }

    // A focused control of every kind, a label button or a standard one, looks
    // as it does unfocused until the cues are on, and then differs from that
    // look by at least 3 : 1 over at least its perimeter's length.
    void everyKindOfControlShowsAFocusIndicatorOfThreeToOneOnlyOnceTheCuesAreOn() {
        ACTIVE_WORLD(false);
        const std::function<QWidget *()> controls[] = {
            [] { return form<phidias>().label3[4]; },
            [] { return form<Titlefrm>().Command1; },
            [] { return form<intro0>().Option1; },
            [] { return form<worksheets>().Check1; },
            [] { return form<wizard>().Text1; },
            [] { return form<jigsaw>().Frame1[0]; },
        };
        for (const auto &controlOf : controls) {
            QWidget *control = controlOf();
            Screen &screen = *Screen::of(control);
            screen.showScreen();
            screen.setFocus();
            const QImage unfocused = control->grab().toImage();
            control->setFocus();
            if (!control->inherits("QLineEdit")) // a text box shows its cursor even so
                QVERIFY2(control->grab().toImage() == unfocused, qPrintable(control->objectName()));
            screen.showKeyboardCues();
            QVERIFY(control->hasFocus());
            const QImage focused = control->grab().toImage();
            int distinct = 0;
            for (int y = 0; y < focused.height(); ++y) {
                for (int x = 0; x < focused.width(); ++x)
                    distinct += contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3;
            }
            QVERIFY2(distinct >= 2 * (focused.width() + focused.height()),
                     qPrintable(control->objectName() + QStringLiteral(": %1 pixels").arg(distinct)));
        }
    }

    // A button that goes while it has the focus hands it on to the one in its
    // place, never to "Exit" or "Print Worksheet": the jigsaw's "Answer" to
    // "New Picture"; the quiz's "<< Previous Question" at question 1 to the
    // first answer, as every question shown does.
    void aHiddenButtonHandsTheFocusOnButNeverToExitOrPrint() {
        ACTIVE_WORLD(false);
        jigsaw &screen = openJigsaw(world, 12);
        press({Qt::Key_Down, Qt::Key_Space, Qt::Key_Space});
        QVERIFY(tabTo(screen.Label3[2]));
        press(Qt::Key_Return);
        QCOMPARE(screen.Label7->text(), u" 0 out of 12 scored "_qs);
        QVERIFY(tabTo(screen.Label3[4]));
        press(Qt::Key_Return);
        QVERIFY(!screen.Label3[4]->isVisible());
        QCOMPARE(focus(), screen.Label3[3]);
        QCOMPARE(screen.board().position(0), JigsawBoard::home(0));

        multiple &quiz = form<multiple>();
        quiz.showScreen();
        QCOMPARE(focus(), quiz.Option1[1]);
        QCOMPARE(accessible(quiz.Option1[5])->text(QAccessible::Name), u"No answer chosen"_qs);
        // The arrow keys choose an answer.
        press(Qt::Key_Down);
        QVERIFY(quiz.Option1[1]->isChecked() || quiz.Option1[2]->isChecked() ||
                quiz.Option1[3]->isChecked() || quiz.Option1[4]->isChecked());
        QVERIFY(tabTo(quiz.Label3[1]));
        press(Qt::Key_Return);
        QCOMPARE(Module1.CurrentQuestion, 2);
        QVERIFY(tabTo(quiz.Label3[0]));
        press(Qt::Key_Return);
        QCOMPARE(Module1.CurrentQuestion, 1);
        QVERIFY(!quiz.Label3[0]->isVisible());
        QCOMPARE(focus(), quiz.Option1[1]);
    }

    // Label buttons are push buttons whose press action clicks them; a
    // painting carries its name.
    void labelButtonsArePushButtonsWithAPressAction() {
        TestWorld world(false);
        phidias &topic = form<phidias>();
        topic.showScreen();
        QAccessibleInterface *button = accessible(topic.label3[3]);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), u"Jigsaw"_qs);
        QVERIFY(button->state().focusable);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(isLoaded<jigsaw>());
        QCOMPARE(world.stage().frontScreen(), &form<jigsaw>());
        // A piece's press action picks it up and a second press puts it down.
        QAccessibleInterface *piece = accessible(form<jigsaw>().Frame1[3]);
        piece->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(DragControls::of(form<jigsaw>().Frame1[3])->carry().held());
        piece->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!DragControls::of(form<jigsaw>().Frame1[3])->carry().held());
        QCOMPARE(accessible(form<phidiaslab>().Image1[2])->text(QAccessible::Name), u"Sunflowers"_qs);
    }

    // A real message box leaves the focus with the control that had it, and
    // a click on a label button never took it: a key pressed after the box
    // goes where it went before.
    void aMessageBoxGivesTheFocusBack() {
        ACTIVE_WORLD(false);
        DialogMessages messages;
        services().messages = &messages;
        const auto closeTheBox = [] {
            QTimer::singleShot(50, [] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) box->reject();
            });
        };
        phidias &topic = form<phidias>();
        topic.showScreen();
        // The stage's own focus is checked: it takes it up again when it is active.
        for (QWidget *control : {topic.label3[3], topic.label3[0]}) {
            control->setFocus();
            closeTheBox();
            QVERIFY(!messages.confirm(u"Asked"_qs));
            QCOMPARE(world.stage().focusWidget(), control);
            closeTheBox();
            messages.info(u"Said"_qs);
            QCOMPARE(world.stage().focusWidget(), control);
        }
    }
};

QTEST_MAIN(KeyboardScreens)
#include "keyboard_test.moc"
