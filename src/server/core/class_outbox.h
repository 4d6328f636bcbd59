#pragma once

#include "sheet_sender.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>

// Sends the sheets on a thread of its own, so that neither start-up nor a store ever
// waits on the server: at once when asked (at start and after each store) and every
// minute. A round asked for while one runs follows it; further asks join that one.
class ClassOutbox final : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 60 * 1000;

    ClassOutbox(const ClassConfig& config, const QDir& dataFolder, const QString& computer,
                QObject* parent = nullptr);
    // Waits for the sheet under way, which the server's timeouts keep short; the
    // round's other sheets wait for the next start.
    ~ClassOutbox() override;

    void sendSoon();

signals:
    // After each round, on the thread that owns the outbox; `problem` says why sheets
    // still wait, and is empty when none does.
    void roundEnded(int sent, const QString& problem);

private:
    void runRound();

    SheetSender sender_;  // used on thread_ only
    QThread thread_;
    QObject worker_;  // lives on thread_
    QTimer minute_;
    std::atomic<bool> asked_{false};
};
