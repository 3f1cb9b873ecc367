#pragma once
// The outside services the screens use, in one place so tests can replace them.

#include "platform/printsurface.h"

class Messages;
class RandomSource;
class SoundPlayer;

struct Services {
    Messages *messages = nullptr;
    RandomSource *random = nullptr;
    SoundPlayer *sound = nullptr;
    // Opens a document on the system's default printer.
    PrinterFactory printer;
};

// Filled with the real services by the program and with doubles by tests.
Services &services();
