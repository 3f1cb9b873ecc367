#include "platform/sound.h"

#include "core/module1.h"
#include "core/paths.h"
#include "platform/log.h"
#include "platform/services.h"
#include "platform/soundeffects.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <utility>

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

EffectPlayer::EffectPlayer(QString moduleFolder) : moduleFolder_(std::move(moduleFolder)) {}
EffectPlayer::~EffectPlayer() = default;

bool EffectPlayer::ready() {
    if (tried_) return effects_ != nullptr;
    tried_ = true;
    // The library stays loaded for the rest of the run: the player made by it
    // lives until the program ends.
    QLibrary module(QDir(moduleFolder_).filePath(QStringLiteral(HELLAS_SOUND_MODULE)));
    auto *make = module.load() ? reinterpret_cast<MakeSoundEffects *>(module.resolve(MakeSoundEffectsName))
                               : nullptr;
    if (!make) {
        qCWarning(lcPlatform).noquote() << "sounds cannot be played:" << module.errorString();
        return false;
    }
    effects_.reset(make());
    return effects_ != nullptr;
}

void EffectPlayer::play(Sound sound) {
    const QFileInfo file(contentPath(soundFile(sound)));
    if (!file.isFile() || !ready()) return;
    effects_->play(file.absoluteFilePath());
}

QString soundModuleFolder(const QString &programFolder, const QString &moduleFromProgram) {
    const QDir program(programFolder);
    if (QFileInfo(program.filePath(QStringLiteral(HELLAS_SOUND_MODULE))).isFile()) return program.path();
    return QDir::cleanPath(program.filePath(moduleFromProgram));
}

void playSound(Sound sound) {
    if (Module1.SoundOn == 0) return;
    if (SoundPlayer *player = services().sound) player->play(sound);
}
