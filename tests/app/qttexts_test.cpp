// Qt's own texts in the program's dialogs read in the run's language from the
// program's own translation, and they are the texts Qt really asks for.

#include "app/qttexts.h"
#include "app/translation.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

bool isGreek(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Greek; });
}

} // namespace

class QtTextsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(loadTranslation(u"el"_qs));
        installTranslation();
    }

    void messageBoxButtonsReadGreekAndOkStaysOk() {
        QMessageBox box(QMessageBox::Question, QString(), u"?"_qs,
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), u"OK"_qs);
        for (const QMessageBox::StandardButton button :
             {QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
            QVERIFY2(isGreek(box.button(button)->text()), qPrintable(box.button(button)->text()));
    }

    // The chooser as Qt draws it where the desktop has none of its own (and
    // always offscreen): every label, button and tip in the Greek of our
    // translation, which proves each is asked for by our context and text.
    void fileChooserReadsGreek() {
        for (const QFileDialog::AcceptMode mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            QFileDialog dialog(nullptr, u"x"_qs, QDir::tempPath(), u"CSV (*.csv)"_qs);
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setAcceptMode(mode);
            dialog.show();
            std::vector<QString> shown;
            for (const QLabel *label : dialog.findChildren<QLabel *>())
                if (label->isVisible() && !label->text().isEmpty()) shown.push_back(label->text());
            for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
                if (!button->isVisible()) continue;
                shown.push_back(button->text().isEmpty() ? button->toolTip() : button->text());
            }
            dialog.close();
            QVERIFY(shown.size() >= 10);
            for (const QString &text : shown)
                QVERIFY2(isGreek(text), qPrintable(text));
        }
    }

    // Each of Qt's own texts has its Greek, and (where Qt's translations are
    // installed) Qt 6 itself asks for it: one of its own translations knows it.
    void everyQtTextIsTranslatedAndIsQtsOwn() {
        QTranslator greek;
        QVERIFY(greek.load(u":/i18n/hellas_el.qm"_qs));
        std::vector<std::unique_ptr<QTranslator>> qts;
        const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        for (const QString &file : folder.entryList({u"qtbase_*.qm"_qs})) {
            qts.push_back(std::make_unique<QTranslator>());
            if (!qts.back()->load(folder.filePath(file))) qts.pop_back();
        }
        for (const QtText &text : qtOwnTexts()) {
            const QString where = QString::fromLatin1(text.context) + u": " + QString::fromUtf8(text.source);
            QVERIFY2(!greek.translate(text.context, text.source).isEmpty(), qPrintable(where));
            if (qts.empty()) continue;
            QVERIFY2(std::any_of(
                         qts.begin(), qts.end(),
                         [&](const auto &qt) { return !qt->translate(text.context, text.source).isNull(); }),
                     qPrintable(where));
        }
        if (qts.empty()) QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
    }
};

QTEST_MAIN(QtTextsTest)
#include "qttexts_test.moc"
