#include "audio_output.h"
#include "latest_request_thread.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>
#include <QSet>
#include <QtGlobal>

#include <atomic>

namespace {

// A machine without a usable sound device stays so for the life of the process: it is
// reported once, and later plays do not try again.
std::atomic<bool> noDevice{false};

// FluidSynth takes any bytes as a MIDI song and only finds out while playing, in silence.
bool isStandardMidiFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "MThd";
}

class SdlAudioOutput final : public AudioOutput {
public:
    SdlAudioOutput()
        : worker_([this](const QString& path) { playNow(path); }, [this] { close(); }) {}

    void play(const QString& filePath) override {
        if (!noDevice) worker_.request(filePath);
    }

private:
    // Everything below runs on the worker thread, which alone touches SDL.

    void playNow(const QString& path) {
        stopMusic();
        if (path.isEmpty()) {
            reportOnce(path, "no file is named");
            return;
        }
        if (!openDevice()) return;
        music_ = Mix_LoadMUS(QFile::encodeName(path).constData());
        if (!music_) {
            reportOnce(path, Mix_GetError());
        } else if (Mix_GetMusicType(music_) == MUS_MID && !isStandardMidiFile(path)) {
            reportOnce(path, "not a Standard MIDI File");
            stopMusic();
        } else if (Mix_PlayMusic(music_, 0) != 0) {
            reportOnce(path, Mix_GetError());
            stopMusic();
        }
    }

    bool openDevice() {
        if (deviceOpen_) return true;
        if (noDevice) return false;
        // SDL would otherwise take over SIGINT and SIGTERM, and they would no longer end the
        // program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            reportNoDevice();
            return false;
        }
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            reportNoDevice();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        deviceOpen_ = true;
        return true;
    }

    void stopMusic() {
        if (!music_) return;
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }

    void close() {
        stopMusic();
        if (!deviceOpen_) return;
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        deviceOpen_ = false;
    }

    static void reportNoDevice() {
        if (!noDevice.exchange(true)) {
            qWarning("No sound: the audio device cannot be opened: %s", SDL_GetError());
        }
    }

    // A broken sound setting would otherwise fill the log on every award.
    void reportOnce(const QString& path, const char* problem) {
        if (reportedPaths_.contains(path)) return;
        reportedPaths_.insert(path);
        if (path.isEmpty()) {
            qWarning("Sound not played: %s", problem);
        } else {
            qWarning("Sound not played: %s: %s", qUtf8Printable(path), problem);
        }
    }

    bool deviceOpen_ = false;
    Mix_Music* music_ = nullptr;
    QSet<QString> reportedPaths_;
    // Last, so that the thread is stopped before the state it uses goes away.
    LatestRequestThread worker_;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSystemAudioOutput() {
    return std::make_unique<SdlAudioOutput>();
}
