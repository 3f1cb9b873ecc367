#pragma once
// The outside services the screens use, in one place so tests can replace them.

#include "classroom/mode.h"
#include "platform/printsurface.h"

class FileChooser;
class Messages;
class RandomSource;
class SoundPlayer;

struct Services {
    Messages *messages = nullptr;
    FileChooser *files = nullptr;
    RandomSource *random = nullptr;
    SoundPlayer *sound = nullptr;
    // Opens a document on the system's default printer.
    PrinterFactory printer;
    // Pupil or teacher, decided once at start, and where the scores are kept.
    Classroom classroom;
};

// Filled with the real services by the program and with doubles by tests.
Services &services();
