#pragma once
// The run's translation: chosen once as the program starts, loaded once, and
// installed in every application object the run makes, so that every text
// (on screen, in Qt's own dialogs and on the terminal) is in one language.

#include "core/language.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <memory>

// The languages the program has a translation for: the hellas_<language>.qm
// files built in under ":/i18n/".
QStringList translatedLanguages();

// Chooses the run's language (see chooseLanguage) from the command line's
// --language (empty when not given), the settings' language= and the
// desktop's languages; sets it as the program language and loads its
// translation. English loads nothing. A wish that cannot be followed is noted
// in the log and the run speaks English.
LanguageChoice settleProgramLanguage(const QString &option);

// Loads the translation of `language` once; false for English and for a
// language without one.
bool loadTranslation(const QString &language);

// Installs the loaded translation in the application object that exists now;
// call it once for each application object, before it shows or prints anything.
void installTranslation();

// While it lives, QCoreApplication::translate answers in the run's language
// even before the program's application object exists: with a translation
// loaded and no application object, it makes a short-lived one holding the
// translation. It makes nothing for English.
class TranslationScope {
  public:
    TranslationScope();
    ~TranslationScope();
    TranslationScope(const TranslationScope &) = delete;
    TranslationScope &operator=(const TranslationScope &) = delete;

  private:
    int argc_ = 1;
    QByteArray name_;
    char *argv_[2] = {};
    std::unique_ptr<QCoreApplication> application_;
};

// What `make` returns, made inside a TranslationScope.
template <typename Make> auto inProgramLanguage(Make make) {
    const TranslationScope scope;
    return make();
}
