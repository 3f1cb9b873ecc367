#include "app/launch.h"
#include "classroom/exportcommand.h"
#include "core/module1.h"
#include "platform/services.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "stage/screen.h"
#include "support/pseudotranslation.h"
#include "support/screentour.h"
#include "support/testsupport.h"
#include "worksheets/exchangecommand.h"
#include "worksheets/store.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

// Not the program's own words: the product's name, kept in Latin letters
// everywhere, its web address, the program's file name on the terminal, and
// what the tour brings as content (question set and worksheet texts,
// catalogue titles, the pupil's name), and the names of the worksheet
// exchange formats. File patterns and command-line options are taken out by
// pattern; numbers alone have no letters.
QSet<QString> exemptions() {
    QSet<QString> exempt = tourContent();
    exempt << QStringLiteral("Lives of Hellas") << QStringLiteral("www.larkspur.example")
           << QStringLiteral("lives-of-hellas") << QStringLiteral("gift|aiken|xml");
    return exempt;
}

QString withoutNamesOfFiles(QString text) {
    static const QRegularExpression patterns(QStringLiteral(R"(\*\.\w+|(?<![\w-])--?[A-Za-z][\w-]*)"));
    return text.remove(patterns);
}

class Checker {
  public:
    QStringList failures;
    int checked = 0; // texts looked at, empty ones aside

    void check(const QString &where, const QString &what, const QString &text) {
        if (!text.isEmpty()) ++checked;
        const QString plain = withoutNamesOfFiles(text);
        if (escapesTranslation(plain, exemptions()))
            failures.append(QStringLiteral("%1 / %2: \"%3\" (unmarked: %4)")
                                .arg(where, what, text, unmarkedPart(plain, exemptions()).simplified()));
    }

    // Every text the screen in front shows or gives a screen reader.
    void checkScreen(const QString &name) {
        Screen *screen = Stage::current().frontScreen();
        if (!screen) {
            failures.append(name + QStringLiteral(": no screen in front"));
            return;
        }
        check(name, QStringLiteral("window title"), Stage::current().windowTitle());
        QList<QWidget *> controls = screen->findChildren<QWidget *>();
        controls.prepend(screen);
        for (QWidget *control : std::as_const(controls)) {
            if (control != screen && !control->isVisibleTo(screen)) continue;
            const QString id = controlName(control);
            if (const auto *button = qobject_cast<LabelButton *>(control)) check(name, id, button->caption());
            if (const auto *label = qobject_cast<QLabel *>(control)) check(name, id, label->text());
            if (const auto *button = qobject_cast<QAbstractButton *>(control))
                check(name, id, button->text());
            if (const auto *box = qobject_cast<QLineEdit *>(control)) check(name, id, box->placeholderText());
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
            if (!reader) continue;
            check(name, id + QStringLiteral(" (accessible name)"), reader->text(QAccessible::Name));
            // A page's description is its own words, which are content.
            const auto *page = qobject_cast<PictureBox *>(control);
            if (!page || !page->source().endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
                check(name, id + QStringLiteral(" (accessible description)"),
                      reader->text(QAccessible::Description));
        }
    }
};

} // namespace

class Translation : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The checker itself: marked parts, nested or not, and exempt pieces pass;
    // a word outside the marks fails.
    void aWordOutsideTheMarksIsFoundAndMarkedOrExemptTextPasses() {
        const QSet<QString> exempt{QStringLiteral("Sparta")};
        for (const auto &[text, escapes] : {
                 std::pair{u"\u27E6Exit\u27E7"_qs, false},
                 std::pair{u" 4 / 10 "_qs, false},
                 std::pair{u"\u27E6Delete \u27E6worksheet\u27E7 Sparta?\u27E7"_qs, false},
                 std::pair{u" 3. Sparta"_qs, false},
                 std::pair{u"\u27E6Score\u27E7 4 out of 10"_qs, true},
                 std::pair{u"Exit"_qs, true},
                 std::pair{u"\u27E6Page\u27E7 2 \u03B1\u03C0\u03CC 5"_qs, true},
             })
            QCOMPARE(escapesTranslation(text, exempt), escapes);
    }

    // Every screen opened under a translation that marks every text: what is
    // shown, spoken, asked, printed or written on the terminal carries the mark.
    void nothingEscapesTranslation() {
        PseudoTranslator marks;
        QCoreApplication::installTranslator(&marks);
        Checker checker;
        {
            TestWorld world;
            RecordingPrinters printers;
            tourEveryScreen(world, printers,
                            [&checker](const QString &screen) { checker.checkScreen(screen); });
            for (const auto &[where, what, texts] :
                 {std::tuple{u"message box"_qs, u"text"_qs, world.messages.shown},
                  std::tuple{u"message box"_qs, u"question"_qs, world.messages.asked},
                  std::tuple{u"file chooser"_qs, u"title"_qs, world.files.titles},
                  std::tuple{u"file chooser"_qs, u"filters"_qs, world.files.filters}})
                for (const QString &text : texts)
                    checker.check(where, what, text);
            QVERIFY(!world.messages.shown.isEmpty() && !world.messages.asked.isEmpty());
            QVERIFY(printers.jobs.size() >= 2);
            for (const auto &job : std::as_const(printers.jobs))
                for (const PrintedText &printed : std::as_const(job->texts))
                    checker.check(QStringLiteral("printed page %1").arg(printed.page), QStringLiteral("text"),
                                  printed.text);
        }
        for (const QStringList &arguments : {QStringList{u"lives-of-hellas"_qs, u"--help"_qs},
                                             QStringList{u"lives-of-hellas"_qs, u"--bogus"_qs},
                                             QStringList{u"lives-of-hellas"_qs, u"--export-results"_qs},
                                             QStringList{u"lives-of-hellas"_qs, u"x"_qs}}) {
            // Whole, as the help wraps a translated sentence over lines.
            const LaunchOptions answer = parseLaunchArguments(arguments);
            checker.check(QStringLiteral("terminal"), arguments.last(), answer.output + answer.errors);
        }
        {
            // The commands that end without a window, each answering a mistake or a result.
            TestWorld world(false);
            const WorksheetStore store;
            const QString folder = world.folder();
            const CommandAnswer results =
                exportResultsCommand({folder + u"/out.csv"_qs, folder + u"/none"_qs, {}, u"yesterday"_qs});
            const CommandAnswer written = exportResultsCommand({folder + u"/out.csv"_qs, folder, {}, {}});
            const ExchangeAnswer imported = importWorksheetsCommand(folder + u"/none.txt"_qs, store, Module1);
            const ExchangeAnswer exported =
                exportWorksheetCommand(TourWorksheet, u"gift"_qs, folder + u"/out.txt"_qs, store);
            for (QString text :
                 QStringList{results.output + results.errors, written.output + written.errors,
                             imported.output + imported.errors, exported.output + exported.errors})
                checker.check(QStringLiteral("terminal"), QStringLiteral("command"), text.remove(folder));
        }
        QCoreApplication::removeTranslator(&marks);
        QVERIFY2(checker.checked > 300, "the tour showed too few texts to tell anything");
        for (const QString &failure : std::as_const(checker.failures))
            qInfo().noquote() << failure;
        QVERIFY2(checker.failures.isEmpty(),
                 qPrintable(QStringLiteral("%1 failures, listed above").arg(checker.failures.size())));
    }
};

QTEST_MAIN(Translation)
#include "translation_test.moc"
