#include "sdl_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool deviceOpen = false;
Mix_Music* music = nullptr;

Mix_MusicType mixerType(SdlMusicKind kind) {
    switch (kind) {
        case kSdlMusicMidi:
            return MUS_MID;
        case kSdlMusicMp3:
            return MUS_MP3;
        case kSdlMusicWav:
            break;
    }
    return MUS_WAV;
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

__attribute__((visibility("default"))) SdlMusicResult brenloSdlMusicPlay(const char* bytes,
                                                                         int size,
                                                                         SdlMusicKind kind) {
    stopMusic();
    if (!openDevice()) return {kSdlMusicNoDevice, SDL_GetError()};
    SDL_RWops* source = SDL_RWFromConstMem(bytes, size);
    if (!source) return {kSdlMusicNotPlayable, SDL_GetError()};
    music = Mix_LoadMUSType_RW(source, mixerType(kind), SDL_TRUE);
    if (!music) return {kSdlMusicNotPlayable, Mix_GetError()};
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
