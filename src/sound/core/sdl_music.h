#pragma once

// The interface of the SDL2_mixer module. It lives in a shared module of its own so
// that the sound libraries load at the first play instead of at every start. All
// calls come from one thread.

enum SdlMusicOutcome {
    kSdlMusicPlaying,
    kSdlMusicNoDevice,    // the device cannot be opened; `reason` says why
    kSdlMusicNotPlayable  // the file cannot be played; `reason` says why
};

// The kinds of sound the output plays, told from a file's first bytes.
enum SdlMusicKind { kSdlMusicWav, kSdlMusicMidi, kSdlMusicMp3 };

struct SdlMusicResult {
    SdlMusicOutcome outcome;
    const char* reason;  // valid until the next call
};

extern "C" {
// Cuts off what plays, opens the device on first use, and starts the sound held in
// `bytes`, which must stay as they are until the next call.
using SdlMusicPlay = SdlMusicResult (*)(const char* bytes, int size, SdlMusicKind kind);
// Cuts off what plays.
using SdlMusicStop = void (*)();
// Stops and closes the device.
using SdlMusicClose = void (*)();
}

inline constexpr const char* kSdlMusicPlaySymbol = "brenloSdlMusicPlay";
inline constexpr const char* kSdlMusicStopSymbol = "brenloSdlMusicStop";
inline constexpr const char* kSdlMusicCloseSymbol = "brenloSdlMusicClose";
