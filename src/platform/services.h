#pragma once
// The outside services the screens use, in one place so tests can replace them.

class Messages;
class RandomSource;

struct Services {
    Messages *messages = nullptr;
    RandomSource *random = nullptr;
};

// Filled with the real services by the program and with doubles by tests.
Services &services();
