#include "folder_listing.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace {

enum class EntryKind { Folder, File, Other };

struct CloseFolder {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

EntryKind kindOf(DIR* folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) return EntryKind::Folder;
    if (entry.d_type == DT_REG) return EntryKind::File;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return EntryKind::Other;
    struct stat target {};
    if (::fstatat(::dirfd(folder), entry.d_name, &target, 0) != 0) return EntryKind::Other;
    if (S_ISDIR(target.st_mode)) return EntryKind::Folder;
    return S_ISREG(target.st_mode) ? EntryKind::File : EntryKind::Other;
}

QString openProblem(int error) {
    if (error == ENOENT || error == ENOTDIR)
        return QCoreApplication::translate(
            "FolderListing", "This folder is not there any more; was its medium removed?");
    return QCoreApplication::translate("FolderListing", "This folder cannot be read: %1.")
        .arg(qt_error_string(error));
}

QString undecodableProblem(int count) {
    if (count == 1)
        return QCoreApplication::translate(
            "FolderListing", "One entry here is not shown: its name is not valid text.");
    return QCoreApplication::translate(
        "FolderListing", "%n entries here are not shown: their names are not valid text.", nullptr,
        count);
}

}  // namespace

std::optional<FolderListing> listFolder(const QString& folder, const SoundFilePattern& pattern,
                                        const std::stop_token& stop) {
    FolderListing listing;
    const std::unique_ptr<DIR, CloseFolder> entries(::opendir(QFile::encodeName(folder)));
    if (!entries) {
        listing.problem = openProblem(errno);
        return listing;
    }
    int undecodable = 0;
    int readError = 0;
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    for (;;) {
        if (stop.stop_requested()) return std::nullopt;
        errno = 0;
        const dirent* entry = ::readdir(entries.get());
        if (!entry) {
            readError = errno;
            break;
        }
        if (entry->d_name[0] == '.') continue;
        const QString name = decoder(QByteArrayView(entry->d_name));
        if (decoder.hasError()) {
            decoder.resetState();
            ++undecodable;
            continue;
        }
        const EntryKind kind = kindOf(entries.get(), *entry);
        if (kind == EntryKind::Folder)
            listing.folders.append(name);
        else if (kind == EntryKind::File && pattern.matches(name))
            listing.files.append(name);
    }
    QStringList problems;
    // A medium pulled out while it is read ends the listing with an error such as EIO.
    if (readError != 0) {
        problems.append(
            QCoreApplication::translate("FolderListing", "Reading this folder stopped: %1.")
                .arg(qt_error_string(readError)));
    }
    if (undecodable > 0) problems.append(undecodableProblem(undecodable));
    listing.problem = problems.join(u' ');
    return listing;
}
