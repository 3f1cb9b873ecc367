#pragma once
// Who sits at the program, a pupil or a teacher, decided once at start, with
// the other classroom settings read at the same time.

#include <QString>

enum class ClassroomMode { Teacher, Pupil };

// The worksheet folder as this account finds it.
enum class FolderState { Missing, Writable, NotWritable };

// A settings key as each settings file sets it, trimmed; empty where a file
// does not set it.
struct SettingValues {
    QString system;
    QString user;
};

// A pupil at a school's shared folder is known by not being allowed to write
// it; a classroom account that all pupils share says "mode=pupil" in the
// system's file, which the user's own file cannot lift. Anyone may choose
// pupil mode for themselves; teacher mode is what remains, needing no setting.
ClassroomMode classroomMode(FolderState worksheetFolder, const SettingValues &mode);

// Whether the folder exists and this account may make files in it, as the
// kernel decides it (access control lists, read-only mounts and all), not as
// the permission bits suggest.
FolderState folderState(const QString &folder);

// Reads a key of the [General] section of the system's settings file (the
// first in $XDG_CONFIG_DIRS that sets it) and of the user's own.
SettingValues classroomSetting(const QString &key);

// "pupil-names=ask": a shared classroom account asks each pupil's name for
// every score. The user's file wins over the system's.
bool askPupilNames(const SettingValues &pupilNames);

// The results folder: the command line's, else the settings' (the user's over
// the system's), else "results" beside the worksheet folder.
QString resultsFolder(const QString &commandLine, const SettingValues &results,
                      const QString &worksheetFolder);

// What a start decides once and the screens follow.
struct Classroom {
    ClassroomMode mode = ClassroomMode::Teacher;
    bool askPupilNames = false;
    QString resultsFolder;
};

// The classroom of this start, from the worksheet folder in use, the
// "--results" folder (empty when not given) and the settings files.
Classroom classroomAtStart(const QString &worksheetFolder, const QString &resultsOption);
