#pragma once
// A machine in a temporary folder for the start-up rules: a working folder, a
// program in prefix/bin, the XDG data and configuration folders (two system
// ones, "config" before "system"), each set in the environment for as long as
// the machine lives.

#include "core/paths.h"
#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

inline void writeFile(const QString &path, const QByteArray &bytes = "x") {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

class FakeMachine {
  public:
    FakeMachine() {
        for (const char *folder :
             {"work", "prefix/bin", "data-home", "data", "config-home", "config", "system"})
            QDir().mkpath(path(QString::fromLatin1(folder)));
        const std::pair<const char *, QString> variables[] = {
            {"XDG_DATA_HOME", path(u"data-home"_qs)},
            {"XDG_DATA_DIRS", path(u"data"_qs)},
            {"XDG_CONFIG_HOME", path(u"config-home"_qs)},
            {"XDG_CONFIG_DIRS", path(u"config"_qs) + u':' + path(u"system"_qs)}};
        for (const auto &[name, value] : variables) {
            saved_.append({name, qgetenv(name)});
            qputenv(name, QFile::encodeName(value));
        }
    }
    ~FakeMachine() {
        for (const auto &[name, value] : saved_)
            qputenv(name, value);
    }
    QString path(const QString &relative) const { return root_.path() + u'/' + relative; }
    // Writes the program's settings file in a configuration folder.
    void writeSettings(const QString &configFolder, const QByteArray &text) const {
        writeFile(path(configFolder) + u"/lives-of-hellas/lives-of-hellas.conf"_qs, text);
    }
    void setWorksheets(const QString &configFolder, const QString &folder) const {
        writeSettings(configFolder, "[General]\nzoom=fit\nworksheets=" + folder.toLocal8Bit() + "\n");
    }
    FolderChoice choose(const QString &option = {}) const {
        return chooseFolders(path(u"work"_qs), path(u"prefix/bin"_qs), u"../share"_qs, option);
    }

  private:
    QTemporaryDir root_;
    QList<std::pair<const char *, QByteArray>> saved_;
};
