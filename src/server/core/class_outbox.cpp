#include "class_outbox.h"

ClassOutbox::ClassOutbox(const ClassConfig& config, const QDir& dataFolder, const QString& computer,
                         QObject* parent)
    : QObject(parent), sender_(config, dataFolder, computer) {
    worker_.moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("class outbox"));
    thread_.start(QThread::LowPriority);
    minute_.setInterval(kIntervalMs);
    connect(&minute_, &QTimer::timeout, this, &ClassOutbox::sendSoon);
    minute_.start();
}

ClassOutbox::~ClassOutbox() {
    thread_.requestInterruption();
    thread_.quit();
    thread_.wait();
}

void ClassOutbox::sendSoon() {
    if (asked_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &worker_, [this] { runRound(); }, Qt::QueuedConnection);
}

// Cleared before the round, so that a store meanwhile asks for the next one.
void ClassOutbox::runRound() {
    asked_ = false;
    const SheetSender::Round round = sender_.sendAll();
    emit roundEnded(round.sent, round.problem);
}
