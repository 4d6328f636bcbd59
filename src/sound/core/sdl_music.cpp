#include "sdl_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>

namespace {

bool deviceOpen = false;
Mix_Music* music = nullptr;

// FluidSynth takes any bytes as a MIDI song and only finds out while playing, in silence.
bool isStandardMidiFile(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char magic[4] = {};
    const bool midi = std::fread(magic, 1, 4, file) == 4 && std::memcmp(magic, "MThd", 4) == 0;
    std::fclose(file);
    return midi;
}

void stopMusic() {
    if (!music) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
}

bool openDevice() {
    if (deviceOpen) return true;
    // SDL would otherwise take over SIGINT and SIGTERM, and they would no longer end the
    // program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    deviceOpen = true;
    return true;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) SdlMusicResult brenloSdlMusicPlay(const char* path) {
    stopMusic();
    if (!openDevice()) return {kSdlMusicNoDevice, SDL_GetError()};
    music = Mix_LoadMUS(path);
    if (!music) return {kSdlMusicNotPlayable, Mix_GetError()};
    if (Mix_GetMusicType(music) == MUS_MID && !isStandardMidiFile(path)) {
        stopMusic();
        return {kSdlMusicNotPlayable, "not a Standard MIDI File"};
    }
    if (Mix_PlayMusic(music, 0) != 0) {
        stopMusic();
        return {kSdlMusicNotPlayable, Mix_GetError()};
    }
    return {kSdlMusicPlaying, ""};
}

__attribute__((visibility("default"))) void brenloSdlMusicStop() {
    stopMusic();
}

__attribute__((visibility("default"))) void brenloSdlMusicClose() {
    stopMusic();
    if (!deviceOpen) return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

}  // extern "C"
