#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged from any thread while it exists; one at a time.
class WarningLog {
public:
    WarningLog() : previous_(qInstallMessageHandler(&WarningLog::record)) { current() = this; }
    ~WarningLog() {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    QStringList messages() const {
        QMutexLocker lock(&mutex_);
        return messages_;
    }
    qsizetype count(const QString& containing) const {
        return messages().filter(containing).size();
    }

private:
    static WarningLog*& current() {
        static WarningLog* log = nullptr;
        return log;
    }

    static void record(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        WarningLog* log = current();
        if (type == QtWarningMsg) {
            QMutexLocker lock(&log->mutex_);
            log->messages_.append(message);
        }
        log->previous_(type, context, message);
    }

    const QtMessageHandler previous_;
    mutable QMutex mutex_;
    QStringList messages_;
};
