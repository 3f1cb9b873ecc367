// The translations kept in translations/: complete, true to their sources'
// placeholders and to the strings the sources mark; and the program speaks
// the language its command line, settings and desktop choose.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
    QString context;
    QString source;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    QStringList forms;
};

std::vector<Entry> readTranslation(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Entry entry{context, {}, {}, {}};
            const bool numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    entry.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    entry.type = xml.attributes().value(QStringLiteral("type")).toString();
                    if (!numerus) entry.forms.append(xml.readElementText());
                    while (numerus && xml.readNextStartElement())
                        entry.forms.append(xml.readElementText());
                } else {
                    xml.skipCurrentElement();
                }
            }
            entries.push_back(entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QStringList translationFiles() {
    const QDir folder(QStringLiteral(HELLAS_SOURCE_DIR "/translations"));
    QStringList files;
    for (const QString &name : folder.entryList({QStringLiteral("*.ts")}, QDir::Files))
        files.append(folder.filePath(name));
    return files;
}

std::string where(const QString &file, const Entry &entry) {
    const QString text =
        QFileInfo(file).fileName() + u' ' + entry.context + QStringLiteral(": ") + entry.source;
    return text.toStdString();
}

} // namespace

TEST(Translations, EveryEntryIsFinishedAndKeepsEveryPlaceholderOfItsSource) {
    const QStringList files = translationFiles();
    ASSERT_FALSE(files.isEmpty());
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    for (const QString &file : files) {
        for (const Entry &entry : readTranslation(file)) {
            EXPECT_TRUE(entry.type.isEmpty()) << entry.type.toStdString() << ": " << where(file, entry);
            EXPECT_FALSE(entry.forms.isEmpty()) << where(file, entry);
            for (const QString &form : entry.forms) {
                EXPECT_FALSE(form.isEmpty()) << where(file, entry);
                for (const QRegularExpressionMatch &match : placeholder.globalMatch(entry.source))
                    EXPECT_TRUE(form.contains(match.captured()))
                        << match.captured().toStdString() << " missing: " << where(file, entry) << " -> "
                        << form.toStdString();
            }
        }
    }
}

// lupdate run over the sources into a copy of each translation adds every
// string the translation lacks as unfinished and marks every one it holds
// that the sources no longer have as vanished.
TEST(Translations, HoldEveryStringTheSourcesMarkAndNoOther) {
    const QString lupdate = QStringLiteral(HELLAS_LUPDATE);
    if (lupdate.isEmpty() || lupdate.endsWith(u"NOTFOUND")) GTEST_SKIP() << "lupdate is not installed";
    const QTemporaryDir folder;
    for (const QString &file : translationFiles()) {
        const QString copy = folder.filePath(QFileInfo(file).fileName());
        ASSERT_TRUE(QFile::copy(file, copy));
        QProcess run;
        run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral(HELLAS_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(run.waitForFinished(120000));
        ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        for (const Entry &entry : readTranslation(copy))
            EXPECT_TRUE(entry.type.isEmpty())
                << (entry.type == u"unfinished" ? "not in the translation: " : "no longer in the sources: ")
                << where(file, entry);
    }
}

// The program's own answers on the terminal, which need no display: the
// language comes from --language, else language= in the settings, else the
// desktop's; an untranslated one gives English and a note.
TEST(Translations, TheProgramSpeaksTheLanguageItChooses) {
    struct Case {
        const char *lang;
        const char *setting; // language= in the user's settings file, or nullptr
        QStringList arguments;
        int exitCode;
        const char *output;
        const char *errors;
    };
    const QString help = QStringLiteral("--help");
    const Case cases[] = {
        {"el_GR.UTF-8", nullptr, {help}, 0, "Χρήση:", ""},
        {"el_GR.UTF-8", nullptr, {u"--language"_qs, u"en"_qs, help}, 0, "Usage:", ""},
        {"en_US.UTF-8", "el", {help}, 0, "Χρήση:", ""},
        {"el_GR.UTF-8", "en", {help}, 0, "Usage:", ""},
        {"en_US.UTF-8", "en", {u"--language=el"_qs, help}, 0, "Χρήση:", ""},
        {"de_DE.UTF-8", nullptr, {help}, 0, "Usage:", ""},
        {"en_US.UTF-8", nullptr, {u"--language"_qs, u"fr"_qs, help}, 0, "Usage:", "\"fr\""},
        {"el_GR.UTF-8", nullptr, {u"--colour"_qs}, 2, "", "Άγνωστη επιλογή «colour»"},
        {"el_GR.UTF-8",
         nullptr,
         {u"--export-results"_qs, u"x.csv"_qs, u"--since"_qs, u"May"_qs},
         2,
         "",
         "ημερομηνία"},
        {"el_GR.UTF-8", nullptr, {}, 1, "", "γραφική οθόνη"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.lang) + " " + (c.setting ? c.setting : "-") + " " +
                     c.arguments.join(u' ').toStdString());
        const QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"LANG"_qs, QString::fromLatin1(c.lang));
        environment.insert(u"HOME"_qs, home.path());
        environment.insert(u"XDG_CONFIG_HOME"_qs, home.filePath(u"config"_qs));
        environment.insert(u"XDG_CONFIG_DIRS"_qs, home.filePath(u"system"_qs));
        if (c.setting) {
            QDir().mkpath(home.filePath(u"config/lives-of-hellas"_qs));
            QFile settings(home.filePath(u"config/lives-of-hellas/lives-of-hellas.conf"_qs));
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write("[General]\nlanguage=" + QByteArray(c.setting) + "\n");
        }
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setWorkingDirectory(home.path());
        run.start(QStringLiteral(HELLAS_PROGRAM), c.arguments);
        ASSERT_TRUE(run.waitForFinished(60000));
        const QString output = QString::fromUtf8(run.readAllStandardOutput());
        const QString errors = QString::fromUtf8(run.readAllStandardError());
        EXPECT_EQ(run.exitCode(), c.exitCode) << errors.toStdString();
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.output))) << output.toStdString();
        EXPECT_TRUE(errors.contains(QString::fromUtf8(c.errors))) << errors.toStdString();
    }
}
