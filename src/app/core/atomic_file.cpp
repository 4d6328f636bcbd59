#include "atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kTemporaryPattern = QStringLiteral("/.brenlo-XXXXXX");
// The names QTemporaryFile makes from the pattern above, and no others.
const QRegularExpression kTemporaryName(QStringLiteral("^\\.brenlo-[A-Za-z0-9]{6}$"));
// A temporary file the cleaner removed between its creation and its lock.
constexpr int kCreateAttempts = 3;

std::filesystem::path nativePath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), size_t(utf8.size())));
}

// A new temporary file from `pattern`, locked for this writer; null with `error` set
// when none could be made.
Result<std::unique_ptr<QTemporaryFile>> openLocked(const QString& pattern) {
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        auto temporary = std::make_unique<QTemporaryFile>(pattern);
        if (!temporary->open()) return Failure{temporary->errorString()};
        // Where Qt makes the file unnamed, it is locked before asking for its name
        // gives it one; elsewhere the cleaner may have taken it before the lock.
        if (::flock(temporary->handle(), LOCK_EX) != 0)
            return Failure{QString::fromLocal8Bit(std::strerror(errno))};
        temporary->fileName();
        struct stat status {};
        if (::fstat(temporary->handle(), &status) != 0)
            return Failure{QString::fromLocal8Bit(std::strerror(errno))};
        if (status.st_nlink > 0) return temporary;
        // Its name may belong to another file by now.
        temporary->setAutoRemove(false);
    }
    return Failure{QCoreApplication::translate(
        "AtomicFile", "the temporary file was removed while it was being made")};
}

// Removes the file only when no writer holds its lock, and only the file that was
// locked, never one that took its name since.
bool removeUnlocked(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    bool removed = false;
    struct stat locked {};
    struct stat current {};
    if (::fstat(fd, &locked) == 0 && S_ISREG(locked.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(name.constData(), &current) == 0 &&
        current.st_dev == locked.st_dev && current.st_ino == locked.st_ino)
        removed = ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

}  // namespace

Result<void> writeFileAtomically(const QString& target, const QByteArray& bytes,
                                 const FileCheck& check) {
    const QFileInfo existing(target);
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (existing.exists()) {
        permissions = existing.permissions();
        // Checked on the bits, since a rename would replace a read-only file anyway.
        if (!(permissions & QFileDevice::WriteOwner))
            return Failure{QCoreApplication::translate("AtomicFile", "the file is read-only")};
    }
    // A short temporary name, so that a target name near the length limit still works.
    Result<std::unique_ptr<QTemporaryFile>> opened =
        openLocked(existing.absolutePath() + kTemporaryPattern);
    if (!opened) return Failure{opened.error()};
    const std::unique_ptr<QTemporaryFile> temporary = std::move(opened).value();
    if (temporary->write(bytes) != bytes.size() || !temporary->flush())
        return Failure{temporary->errorString()};
    if (::fsync(temporary->handle()) != 0)
        return Failure{
            QCoreApplication::translate("AtomicFile", "the data could not be synced to disk")};
    if (!temporary->setPermissions(permissions)) return Failure{temporary->errorString()};
    if (check) {
        if (Result<void> checked = check(temporary->fileName()); !checked) return checked;
    }

    // The lock is held until the file has its final name.
    std::error_code error;
    std::filesystem::rename(nativePath(temporary->fileName()), nativePath(target), error);
    if (error) return Failure{QString::fromLocal8Bit(error.message())};
    temporary->setAutoRemove(false);
    return {};
}

int removeLeftoverTemporaries(const QString& folder) {
    const QDir dir(folder);
    int removed = 0;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (kTemporaryName.match(name).hasMatch() && removeUnlocked(dir.filePath(name))) ++removed;
    }
    return removed;
}
