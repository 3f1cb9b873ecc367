#include "sounds.h"

#include "defaultcontent.h"

#include <QDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

using Samples = std::vector<double>;

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(std::lround(seconds * kSoundRate)), 0.0);
}

// One partial of a struck or blown note: its frequency as a multiple of the
// note's, its loudness and the time it takes to fall to a third.
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

// Adds a note that swells in over `attack` seconds and dies away partial by
// partial, from `start` to the end of the sound.
void addNote(Samples &out, double start, double frequency, double attack,
             std::initializer_list<Partial> partials) {
    const auto first = static_cast<std::size_t>(std::lround(start * kSoundRate));
    for (std::size_t n = first; n < out.size(); ++n) {
        const double t = static_cast<double>(n - first) / kSoundRate;
        const double swell = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
        double sum = 0;
        for (const Partial &partial : partials)
            sum += partial.amplitude * std::exp(-t / partial.decay) *
                   std::sin(2 * std::numbers::pi * frequency * partial.ratio * t);
        out[n] += swell * sum;
    }
}

// Raised-cosine fades at both ends, so the first and last samples are silent
// and the loudspeaker never jumps.
void fadeEnds(Samples &out, double fadeIn, double fadeOut) {
    const auto in = static_cast<std::size_t>(fadeIn * kSoundRate);
    const auto outLength = static_cast<std::size_t>(fadeOut * kSoundRate);
    for (std::size_t n = 0; n < in && n < out.size(); ++n)
        out[n] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(n) / static_cast<double>(in));
    for (std::size_t k = 0; k < outLength && k < out.size(); ++k)
        out[out.size() - 1 - k] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(k) / static_cast<double>(outLength));
}

// Scales the sound so that its loudest sample lies at the given level below
// full scale.
void setPeak(Samples &out, double decibels) {
    double peak = 0;
    for (const double s : out)
        peak = std::max(peak, std::abs(s));
    if (peak == 0) return;
    const double gain = std::pow(10.0, decibels / 20) / peak;
    for (double &s : out)
        s *= gain;
}

QByteArray wavFile(const Samples &samples) {
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray bytes;
    bytes.reserve(44 + static_cast<qsizetype>(dataBytes));
    const auto put32 = [&](quint32 v) {
        char le[4];
        qToLittleEndian(v, le);
        bytes.append(le, 4);
    };
    const auto put16 = [&](quint16 v) {
        char le[2];
        qToLittleEndian(v, le);
        bytes.append(le, 2);
    };
    bytes.append("RIFF");
    put32(36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kSoundRate);
    put32(kSoundRate * 2);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(dataBytes);
    for (const double s : samples)
        put16(static_cast<quint16>(static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return bytes;
}

// A soft wooden tick: a low knock with a short bright edge, gone in a blink.
Samples click() {
    Samples out = silence(0.09);
    addNote(out, 0, 880, 0.002, {{1, 1.0, 0.012}, {2.3, 0.35, 0.006}, {4.1, 0.12, 0.003}});
    fadeEnds(out, 0.001, 0.02);
    setPeak(out, -12);
    return out;
}

// Two bell strikes a fifth apart, E6 then B6: clearer and brighter than the click.
Samples chime() {
    Samples out = silence(0.75);
    const std::initializer_list<Partial> bell = {
        {1, 1.0, 0.22}, {2.0, 0.4, 0.12}, {2.76, 0.25, 0.08}, {5.4, 0.1, 0.04}};
    addNote(out, 0, 1318.5, 0.003, bell);
    addNote(out, 0.09, 1975.5, 0.003, bell);
    fadeEnds(out, 0.002, 0.12);
    setPeak(out, -10);
    return out;
}

// A rising C major arpeggio on a soft brass-like voice, the top C held.
Samples fanfare() {
    Samples out = silence(0.95);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        const double hold = i == 3 ? 0.5 : 0.18;
        addNote(out, i * 0.12, notes[i], 0.015,
                {{1, 1.0, hold},
                 {2, 0.5, hold * 0.8},
                 {3, 0.3, hold * 0.6},
                 {4, 0.15, hold * 0.5},
                 {5, 0.08, hold * 0.4}});
    }
    fadeEnds(out, 0.005, 0.2);
    setPeak(out, -9);
    return out;
}

// One mellow note, G4, that neither praises nor scolds.
Samples tone() {
    Samples out = silence(0.6);
    addNote(out, 0, 392.0, 0.03, {{1, 1.0, 0.35}, {2, 0.2, 0.2}, {3, 0.05, 0.1}});
    fadeEnds(out, 0.005, 0.15);
    setPeak(out, -14);
    return out;
}

// A page turning: noise filtered to the hiss of paper, swelling and falling
// in a flutter of small bursts, then the softer brush of the page landing.
Samples pageTurn() {
    Samples out = silence(0.45);
    std::mt19937 random(1802); // the same rustle on every run
    const auto noise = [&] { return static_cast<double>(random()) / 4294967295.0 * 2 - 1; };
    // Two one-pole low-passes near 4 kHz take the harsh top off the hiss; a
    // one-pole high-pass near 700 Hz takes away the rumble.
    const double lowPass = 1 - std::exp(-2 * std::numbers::pi * 4000.0 / kSoundRate);
    const double highPass = std::exp(-2 * std::numbers::pi * 700.0 / kSoundRate);
    double soft = 0, low = 0, previousLow = 0, band = 0, flutter = 0.5;
    const double flutterRate = 1 - std::exp(-2 * std::numbers::pi * 60.0 / kSoundRate);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSoundRate;
        soft += lowPass * (noise() - soft);
        low += lowPass * (soft - low);
        band = highPass * (band + low - previousLow);
        previousLow = low;
        flutter += flutterRate * ((noise() + 1) / 2 - flutter);
        const double swish = t < 0.3 ? std::pow(std::sin(std::numbers::pi * t / 0.3), 2) : 0.0;
        const double landing =
            t > 0.28 && t < 0.45 ? 0.4 * std::pow(std::sin(std::numbers::pi * (t - 0.28) / 0.17), 2) : 0.0;
        out[n] = band * (swish + landing) * (0.4 + 1.2 * flutter);
    }
    fadeEnds(out, 0.005, 0.02);
    setPeak(out, -12);
    return out;
}

} // namespace

QList<ContentSound> contentSounds() {
    return {
        {QStringLiteral("sounds/click.wav"), wavFile(click())},
        {QStringLiteral("sounds/chime.wav"), wavFile(chime())},
        {QStringLiteral("sounds/fanfare.wav"), wavFile(fanfare())},
        {QStringLiteral("sounds/tone.wav"), wavFile(tone())},
        {QStringLiteral("sounds/page.wav"), wavFile(pageTurn())},
    };
}

QStringList writeSounds(const QString &folder) {
    const QDir root(folder);
    if (!root.mkpath(QStringLiteral("sounds")))
        return {root.filePath(QStringLiteral("sounds")) + QStringLiteral(": cannot make the folder")};
    QStringList problems;
    for (const ContentSound &sound : contentSounds())
        if (const auto problem = writeWhole(root.filePath(sound.path), sound.wavFile)) problems << *problem;
    return problems;
}
