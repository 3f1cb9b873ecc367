// The sound module itself: plays sound files through QSoundEffect on the
// system's default audio output.

#include "platform/soundeffects.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>
#include <type_traits>

namespace {

class EffectsOnDefaultOutput final : public SoundEffects {
  public:
    void play(const QString &file) override {
        // Asked each time, so a device plugged in while the program runs is used
        // (a sound server that starts after the program is not: Qt connects once).
        if (QMediaDevices::audioOutputs().isEmpty()) return;
        std::unique_ptr<QSoundEffect> &effect = effects_[file];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            // Loading goes on in the background; a sound asked for meanwhile
            // starts once it is loaded.
            effect->setSource(QUrl::fromLocalFile(file));
        }
        if (effect->status() == QSoundEffect::Error) return;
        effect->play();
    }

  private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundEffects *hellas_make_sound_effects() {
    return new EffectsOnDefaultOutput;
}

static_assert(std::is_same_v<decltype(hellas_make_sound_effects), MakeSoundEffects>,
              "the exported function has the type the program looks it up with");
