#pragma once

#include <QMutex>
#include <QStringList>

// Collects the warnings logged from any thread while it exists; one at a time.
class WarningLog {
public:
    WarningLog() : previous_(qInstallMessageHandler(&record)) { current = this; }
    ~WarningLog() {
        qInstallMessageHandler(previous_);
        current = nullptr;
    }

    QStringList messages() const {
        QMutexLocker lock(&mutex_);
        return messages_;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg) {
            QMutexLocker lock(&current->mutex_);
            current->messages_.append(text);
        }
        current->previous_(type, context, text);
    }

    static inline WarningLog* current = nullptr;
    const QtMessageHandler previous_;
    mutable QMutex mutex_;
    QStringList messages_;
};
