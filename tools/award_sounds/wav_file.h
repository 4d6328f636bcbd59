#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// A RIFF WAVE file of mono 16-bit PCM.
QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate);
