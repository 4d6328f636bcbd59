#pragma once

#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Once the window's first frame is complete and the events posted meanwhile are
// handled: prints "<monotonic ns> <peak resident kB>" and ends the process.
class FirstPaintProbe : public QObject {
public:
    static void watch(QWidget* window) { window->installEventFilter(new FirstPaintProbe(window)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued behind what the paint posted, so that the frame ends first.
            QTimer::singleShot(0, &report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using QObject::QObject;

    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    peakResidentKb());
        std::fflush(stdout);
        std::_Exit(0);
    }

    static long long peakResidentKb() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return -1;
    }
};
