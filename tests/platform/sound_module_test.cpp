#include "platform/sound.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ModuleFile = QStringLiteral(HELLAS_SOUND_MODULE);
const QString BuiltModule = QStringLiteral(HELLAS_SOUND_MODULE_DIR "/" HELLAS_SOUND_MODULE);
const Sound AllSounds[] = {Sound::Click, Sound::Chime, Sound::Fanfare, Sound::Tone, Sound::Page};

} // namespace

class SoundModule : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theModuleIsLookedForBesideTheProgramElseInItsInstalledFolder_data() {
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << true << false << QStringLiteral("bin");
        QTest::newRow("installed") << false << true << QStringLiteral("lib/lives-of-hellas");
        QTest::newRow("both") << true << true << QStringLiteral("bin");
        QTest::newRow("neither") << false << false << QStringLiteral("lib/lives-of-hellas");
    }
    void theModuleIsLookedForBesideTheProgramElseInItsInstalledFolder() {
        QFETCH(bool, besideProgram);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("lib/lives-of-hellas")));
        if (besideProgram) QVERIFY(QFile::copy(BuiltModule, prefix.filePath(QStringLiteral("bin/") + ModuleFile)));
        if (installed)
            QVERIFY(QFile::copy(BuiltModule, prefix.filePath(QStringLiteral("lib/lives-of-hellas/") + ModuleFile)));
        QCOMPARE(soundModuleFolder(prefix.filePath(QStringLiteral("bin")), QStringLiteral("../lib/lives-of-hellas")),
                 prefix.filePath(expected));
    }

    void aPlayerWithoutAUsableModulePlaysNothingAndReturns_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("moduleBytes");
        QTest::newRow("no such folder") << QStringLiteral("missing") << QByteArray();
        QTest::newRow("no module in the folder") << QString() << QByteArray();
        QTest::newRow("a module that is not a library") << QString() << QByteArray("\x7f" "ELF broken");
    }
    void aPlayerWithoutAUsableModulePlaysNothingAndReturns() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, moduleBytes);
        TestWorld world;
        QTemporaryDir modules;
        const QString moduleFolder = modules.filePath(folder);
        if (!moduleBytes.isEmpty()) {
            QFile module(modules.filePath(ModuleFile));
            QVERIFY(module.open(QIODevice::WriteOnly));
            module.write(moduleBytes);
        }
        EffectPlayer player(moduleFolder);
        for (const Sound sound : AllSounds) player.play(sound);
        QVERIFY(!player.ready());
        // A module that turns up later is not loaded: a failed load is not
        // tried again on every sound.
        QFile::remove(modules.filePath(ModuleFile));
        QVERIFY(QFile::copy(BuiltModule, QDir(moduleFolder).filePath(ModuleFile)) || folder == QLatin1String("missing"));
        player.play(Sound::Click);
        QVERIFY(!player.ready());
    }

    void theBuiltModuleLoadsWithoutPlaying() {
        EffectPlayer player(QStringLiteral(HELLAS_SOUND_MODULE_DIR));
        QVERIFY(player.ready());
        // Asked again, it answers from the first load.
        QVERIFY(player.ready());
    }
};

QTEST_MAIN(SoundModule)
#include "sound_module_test.moc"
