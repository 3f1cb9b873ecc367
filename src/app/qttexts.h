#pragma once
// Qt's own texts that the program's dialogs show, carried into the program's
// own translations (see qttexts.cpp).

#include <span>

struct QtText {
    const char *context;
    const char *source;
};

// Every one of Qt's own texts the program's translations answer.
std::span<const QtText> qtOwnTexts();
