#pragma once

#include "sound_file_pattern.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

// Lists a folder's subfolders and sound files on a thread of its own, so that a folder
// of many thousand files, or a slow medium, never holds up the screen. The names come
// back to the owner's thread sorted, the files in batches, each batch one event; a new
// scan drops whatever an older one has still to deliver.
class FolderScanner final : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kBatchSize = 200;

    explicit FolderScanner(QObject* parent = nullptr) : QObject(parent) {}
    ~FolderScanner() override;

    void scan(const QString& folder);

Q_SIGNALS:
    // First, once per scan.
    void foldersFound(const QStringList& names);
    // The next sound files in order after those of the previous batch.
    void filesFound(const QStringList& names);
    // Why the folder, or some of its entries, could not be listed; only when that is so.
    void notListed(const QString& reason);
    void finished();

private:
    void list(const std::stop_token& stop, quint64 scan, const QString& folder);
    void deliver(quint64 scan, std::function<void()> signal);

    const SoundFilePattern pattern_;
    std::atomic<quint64> latest_{0};
    // Last, so that it is joined before the members it uses go away.
    std::jthread thread_;
};
