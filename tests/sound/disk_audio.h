#pragma once

#include <QFile>
#include <QtEndian>

#include <vector>

// SDL's disk audio driver writes to a file, with a short delay between writes that makes
// them far faster than playing.
inline void useDiskAudio() {
    qputenv("SDL_AUDIODRIVER", "disk");
    // Milliseconds between writes; 0 would write without pause and fill the disk.
    qputenv("SDL_DISKAUDIODELAY", "2");
}

// What the driver has written so far: 16-bit stereo samples at 44.1 kHz.
constexpr int kSamplesPerSecond = 44100 * 2;
inline std::vector<std::int16_t> samplesIn(const QString& path) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<std::int16_t> samples(std::size_t(bytes.size()) / 2);
    qFromLittleEndian<std::int16_t>(bytes.constData(), qsizetype(samples.size()), samples.data());
    return samples;
}

// Quieter than -40 dBFS counts as silence.
inline bool audible(std::int16_t sample) {
    return std::abs(sample) >= 328;
}
