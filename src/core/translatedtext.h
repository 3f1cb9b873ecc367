#pragma once
// A message kept as a constant: its English text and the context it is
// translated in. It is translated each time it is read, so a constant made
// before the run's translation was loaded still reads in the run's language.
// Mark the text where it is defined:
//   inline constexpr TranslatedText kDone{"certificate", QT_TRANSLATE_NOOP("certificate", "Done.")};

#include <QCoreApplication>
#include <QString>

struct TranslatedText {
    const char *context;
    const char *source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }
};
