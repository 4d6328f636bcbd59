#include "atomic_file.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

std::filesystem::path nativePath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), size_t(utf8.size())));
}

}  // namespace

std::optional<QString> writeFileAtomically(const QString& target, const QByteArray& bytes) {
    const QFileInfo existing(target);
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (existing.exists()) {
        permissions = existing.permissions();
        // Checked on the bits, since a rename would replace a read-only file anyway.
        if (!(permissions & QFileDevice::WriteOwner))
            return QStringLiteral("the file is read-only");
    }
    // A short temporary name, so that a target name near the length limit still works.
    QTemporaryFile temporary(existing.absolutePath() + QStringLiteral("/.brenlo-XXXXXX"));
    if (!temporary.open()) return temporary.errorString();
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        return temporary.errorString();
#ifdef Q_OS_UNIX
    if (::fsync(temporary.handle()) != 0)
        return QStringLiteral("the data could not be synced to disk");
#endif
    if (!temporary.setPermissions(permissions)) return temporary.errorString();
    temporary.close();

    std::error_code error;
    std::filesystem::rename(nativePath(temporary.fileName()), nativePath(target), error);
    if (error) return QString::fromLocal8Bit(error.message());
    temporary.setAutoRemove(false);
    return std::nullopt;
}
