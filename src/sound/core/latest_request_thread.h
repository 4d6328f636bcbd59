#pragma once

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

// One background thread that handles requests one at a time. A request that arrives while
// another is being handled replaces any still waiting, since only the newest is worth doing.
// The thread starts with the first request, so an object that is never asked costs nothing.
class LatestRequestThread {
public:
    // `outdated` tells a long handling when to give up: once a newer request waits, or
    // the thread is stopping.
    using Handler =
        std::function<void(const QString& value, const std::function<bool()>& outdated)>;

    // `finish` runs on the thread as it stops, so that what `handle` set up is torn down
    // on the thread that set it up.
    LatestRequestThread(Handler handle, std::function<void()> finish);
    // Drops a waiting request, tells the current one it is outdated and lets it
    // return, then runs `finish`.
    ~LatestRequestThread() = default;

    void request(const QString& value);

private:
    void run(std::stop_token stop);

    const Handler handle_;
    const std::function<void()> finish_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<QString> waiting_;
    // Last, so that it is joined before the members the thread uses go away.
    std::jthread thread_;
};
