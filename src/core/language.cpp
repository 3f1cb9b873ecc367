#include "core/language.h"

#include <QRegularExpression>

namespace {

QString &currentLanguage() {
    static QString language = SourceLanguage;
    return language;
}

bool speaks(const QString &language, const QStringList &available) {
    return language == SourceLanguage || available.contains(language);
}

} // namespace

QString languageOfCode(const QString &code) {
    QString language = code.trimmed().toLower();
    const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[_\\-.@]")));
    if (end >= 0) language.truncate(end);
    if (language == u"c" || language == u"posix") return SourceLanguage;
    return language;
}

LanguageChoice chooseLanguage(const QString &option, const QString &setting, const QStringList &desktop,
                              const QStringList &available) {
    for (const QString &wish : {option, setting}) {
        if (wish.trimmed().isEmpty()) continue;
        const QString language = languageOfCode(wish);
        if (speaks(language, available)) return {language, {}};
        return {SourceLanguage, QStringLiteral("There is no translation into \"%1\"; the program speaks English.")
                                    .arg(wish.trimmed())};
    }
    for (const QString &code : desktop) {
        const QString language = languageOfCode(code);
        if (speaks(language, available)) return {language, {}};
    }
    if (!desktop.isEmpty())
        return {SourceLanguage, QStringLiteral("There is no translation into the desktop's language \"%1\"; the "
                                               "program speaks English.")
                                    .arg(desktop.first())};
    return {SourceLanguage, {}};
}

void setProgramLanguage(const QString &language) { currentLanguage() = language; }

QString programLanguage() { return currentLanguage(); }
