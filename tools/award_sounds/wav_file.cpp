#include "wav_file.h"

#include <QtEndian>

namespace {

template <typename T>
void append(QByteArray& bytes, T value) {
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

}  // namespace

QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    QByteArray bytes;
    bytes.reserve(44 + static_cast<qsizetype>(dataSize));
    bytes.append("RIFF");
    append<std::uint32_t>(bytes, 36 + dataSize);
    bytes.append("WAVEfmt ");
    append<std::uint32_t>(bytes, 16);
    append<std::uint16_t>(bytes, 1);  // integer PCM
    append<std::uint16_t>(bytes, kChannels);
    append<std::uint32_t>(bytes, static_cast<std::uint32_t>(sampleRate));
    append<std::uint32_t>(bytes,
                          static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    append<std::uint16_t>(bytes, kChannels * kBytesPerSample);
    append<std::uint16_t>(bytes, 16);
    bytes.append("data");
    append<std::uint32_t>(bytes, dataSize);
    for (const std::int16_t sample : samples) append(bytes, sample);
    return bytes;
}
