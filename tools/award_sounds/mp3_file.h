#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

// An MP3 file of mono 16-bit samples, encoded by LAME; nothing if the encoder refuses them.
std::optional<QByteArray> mp3File(const std::vector<std::int16_t>& samples, int sampleRate);
