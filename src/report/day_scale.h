#pragma once

#include <QDate>
#include <QDateTime>

#include <cmath>

// Days as a chart's time axis counts them, in milliseconds since the epoch: whole days
// of 24 hours from the local start of the range's first day. Asking the time zone once
// rather than for every point keeps thousands of points cheap; a daylight-saving
// change moves a point by an hour at most, never out of its day.
class DayScale {
public:
    static constexpr double kDayMs = 24.0 * 3600 * 1000;

    explicit DayScale(QDate first)
        : first_(first), start_(double(first.startOfDay().toMSecsSinceEpoch())) {}

    // `fraction` of the way through the day; noon by default, so that a day's point lies
    // within its day on the axis.
    double xOf(QDate day, double fraction = 0.5) const {
        return start_ + (double(first_.daysTo(day)) + fraction) * kDayMs;
    }
    QDate first() const { return first_; }
    QDate dayAt(double x) const {
        return first_.addDays(qint64(std::floor((x - start_) / kDayMs)));
    }

private:
    QDate first_;
    double start_;
};
