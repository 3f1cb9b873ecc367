#include "app/translation.h"

#include "app/log.h"
#include "core/settings.h"

#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kTranslations = QStringLiteral(":/i18n/");

QTranslator &translator() {
    static QTranslator translator;
    return translator;
}

QString &loadedLanguage() {
    static QString language;
    return language;
}

} // namespace

QStringList translatedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kTranslations).entryList({QStringLiteral("hellas_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages.append(file.sliced(7).chopped(3));
    return languages;
}

bool loadTranslation(const QString &language) {
    if (language == SourceLanguage) return false;
    if (loadedLanguage() == language) return true;
    if (!translator().load(kTranslations + QStringLiteral("hellas_") + language + QStringLiteral(".qm"))) {
        qCWarning(lcApp) << "The translation into" << language << "could not be loaded";
        return false;
    }
    loadedLanguage() = language;
    return true;
}

void installTranslation() {
    if (!loadedLanguage().isEmpty()) QCoreApplication::installTranslator(&translator());
}

LanguageChoice settleProgramLanguage(const QString &option) {
    const QString setting = launchSetting(QStringLiteral("language"));
    LanguageChoice choice =
        chooseLanguage(option, setting, QLocale::system().uiLanguages(), translatedLanguages());
    // The notes are in English, the language the run then speaks. A wish the
    // user wrote down is worth a warning; the desktop's language is not.
    if (!choice.note.isEmpty() && option.trimmed().isEmpty() && setting.trimmed().isEmpty())
        qCInfo(lcApp).noquote() << choice.note;
    else if (!choice.note.isEmpty())
        qCWarning(lcApp).noquote() << choice.note;
    if (choice.language != SourceLanguage && !loadTranslation(choice.language))
        choice.language = SourceLanguage;
    setProgramLanguage(choice.language);
    // Qt's own formats and names (dates, the file chooser's file types)
    // follow the run's language where it is not the desktop's.
    if (choice.language != SourceLanguage && languageOfCode(QLocale::system().name()) != choice.language)
        QLocale::setDefault(QLocale(choice.language));
    return choice;
}

TranslationScope::TranslationScope() {
    if (loadedLanguage().isEmpty() || QCoreApplication::instance()) return;
    name_ = QByteArrayLiteral("lives-of-hellas");
    argv_[0] = name_.data();
    application_ = std::make_unique<QCoreApplication>(argc_, argv_);
    installTranslation();
}

TranslationScope::~TranslationScope() = default;
