#include "sound_file_read.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

SoundFileRead problem(const QString& text) {
    SoundFileRead read;
    read.problem = text;
    return read;
}

class FileHandle {
public:
    explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
    ~FileHandle() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return descriptor_; }

private:
    const int descriptor_;
};

// Up to `size` bytes more onto `bytes`; false on a read error.
bool readOn(int descriptor, QByteArray& bytes, qint64 size) {
    const qsizetype start = bytes.size();
    bytes.resize(start + size);
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::read(descriptor, bytes.data() + start + got, size_t(size - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += n;
    }
    bytes.resize(start + got);
    return true;
}

}  // namespace

SoundFileRead readSoundFile(const QString& path, const std::function<bool()>& outdated) {
    if (path.isEmpty()) return problem(QStringLiteral("no file is named"));
    // Non-blocking, so that a named pipe put in a file's place cannot hold the thread.
    const FileHandle file(::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return problem(qt_error_string(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return problem(qt_error_string(errno));
    if (!S_ISREG(info.st_mode)) return problem(QStringLiteral("it is not a regular file"));
    if (info.st_size > kMaxSoundFileBytes) {
        return problem(QStringLiteral("it is larger than the %1 MiB an award sound may be")
                           .arg(kMaxSoundFileBytes / (1024 * 1024)));
    }
    SoundFileRead read;
    if (!readOn(file.get(), read.bytes, 12)) return problem(qt_error_string(errno));
    const std::optional<SdlMusicKind> kind = kindOf(read.bytes);
    if (!kind) return problem(QStringLiteral("it is not a WAV, MIDI or MP3 sound"));
    read.kind = *kind;
    const qint64 expected = info.st_size;
    while (read.bytes.size() < expected) {
        if (outdated()) {
            read.outdated = true;
            return read;
        }
        const qsizetype before = read.bytes.size();
        if (!readOn(file.get(), read.bytes, std::min(kPieceBytes, expected - before)))
            return problem(qt_error_string(errno));
        if (read.bytes.size() == before) break;  // it shrank while being read
    }
    return read;
}
