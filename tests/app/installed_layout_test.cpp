#include "stage/labelbutton.h"
#include "support/fakemachine.h"
#include "support/screentour.h"
#include "support/testsupport.h"
#include "worksheets/draft.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QDirIterator>
#include <QTest>
#include <map>

namespace {

// Every file below a folder with its bytes.
std::map<QString, QByteArray> snapshot(const QString &folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[QDir(folder).relativeFilePath(file.fileName())] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
    }
    return files;
}

// The generated content laid out as a package installs it: everything but the catalogue.
void installContent(const QString &to) {
    const QString from = QString::fromLocal8Bit(qgetenv("HELLAS_TEST_CONTENT"));
    for (const auto &[relative, bytes] : snapshot(from)) {
        if (relative != u"multiple/track.txt"_qs) writeFile(to + u'/' + relative, bytes);
    }
}

// Types a sample worksheet of that title into the wizard and saves it.
void saveInWizard(const QString &title) {
    saveInWizard(form<wizard>(), sampleDraft(title));
}

} // namespace

class InstalledLayout : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aWorksheetIsSavedInTheWorksheetFolderAndListedWhileTheContentStaysUntouched() {
        TestWorld world(false);
        FakeMachine machine;
        const QString installed = machine.path(u"prefix/share/lives-of-hellas"_qs);
        installContent(installed);
        const auto contentBefore = snapshot(installed);
        QVERIFY(contentBefore.count(u"multiple/phidias.txt"_qs) == 1);
        const FolderChoice choice = machine.choose();
        const QString worksheetFolder = machine.path(u"data-home/lives-of-hellas/multiple"_qs);
        QCOMPARE(choice.folders.worksheetFolder(), worksheetFolder);
        QVERIFY(!QFileInfo::exists(worksheetFolder));
        setProgramFolders(choice.folders);

        saveInWizard(u"Parthenon"_qs);
        QCOMPARE(world.messages.shown, QStringList{u"Your worksheet has been saved."_qs});
        const auto saved = snapshot(worksheetFolder);
        QCOMPARE(saved.size(), size_t(2));
        QVERIFY(saved.at(u"track.txt"_qs).contains("Parthenon"));
        QVERIFY(saved.at(u"Parthenon.txt"_qs).startsWith("Parthenon"));
        worksheets &catalogue = form<worksheets>();
        catalogue.showScreen();
        QCOMPARE(catalogue.Label2[1]->caption(), u"Parthenon"_qs);
        QVERIFY(catalogue.Label2[1]->isVisibleTo(&catalogue));
        QVERIFY(snapshot(installed) == contentBefore);
    }

    // The school's folder, named in the settings but not there yet, is made
    // by the first save and not before; removed while the program runs, it
    // is made again by the next save, with a catalogue of that title alone.
    void aNamedFolderIsMadeByTheFirstSaveAndAgainByTheNextOnceRemoved() {
        TestWorld world(false);
        FakeMachine machine;
        installContent(machine.path(u"prefix/share/lives-of-hellas"_qs));
        const QString school = machine.path(u"school/worksheets"_qs);
        machine.setWorksheets(u"system"_qs, school);
        // How the folder is chosen is checked with the folder rules; here the saves make it.
        setProgramFolders(machine.choose().folders);
        QVERIFY(!QFileInfo::exists(machine.path(u"school"_qs)));

        saveInWizard(u"Parthenon"_qs);
        QCOMPARE(world.messages.shown, QStringList{u"Your worksheet has been saved."_qs});
        QCOMPARE(snapshot(school).size(), size_t(2));

        QVERIFY(QDir(machine.path(u"school"_qs)).removeRecursively());
        saveInWizard(u"Olympia"_qs);
        QCOMPARE(world.messages.shown.size(), 2);
        QCOMPARE(world.messages.shown.last(), u"Your worksheet has been saved."_qs);
        const auto saved = snapshot(school);
        QCOMPARE(saved.size(), size_t(2));
        QVERIFY(saved.at(u"Olympia.txt"_qs).startsWith("Olympia"));
        QVERIFY(saved.at(u"track.txt"_qs).contains("Olympia"));
        QVERIFY(!saved.at(u"track.txt"_qs).contains("Parthenon"));
    }

    void aWorksheetFolderThatCannotBeUsedMakesTheSaveFailWithTheWizardsMessage() {
        TestWorld world;
        const FolderChoice choice =
            chooseFolders(world.folder(), world.folder(), u"../share"_qs, u"/proc/self/worksheets"_qs);
        QVERIFY(!choice.problem.isEmpty());
        setProgramFolders(choice.folders);
        saveInWizard(u"Parthenon"_qs);
        QCOMPARE(world.messages.shown, QStringList{u"There was a problem saving your worksheet"_qs});
        QVERIFY(!QFileInfo::exists(world.folder() + u"/multiple/Parthenon.txt"_qs));
    }
};

QTEST_MAIN(InstalledLayout)
#include "installed_layout_test.moc"
