#include "regular_file.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kReadOnlyForAll = S_IRUSR | S_IRGRP | S_IROTH;

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QString openError(int code, bool refuseLinks) {
    if (code == ELOOP && refuseLinks)
        return QCoreApplication::translate("RegularFile", "it is a link, not a file");
    return systemError(code);
}

QString notRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("RegularFile", "it is a folder, not a file");
    return QCoreApplication::translate("RegularFile", "it is not a regular file");
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Result<std::optional<RegularFile>> readRegularFile(const QString& path,
                                                   const RegularFileOptions& options) {
    // Non-blocking, so that opening a named pipe with no writer returns at once.
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (options.refuseLinks) flags |= O_NOFOLLOW;
    const Descriptor file(::open(QFile::encodeName(path).constData(), flags));
    if (file.get() < 0 && errno == ENOENT) return std::optional<RegularFile>();
    if (file.get() < 0) return Failure{openError(errno, options.refuseLinks)};
    // Checked on what was opened, so that nothing can be swapped in after the check.
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return Failure{systemError(errno)};
    if (!S_ISREG(status.st_mode)) return Failure{notRegular(status.st_mode)};
    RegularFile result;
    // One byte past the bound tells a file that is too long from one that fits exactly.
    result.bytes.resize(options.maxBytes + 1);
    qint64 filled = 0;
    while (filled < result.bytes.size()) {
        const ssize_t count =
            ::read(file.get(), result.bytes.data() + filled, size_t(result.bytes.size() - filled));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return Failure{systemError(errno)};
        if (count == 0) break;
        filled += count;
    }
    result.truncated = filled > options.maxBytes;
    result.bytes.truncate(std::min(filled, options.maxBytes));
    if (options.leaveReadOnly && status.st_nlink == 1 &&
        (status.st_mode & ALLPERMS) != kReadOnlyForAll)
        ::fchmod(file.get(), kReadOnlyForAll);
    return std::optional<RegularFile>(std::move(result));
}
