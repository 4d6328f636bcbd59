#include "countdown.h"

#include "app/core/clock.h"

#include <QTimer>

int endMinuteAfter(int now, int minutes) {
    // Each term is reduced first, so that no number of minutes can overflow the sum.
    return ((now % 60 + minutes % 60) % 60 + 60) % 60;
}

Countdown::Countdown(const Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Countdown::tick);
}

int Countdown::arm(int minutes) {
    endMinute_ = endMinuteAfter(clock_.now().time().minute(), minutes);
    timer_->start();
    return endMinute_;
}

void Countdown::stop() {
    timer_->stop();
}

bool Countdown::isRunning() const {
    return timer_->isActive();
}

void Countdown::tick() {
    if (!isRunning()) return;
    const QDateTime now = clock_.now();
    const int minute = now.time().minute();
    emit ticked(now, minute);
    if (minute == endMinute_) emit timeUp();
}
