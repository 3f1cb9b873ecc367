#pragma once
// Where the program's files live: the read-only content and the teacher's
// worksheet folder, and the one function that turns a program path into a file path.

#include <QString>

// The names the program gives its own files, as it has always written them:
// the worksheet folder, its catalogue, and the topic's question set, which
// lies in that folder but is content.
namespace programfile {
inline const QString WorksheetFolder = QStringLiteral("multiple");
inline const QString Catalogue = QStringLiteral("track.txt");
inline const QString TopicQuestionSet = QStringLiteral("phidias.txt");
// A file of the worksheet folder as a program path: "multiple\track.txt".
inline QString inWorksheetFolder(const QString &name) { return WorksheetFolder + u'\\' + name; }
} // namespace programfile

// The two folders a program path can belong to. "multiple\phidias.txt" and
// everything outside "multiple" is content; every other path in "multiple"
// (the worksheets and their catalogue "track.txt") is in the worksheet folder.
class ProgramFolders {
  public:
    // Content in a folder and the worksheets in its "multiple", as the program
    // has always kept them; an empty folder is the working folder.
    static ProgramFolders inOneFolder(const QString &folder = {});
    ProgramFolders(QString contentFolder, QString worksheetFolder);

    QString contentFolder() const { return content_; }
    QString worksheetFolder() const { return worksheets_; }

    // A program path uses "\" or "/" as separator; both name the same folder.
    // In a run in another language than English, a content file that the
    // language's content set holds (see languageContentFolder) is that
    // file; every other content path is the English file. The worksheet
    // folder's paths are never translated.
    QString filePath(const QString &programPath) const;

  private:
    QString content_;
    QString worksheets_;
};

// The folder of a language's own content, beside the English content it
// stands in for: "<content>/el" holds "wmf/guide1.wmf" and
// "multiple/phidias.txt" laid out as the English ones are. The content tools
// write a language's set there and filePath looks for it there.
QString languageContentFolder(const QString &contentFolder, const QString &language);

// The folders of a start and why the worksheet folder cannot be used, if it cannot.
struct FolderChoice {
    ProgramFolders folders = ProgramFolders::inOneFolder();
    QString problem;
};

// Where a start finds its files. A working folder that holds the content is
// both content and worksheet folder, as when run from the source tree or an
// old installation. Otherwise the installed content is the first
// "lives-of-hellas" folder holding it, beside the program's own prefix
// (programFolder/dataFromProgram) or in the XDG data folders; the worksheet
// folder is the command line's, else the one the user's or the system's
// settings name, else "lives-of-hellas/multiple" in the user's data folder
// (made on the first save). No folder is made here: every one is made by the
// first save into it. A folder that could not be made or written to is kept
// and reported.
FolderChoice chooseFolders(const QString &workingFolder, const QString &programFolder,
                           const QString &dataFromProgram, const QString &worksheetsOption);

// Sets the folders every program path of this run resolves against; until
// set, the working folder holds both.
void setProgramFolders(const ProgramFolders &folders);

// The file path of a program path in this run's folders.
QString contentPath(const QString &programPath);
