#include "latest_request_thread.h"

#include <utility>

LatestRequestThread::LatestRequestThread(Handler handle, std::function<void()> finish)
    : handle_(std::move(handle)), finish_(std::move(finish)) {}

void LatestRequestThread::request(const QString& value) {
    {
        std::lock_guard lock(mutex_);
        waiting_ = value;
        if (!thread_.joinable()) {
            thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
        }
    }
    wake_.notify_one();
}

void LatestRequestThread::run(std::stop_token stop) {
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, stop, [this] { return waiting_.has_value(); });
        if (stop.stop_requested()) break;
        const QString value = *std::exchange(waiting_, std::nullopt);
        lock.unlock();
        handle_(value, [this, &stop] {
            std::lock_guard waitingLock(mutex_);
            return waiting_.has_value() || stop.stop_requested();
        });
    }
    finish_();
}
