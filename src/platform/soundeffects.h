#pragma once
// The sound module: a library of its own, linking Qt Multimedia, that the
// program loads the first time it plays a sound. A start, with sound off by
// default, so never loads the audio libraries.

#include <QString>

class SoundEffects {
  public:
    virtual ~SoundEffects() = default;
    // Starts the sound in a file and returns at once. Each file is loaded the
    // first time it is asked for; without an audio output, or where the file
    // cannot be played, nothing is heard.
    virtual void play(const QString &file) = 0;
};

// The module's one exported function, looked up by this name: a new player,
// owned by the caller.
using MakeSoundEffects = SoundEffects *();
inline constexpr char MakeSoundEffectsName[] = "hellas_make_sound_effects";
