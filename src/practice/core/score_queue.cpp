#include "score_queue.h"

#include "scores/core/score_store.h"

#include "app/core/clock.h"
#include "app/core/database_connections.h"

#include <QStringList>

#include <utility>

namespace {

// Short enough that a lock let go is hardly noticed, long enough to cost nothing.
constexpr int kRetryMs = 50;

}  // namespace

ScoreQueue::ScoreQueue(DatabaseConnections& connections, const Clock& clock, QObject* parent)
    : QObject(parent), connections_(connections), clock_(clock) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &ScoreQueue::storeQueued);
}

// A database's records go in their order, so once one fails the rest of it are
// given up with it, told once.
void ScoreQueue::storeBeforeEnd() {
    retry_.stop();
    QStringList failedPaths;
    for (const Queued& queued : std::exchange(queue_, {})) {
        if (failedPaths.contains(queued.path)) continue;
        const Result<void> stored = ScoreStore(connections_).store(queued.path, queued.sheet);
        if (stored) continue;
        failedPaths.append(queued.path);
        emit lost(queued.path, stored.error());
    }
}

void ScoreQueue::store(const QString& databasePath, const MarkedSheet& sheet) {
    queue_.append({databasePath, sheet});
    storeQueued();
}

// A database's records go in their order, so after one fails the rest of it wait. The
// failures are told only once the queue is consistent, as a message box lets a
// countdown's time-up store again meanwhile.
void ScoreQueue::storeQueued() {
    QList<std::pair<QString, QString>> failures;
    QStringList failedPaths;
    bool waiting = false;
    bool storedAny = false;
    for (qsizetype i = 0; i < queue_.size();) {
        const Queued& queued = queue_[i];
        if (failedPaths.contains(queued.path)) {
            ++i;
            continue;
        }
        const Result<bool> stored = ScoreStore(connections_).tryStore(queued.path, queued.sheet);
        if (stored && *stored) {
            queue_.removeAt(i);
            storedAny = true;
            continue;
        }
        waiting = stored && keepWaiting();
        if (waiting) break;
        const QString reason = stored ? tr("another program kept it locked for %n seconds", nullptr,
                                           DatabaseConnections::kLockWaitMs / 1000)
                                      : stored.error();
        failedPaths.append(queued.path);
        failures.append({queued.path, reason});
        ++i;
    }
    if (waiting) {
        retry_.start();
    } else {
        retry_.stop();
        lockedSince_ = QDateTime();
    }
    if (storedAny) emit stored();
    for (const auto& [path, reason] : failures) emit failed(path, reason);
}

// True until the lock has lasted as long as a connection would wait; the first lock
// found starts the count.
bool ScoreQueue::keepWaiting() {
    const QDateTime now = clock_.now();
    if (!lockedSince_.isValid()) lockedSince_ = now;
    return lockedSince_.msecsTo(now) < DatabaseConnections::kLockWaitMs;
}
