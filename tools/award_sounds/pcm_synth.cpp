#include "pcm_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Short ramps at both ends of every note keep it from clicking.
constexpr double kAttackSeconds = 0.006;
constexpr double kReleaseSeconds = 0.12;
constexpr double kPeak = 0.85;

double frequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

void addNote(std::vector<double>& mix, const Timbre& timbre, const Note& note,
             double secondsPerBeat) {
    const auto first = static_cast<std::size_t>(note.beat * secondsPerBeat * kSampleRate);
    const double held = note.beats * secondsPerBeat;
    const auto count = static_cast<std::size_t>((held + kReleaseSeconds) * kSampleRate);
    if (mix.size() < first + count) mix.resize(first + count, 0.0);
    const double loudness = note.velocity / 127.0;
    const double fundamental = frequency(note.key);
    for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
        const double partial = fundamental * static_cast<double>(h + 1);
        if (partial >= kSampleRate / 2.0) break;
        const double decay = timbre.decaySeconds / static_cast<double>(h + 1);
        const double step = 2.0 * std::numbers::pi * partial / kSampleRate;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double envelope = std::exp(-t / decay) * std::min(1.0, t / kAttackSeconds);
            if (t > held) envelope *= std::max(0.0, 1.0 - (t - held) / kReleaseSeconds);
            mix[first + i] +=
                loudness * timbre.harmonics[h] * envelope * std::sin(step * static_cast<double>(i));
        }
    }
}

}  // namespace

std::vector<std::int16_t> renderPcm(const PcmScore& score) {
    const double secondsPerBeat = 60.0 / score.beatsPerMinute;
    std::vector<double> mix;
    for (const Voice& voice : score.voices) {
        for (const Note& note : voice.notes) addNote(mix, voice.timbre, note, secondsPerBeat);
    }
    double loudest = 0.0;
    for (const double sample : mix) loudest = std::max(loudest, std::abs(sample));
    const double gain = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(), [gain](double sample) {
        return static_cast<std::int16_t>(std::lround(sample * gain));
    });
    return samples;
}
