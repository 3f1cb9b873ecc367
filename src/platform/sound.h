#pragma once
// The short sounds of the activities, played behind an interface so that
// tests can record which sound each action asks for.

#include <QString>
#include <memory>

enum class Sound {
    Click,   // a jigsaw piece or a painter's name snaps into a box
    Chime,   // a jigsaw piece lands on its own cell
    Fanfare, // results with full marks
    Tone,    // any other results
    Page,    // a page turns in a page viewer; the last
};

// The content file that holds the sound.
QString soundFile(Sound sound);

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; never fails.
    virtual void play(Sound sound) = 0;
};

class SoundEffects;

// Plays through the system's default audio output, by way of the sound module
// in a folder of its own, loaded the first time a sound is played. Without the
// module, without an audio output, or where a sound's file is missing or
// cannot be played, nothing is heard.
class EffectPlayer final : public SoundPlayer {
  public:
    explicit EffectPlayer(QString moduleFolder);
    ~EffectPlayer() override;
    void play(Sound sound) override;
    // Whether the sound module is loaded, loading it on the first call. Where
    // it is missing or cannot be loaded, stays false without trying again.
    bool ready();

  private:
    QString moduleFolder_;
    bool tried_ = false;
    std::unique_ptr<SoundEffects> effects_;
};

// The folder the program loads the sound module from: its own folder where
// the module lies beside it, as in the build tree, otherwise
// moduleFromProgram relative to it, as installed.
QString soundModuleFolder(const QString &programFolder, const QString &moduleFromProgram);

// Plays the sound through the program's player when the pupil has chosen
// "Sound On"; otherwise, or without a player, does nothing.
void playSound(Sound sound);
