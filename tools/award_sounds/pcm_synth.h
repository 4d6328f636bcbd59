#pragma once

#include "note.h"

#include <cstdint>
#include <vector>

inline constexpr int kSampleRate = 44100;

// A struck or plucked sound: harmonics that fade, the higher ones faster, as real ones do.
struct Timbre {
    std::vector<double> harmonics;  // loudness of the fundamental, then the 2nd, 3rd, ... harmonic
    double decaySeconds;            // time for the fundamental to fall to about a third (1/e)
};

struct Voice {
    Timbre timbre;
    std::vector<Note> notes;
};

struct PcmScore {
    double beatsPerMinute;
    std::vector<Voice> voices;
};

// Mono 16-bit samples at kSampleRate, loud but never clipped.
std::vector<std::int16_t> renderPcm(const PcmScore& score);
