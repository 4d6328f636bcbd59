#pragma once

#include "app/core/clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)))
        : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }
    void setTime(const QTime& time) { now_.setTime(time); }

private:
    QDateTime now_;
};
