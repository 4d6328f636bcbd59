#include "sound_file_read.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qint64 kPieceBytes = 256 * 1024;

// By the first bytes, as SDL2_mixer tells them apart; an MP3 starts with its tag or a
// frame's sync bits.
std::optional<SdlMusicKind> kindOf(const QByteArray& head) {
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") return kSdlMusicWav;
    if (head.startsWith("MThd")) return kSdlMusicMidi;
    if (head.startsWith("ID3")) return kSdlMusicMp3;
    if (head.size() >= 2 && quint8(head[0]) == 0xff && (quint8(head[1]) & 0xe0) == 0xe0)
        return kSdlMusicMp3;
    return std::nullopt;
}

}  // namespace

Result<std::optional<SoundFile>> readSoundFile(const QString& path,
                                               const std::function<bool()>& outdated) {
    if (path.isEmpty())
        return Failure{QCoreApplication::translate("SoundFileRead", "no file is named")};
    // Non-blocking, so that a named pipe put in a file's place cannot hold the thread.
    const int descriptor = ::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return Failure{qt_error_string(errno)};
    QFile file;  // closes the descriptor however the read ends
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) return Failure{qt_error_string(errno)};
    if (!S_ISREG(info.st_mode))
        return Failure{QCoreApplication::translate("SoundFileRead", "it is not a regular file")};
    if (info.st_size > kMaxSoundFileBytes) {
        return Failure{QCoreApplication::translate(
                           "SoundFileRead", "it is larger than the %1 MiB an award sound may be")
                           .arg(kMaxSoundFileBytes / (1024 * 1024))};
    }
    SoundFile read;
    read.bytes = file.read(12);
    const std::optional<SdlMusicKind> kind = kindOf(read.bytes);
    if (!kind)
        return Failure{
            QCoreApplication::translate("SoundFileRead", "it is not a WAV, MIDI or MP3 sound")};
    read.kind = *kind;
    // Up to the size seen, should the file grow meanwhile.
    while (read.bytes.size() < info.st_size) {
        if (outdated()) return std::optional<SoundFile>();
        const QByteArray piece =
            file.read(std::min(kPieceBytes, qint64(info.st_size) - read.bytes.size()));
        if (piece.isEmpty() && file.error() != QFileDevice::NoError)
            return Failure{file.errorString()};
        if (piece.isEmpty()) break;  // it shrank while being read
        read.bytes += piece;
    }
    return std::optional<SoundFile>(std::move(read));
}
