#pragma once

#include "result.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>

class DatabaseConnections;

// One open connection to a score database; released when it goes out of scope,
// or earlier when the connections to its file are released for a restore.
class DatabaseConnection {
public:
    DatabaseConnection() = default;
    DatabaseConnection(DatabaseConnection&& other) noexcept;
    DatabaseConnection& operator=(DatabaseConnection&& other) noexcept;
    ~DatabaseConnection();

    bool isOpen() const;
    QSqlDatabase database() const;

    // From now on gives up at once while another connection holds the write lock.
    void stopWaitingForLocks() const;
    // Why nothing can be written through the connection, found by a change rolled back
    // at once; none when it can. SQLite opens a file it may not write read-only, and
    // one in a folder it may not write fails at the first write only.
    QSqlError writeError() const;

private:
    friend class DatabaseConnections;
    DatabaseConnection(DatabaseConnections* owner, QString name);
    void release();

    DatabaseConnections* owner_ = nullptr;
    QString name_;
};

// SQLite's answer while another connection holds the lock a statement needs.
bool isLockError(const QSqlError& error);

// The database engine of the process: opens SQLite files, never creating one, and
// knows every connection still open so that a restore can release them first.
class DatabaseConnections {
public:
    DatabaseConnections() = default;
    DatabaseConnections(const DatabaseConnections&) = delete;
    DatabaseConnections& operator=(const DatabaseConnections&) = delete;
    ~DatabaseConnections();

    // How long a connection waits for another's write lock before it fails.
    static constexpr int kLockWaitMs = 5000;

    // Opens an existing file for reading and writing.
    Result<DatabaseConnection> open(const QString& filePath);

    // Closes every connection this process holds to the file and folds any
    // write-ahead log back into it, so that the file can be replaced whole.
    void releaseAll(const QString& filePath);

    // Replaces a database file whole through `write`: every connection to it is
    // released first, and the old file's log files go with it, so that SQLite never
    // replays them into the new one. Fails as `write` does.
    Result<void> replaceFile(const QString& filePath, const std::function<Result<void>()>& write);

    int openCount(const QString& filePath) const;

private:
    friend class DatabaseConnection;
    void close(const QString& name);

    QHash<QString, QString> files_;  // connection name -> absolute file path
};
