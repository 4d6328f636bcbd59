#pragma once

#include "sdl_music.h"

#include "app/core/result.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Award sounds last seconds; a file larger than this is surely something else, and
// reading it whole would hold the memory and the output for nothing.
inline constexpr qint64 kMaxSoundFileBytes = 8 * 1024 * 1024;

struct SoundFile {
    QByteArray bytes;
    SdlMusicKind kind = kSdlMusicWav;
};

// Reads a sound file for the output: only a regular file within the size bound whose
// first bytes show a WAV, a Standard MIDI File or an MP3, and only after both are seen.
// It is read in pieces and given up as soon as `outdated` returns true, so that a newer
// sound or the exit never waits for it: nothing then. Fails with why it cannot be played.
Result<std::optional<SoundFile>> readSoundFile(const QString& path,
                                               const std::function<bool()>& outdated);
