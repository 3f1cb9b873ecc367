#pragma once
// The language of a run: chosen once as the program starts and read by every
// layer that shows or finds text (the translation, the content set, the
// caption font).

#include <QString>
#include <QStringList>

// The language the program is written in, and the one it falls back to.
inline const QString SourceLanguage = QStringLiteral("en");

struct LanguageChoice {
    QString language; // "en" or a language of `available`
    QString note;     // for the log: why a wish could not be followed, else empty
};

// The command line's language over the settings files' (the user's over the
// system's, as launchSetting reads them) over the desktop's languages in
// their order of preference (QLocale::system().uiLanguages(), which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG). The first of the command line and
// the setting that is given decides; of the desktop's list, the first that
// the program speaks. A code is taken as its language alone ("el_GR.UTF-8",
// "el-GR" and "EL" are "el"); "C" and "POSIX" are English. A language the
// program has no translation for gives English and a note.
LanguageChoice chooseLanguage(const QString &option, const QString &setting, const QStringList &desktop,
                              const QStringList &available);

// The language part of a locale or language code, lower case: "el_GR.UTF-8" is "el".
QString languageOfCode(const QString &code);

// The language of this run, "en" until set.
void setProgramLanguage(const QString &language);
QString programLanguage();
