#pragma once

#include "scores/core/answer_record.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

class Clock;
class DatabaseConnections;

// Stores finished sheets, their records and answers, in the order they came without
// holding the screens still: while another program holds a database's write lock it
// tries again between events, until the lock has lasted as long as a connection would
// wait.
// A sheet that could not be stored stays queued and is tried again with the next.
class ScoreQueue final : public QObject {
    Q_OBJECT
public:
    ScoreQueue(DatabaseConnections& connections, const Clock& clock, QObject* parent = nullptr);
    // Queues `sheet` for the database at `databasePath` and stores what it can.
    void store(const QString& databasePath, const MarkedSheet& sheet);
    // Stores what it can of the queue.
    void storeQueued();
    // The program ending gives what is still queued a last try, waiting for a lock as
    // long as a connection does; what still fails is told and given up.
    void storeBeforeEnd();

signals:
    // Sheets were stored.
    void stored();
    // Records for the database could not be stored and stay queued; once per database
    // and try.
    void failed(const QString& databasePath, const QString& reason);
    // A record for the database could not be stored before the program ended.
    void lost(const QString& databasePath, const QString& reason);

private:
    struct Queued {
        QString path;
        MarkedSheet sheet;
    };
    bool keepWaiting();

    DatabaseConnections& connections_;
    const Clock& clock_;
    QList<Queued> queue_;
    QTimer retry_;
    QDateTime lockedSince_;  // invalid while no lock is waited out
};
