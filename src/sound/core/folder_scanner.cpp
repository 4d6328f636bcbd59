#include "folder_scanner.h"

#include "folder_listing.h"

#include <algorithm>

namespace {

void sortByName(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

}  // namespace

FolderScanner::~FolderScanner() {
    latest_ = 0;
    thread_ = {};
}

void FolderScanner::scan(const QString& folder) {
    const quint64 scan = ++latest_;
    // Stopping the older scan takes no longer than the directory entry it is reading.
    thread_ =
        std::jthread([this, scan, folder](std::stop_token stop) { list(stop, scan, folder); });
}

void FolderScanner::list(const std::stop_token& stop, quint64 scan, const QString& folder) {
    std::optional<FolderListing> listing = listFolder(folder, pattern_, stop);
    if (!listing) return;
    sortByName(listing->folders);
    sortByName(listing->files);
    deliver(scan, [this, folders = listing->folders] { Q_EMIT foldersFound(folders); });
    const QStringList& files = listing->files;
    for (qsizetype first = 0; first < files.size(); first += kBatchSize) {
        deliver(scan, [this, batch = files.mid(first, kBatchSize)] { Q_EMIT filesFound(batch); });
    }
    if (!listing->problem.isEmpty())
        deliver(scan, [this, problem = listing->problem] { Q_EMIT notListed(problem); });
    deliver(scan, [this] { Q_EMIT finished(); });
}

// Runs `signal` on the owner's thread, unless a newer scan has begun by then.
void FolderScanner::deliver(quint64 scan, std::function<void()> signal) {
    QMetaObject::invokeMethod(
        this,
        [this, scan, signal = std::move(signal)] {
            if (scan == latest_) signal();
        },
        Qt::QueuedConnection);
}
