#include "platform/sound.h"

#include "platform/services.h"
#include "shell/module1.h"
#include "shell/paths.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QString soundFile(Sound sound) {
    switch (sound) {
    case Sound::Click:
        return QStringLiteral("sounds\\click.wav");
    case Sound::Chime:
        return QStringLiteral("sounds\\chime.wav");
    case Sound::Fanfare:
        return QStringLiteral("sounds\\fanfare.wav");
    case Sound::Tone:
        return QStringLiteral("sounds\\tone.wav");
    case Sound::Page:
        return QStringLiteral("sounds\\page.wav");
    }
    return {};
}

EffectPlayer::EffectPlayer() = default;
EffectPlayer::~EffectPlayer() = default;

void EffectPlayer::play(Sound sound) {
    // Asked each time, so an output plugged in while the program runs is used.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    std::unique_ptr<QSoundEffect> &effect = effects_.at(static_cast<std::size_t>(sound));
    if (!effect) {
        const QFileInfo file(contentPath(soundFile(sound)));
        if (!file.isFile()) return;
        effect = std::make_unique<QSoundEffect>();
        // Loading goes on in the background; a sound asked for meanwhile
        // starts once it is loaded.
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();
}

void playSound(Sound sound) {
    if (Module1.SoundOn == 0) return;
    if (SoundPlayer *player = services().sound) player->play(sound);
}
