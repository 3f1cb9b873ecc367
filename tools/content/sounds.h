#pragma once
// The program's short sounds, synthesised and written as WAV files into the
// sounds folder of the content.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

inline constexpr int kSoundRate = 44100;

struct ContentSound {
    QString path;       // relative to the content folder, "/" separated
    QByteArray wavFile; // 16-bit PCM mono at kSoundRate
};

// sounds/click.wav, chime.wav, fanfare.wav, tone.wav and page.wav: each under
// a second, peaking well below full scale, fading in and out so that
// neither end clicks.
QList<ContentSound> contentSounds();

// Writes every sound into the folder's sounds folder; returns the problems met.
QStringList writeSounds(const QString &folder);
