#pragma once
// The short sounds of the activities, played behind an interface so that
// tests can record which sound each action asks for.

#include <QString>
#include <array>
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

class QSoundEffect;

// Plays through the system's default audio output. Each sound is loaded the
// first time it is asked for; without an audio output, or where a sound's
// file is missing or cannot be played, nothing is heard.
class EffectPlayer final : public SoundPlayer {
  public:
    EffectPlayer();
    ~EffectPlayer() override;
    void play(Sound sound) override;

  private:
    std::array<std::unique_ptr<QSoundEffect>, static_cast<std::size_t>(Sound::Page) + 1> effects_;
};

// Plays the sound through the program's player when the pupil has chosen
// "Sound On"; otherwise, or without a player, does nothing.
void playSound(Sound sound);
