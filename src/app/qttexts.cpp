#include "app/qttexts.h"

#include <QtGlobal>

// Debian ships no translation of Qt itself for some languages (Greek among
// them), so the texts Qt gives its own message boxes, file chooser, text
// boxes and command-line help are listed here by the contexts and English
// texts Qt asks for them with. lupdate carries them into each of the
// program's .ts files, and the program's installed translation then answers
// Qt's own translate() calls too.

namespace {

const QtText kQtTexts[] = {
    // Message boxes' buttons.
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Save")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Save All")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Open")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Abort")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Retry")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Close")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Discard")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Help")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Apply")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Reset")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults")},
    // The same on a GNOME or GTK desktop.
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&OK")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Save")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Close")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "Close without Saving")},
    // Message boxes.
    {"QMessageBox", QT_TRANSLATE_NOOP("QMessageBox", "Show Details...")},
    {"QMessageBox", QT_TRANSLATE_NOOP("QMessageBox", "Hide Details...")},
    // The file chooser.
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Look in:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "File &name:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Files of type:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Open")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Save")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Choose")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Open")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Save As")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Find Directory")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Directory:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Directories")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Files")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "All files (*)")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Back")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Forward")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "List View")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Detail View")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Go back")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Go forward")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Go to the parent directory")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Create a New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Change to list view mode")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Change to detail view mode")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Sidebar")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "List of places and bookmarks")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Recent Places")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Rename")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Delete")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Delete")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Remove")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?")},
    {"QFileDialog",
     QT_TRANSLATE_NOOP("QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.")},
    {"QFileDialog",
     QT_TRANSLATE_NOOP("QFileDialog",
                       "%1\nDirectory not found.\nPlease verify the correct directory name was given.")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Are you sure you want to delete '%1'?")},
    {"QFileDialog",
     QT_TRANSLATE_NOOP("QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Could not delete directory.")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "My Computer")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Drive")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "File")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "File Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Alias")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Shortcut")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Unknown")},
    // The file chooser's list of files.
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Name")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Size")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Type")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Kind")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "My Computer")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Computer")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename")},
    {"QFileSystemModel",
     QT_TRANSLATE_NOOP("QFileSystemModel", "<b>The name \"%1\" cannot be used.</b><p>Try using another name, "
                                           "with fewer characters or no punctuation marks.")},
    // The file chooser's kinds of file.
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "File Folder")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "File")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Shortcut")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Alias")},
    {"QAbstractFileIconProvider", QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Unknown")},
    // A text box's context menu.
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Undo")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Redo")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Copy")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Paste")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Delete")},
    {"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Select All")},
    // --help and the command line's mistakes.
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "[options]")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Options:")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'.")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1.")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'.")},
    {"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'.")},
};

} // namespace

std::span<const QtText> qtOwnTexts() {
    return kQtTexts;
}
