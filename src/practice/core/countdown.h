#pragma once

#include <QDateTime>
#include <QObject>

class Clock;
class QTimer;

// The end minute of a countdown of `minutes` armed at minute of the hour `now`.
int endMinuteAfter(int now, int minutes);

// A practice screen's countdown. It ticks every second, also while its screen is
// hidden, and ends on the first tick whose minute of the hour is the end minute:
// only minutes are compared, so n minutes end between n-1 and n minutes later.
class Countdown final : public QObject {
    Q_OBJECT
public:
    Countdown(const Clock& clock, QObject* parent);

    // Sets the end minute `minutes` from now and starts ticking; returns the end minute.
    int arm(int minutes);
    void stop();
    bool isRunning() const;

    // One tick; the timer calls it every second, tests call it at the time they set.
    void tick();

signals:
    void ticked(const QDateTime& now, int minute);
    void timeUp();

private:
    const Clock& clock_;
    QTimer* timer_;
    int endMinute_ = -1;
};
