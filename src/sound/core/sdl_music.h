#pragma once

// The interface of the SDL2_mixer module. It lives in a shared module of its own so
// that the sound libraries load at the first play instead of at every start. All
// calls come from one thread.

enum SdlMusicOutcome {
    kSdlMusicPlaying,
    kSdlMusicNoDevice,    // the device cannot be opened; `reason` says why
    kSdlMusicNotPlayable  // the file cannot be played; `reason` says why
};

struct SdlMusicResult {
    SdlMusicOutcome outcome;
    const char* reason;  // valid until the next call
};

extern "C" {
// Cuts off what plays, opens the device on first use, and starts the file.
using SdlMusicPlay = SdlMusicResult (*)(const char* path);
// Cuts off what plays.
using SdlMusicStop = void (*)();
// Stops and closes the device.
using SdlMusicClose = void (*)();
}

inline constexpr const char* kSdlMusicPlaySymbol = "brenloSdlMusicPlay";
inline constexpr const char* kSdlMusicStopSymbol = "brenloSdlMusicStop";
inline constexpr const char* kSdlMusicCloseSymbol = "brenloSdlMusicClose";
