#pragma once
// File choosers: the file to read or the place to write, as the user picks them.

#include <QString>

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // `filters` as the desktop's dialogs take them, several joined by ";;":
    // "Spreadsheets (*.csv);;All files (*)". Both give an empty path when the
    // user cancels.
    virtual QString openFile(const QString &title, const QString &filters) = 0;
    // Starts from the suggested name in the user's home folder.
    virtual QString saveFile(const QString &title, const QString &suggestedName, const QString &filters) = 0;
};

class DialogFileChooser final : public FileChooser {
  public:
    QString openFile(const QString &title, const QString &filters) override;
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filters) override;
};
