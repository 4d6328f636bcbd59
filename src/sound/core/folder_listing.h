#pragma once

#include "sound_file_pattern.h"

#include <QStringList>

#include <optional>
#include <stop_token>

struct FolderListing {
    QStringList folders;
    QStringList files;  // the sound files only
    // Why the folder, or some of its entries, could not be listed; empty when all were.
    QString problem;
};

// A folder's subfolders and the files that match `pattern`, unsorted; a link counts as
// what it leads to, and hidden entries are left out. Names that are not valid text in
// the file system's encoding are counted in the problem rather than skipped unsaid, as
// Qt's own listing does. Nothing when `stop` is requested before the listing is done.
std::optional<FolderListing> listFolder(const QString& folder, const SoundFilePattern& pattern,
                                        const std::stop_token& stop);
