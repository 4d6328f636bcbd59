#include "audio_output.h"
#include "latest_request_thread.h"
#include "sdl_music.h"
#include "sound_file_read.h"

#include "app/core/program_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QSet>
#include <QtGlobal>

#include <atomic>

namespace {

// A machine without a usable sound device stays so for the life of the process: it is
// reported once, and later plays do not try again.
std::atomic<bool> noDevice{false};
QString noDeviceReason() {
    return QCoreApplication::translate("SdlAudioOutput", "no sound device can be opened");
}

void reportNoDevice(const QString& reason) {
    if (!noDevice.exchange(true))
        qWarning("No sound: the audio device cannot be opened: %s", qUtf8Printable(reason));
}

class SdlAudioOutput final : public AudioOutput {
public:
    SdlAudioOutput()
        : worker_([this](const QString& path,
                         const std::function<bool()>& outdated) { playNow(path, outdated); },
                  [this] { close(); }) {}

    void play(const QString& filePath) override {
        if (noDevice) {
            Q_EMIT notPlayable(filePath, noDeviceReason());
            return;
        }
        if (modulePath_.isEmpty())
            modulePath_ = programModulePath(QStringLiteral(BRENLO_SDL_MUSIC_FILE_NAME),
                                            QStringLiteral(BRENLO_SDL_MUSIC_BUILD_PATH));
        worker_.request(filePath);
    }

private:
    // Everything below runs on the worker thread, which alone loads and calls the module.

    void playNow(const QString& path, const std::function<bool()>& outdated) {
        if (!loadModule()) {
            Q_EMIT notPlayable(path, noDeviceReason());
            return;
        }
        Result<std::optional<SoundFile>> readOrNot = readSoundFile(path, outdated);
        if (!readOrNot) {
            stop_();
            sounding_.clear();
            notPlayableFile(path, readOrNot.error());
            return;
        }
        if (!*readOrNot) return;
        SoundFile read = **std::move(readOrNot);
        const SdlMusicResult result =
            play_(read.bytes.constData(), int(read.bytes.size()), read.kind);
        // What played before is stopped now, and its bytes may go.
        sounding_ = std::move(read.bytes);
        if (result.outcome == kSdlMusicNoDevice) {
            reportNoDevice(QString::fromUtf8(result.reason));
            Q_EMIT notPlayable(path, noDeviceReason());
        } else if (result.outcome == kSdlMusicNotPlayable) {
            notPlayableFile(path, QString::fromUtf8(result.reason));
        }
    }

    bool loadModule() {
        if (play_) return true;
        QLibrary module(modulePath_);
        play_ = reinterpret_cast<SdlMusicPlay>(module.resolve(kSdlMusicPlaySymbol));
        stop_ = reinterpret_cast<SdlMusicStop>(module.resolve(kSdlMusicStopSymbol));
        close_ = reinterpret_cast<SdlMusicClose>(module.resolve(kSdlMusicCloseSymbol));
        if (play_ && stop_ && close_) return true;
        play_ = nullptr;
        reportNoDevice(QStringLiteral("the sound module %1 cannot be loaded: %2")
                           .arg(modulePath_, module.errorString()));
        return false;
    }

    void close() {
        if (close_) close_();
    }

    // Logged once, since a broken sound setting would otherwise fill the log on every
    // award; announced every time, for whoever shows it.
    void notPlayableFile(const QString& path, const QString& problem) {
        Q_EMIT notPlayable(path, problem);
        if (reportedPaths_.contains(path)) return;
        reportedPaths_.insert(path);
        if (path.isEmpty())
            qWarning("Sound not played: %s", qUtf8Printable(problem));
        else
            qWarning("Sound not played: %s: %s", qUtf8Printable(path), qUtf8Printable(problem));
    }

    QString modulePath_;
    SdlMusicPlay play_ = nullptr;
    SdlMusicStop stop_ = nullptr;
    SdlMusicClose close_ = nullptr;
    QSet<QString> reportedPaths_;
    QByteArray sounding_;  // the bytes the module plays from
    // Last, so that the thread is stopped before the state it uses goes away.
    LatestRequestThread worker_;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSystemAudioOutput() {
    return std::make_unique<SdlAudioOutput>();
}
