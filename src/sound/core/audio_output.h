#pragma once

#include <QString>

#include <memory>

// Where sounds go. play() starts a file and returns at once; a sound that cannot
// be played is logged, never reported to the caller.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    virtual void play(const QString& filePath) = 0;
};

// The machine's sound device through SDL2_mixer, opened on the first play.
std::unique_ptr<AudioOutput> makeSystemAudioOutput();
