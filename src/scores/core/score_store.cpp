#include "score_store.h"

#include "date_texts.h"
#include "score_schema.h"

#include "app/core/database_connections.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

Failure cannotWrite(const QString& why) {
    return Failure{QStringLiteral("it cannot be written (%1)").arg(why)};
}

// SQLite opens any file and fails only at its first read: a readable file that
// fails is said to be no score database, unless it is one, which then cannot be
// written, as in a folder where SQLite may not make its log.
Failure openFailure(const QString& databasePath, const QString& error) {
    const QFileInfo file(databasePath);
    if (!file.isFile() || !file.isReadable()) return Failure{error};
    const Result<void> checked = checkScoreDatabase(databasePath);
    return checked ? cannotWrite(error) : Failure{checked.error()};
}

// Gives a file made by an earlier build what it lacks. An old file that may not be
// written cannot be read up to date either, which is said as such; an upgrade held
// up by another program's lock is, when locks are not waited for, left to a later
// opening, as the file reads and takes records as it is.
Result<void> bringUpToDate(const DatabaseConnection& connection, bool waitForLocks) {
    const Result<void> upgraded = upgradeScoreSchema(connection.database());
    if (upgraded) return {};
    connection.stopWaitingForLocks();
    const QSqlError writing = connection.writeError();
    if (writing.isValid() && !isLockError(writing)) return cannotWrite(upgraded.error());
    if (writing.isValid() && !waitForLocks) return {};
    return upgraded;
}

}  // namespace

Result<DatabaseConnection> ScoreStore::open(const QString& databasePath, Locks locks) {
    Result<DatabaseConnection> opened = connections_.open(databasePath);
    if (!opened) return openFailure(databasePath, opened.error());
    DatabaseConnection connection = std::move(opened).value();
    if (const Result<void> checked = checkScoreTable(connection.database()); !checked)
        return Failure{checked.error()};
    if (locks == Locks::GiveUp) connection.stopWaitingForLocks();
    if (const Result<void> upToDate = bringUpToDate(connection, locks == Locks::WaitFor); !upToDate)
        return Failure{upToDate.error()};
    return connection;
}

Result<void> ScoreStore::check(const QString& databasePath) {
    const Result<DatabaseConnection> opened = open(databasePath, Locks::GiveUp);
    if (!opened) return Failure{opened.error()};
    const QSqlError error = opened->writeError();
    if (!error.isValid() || isLockError(error)) return {};
    return cannotWrite(error.text());
}

Result<void> ScoreStore::store(const QString& databasePath, const ScoreRecord& record) {
    const Result<bool> stored = insert(databasePath, record, Locks::WaitFor);
    if (!stored) return Failure{stored.error()};
    return {};
}

Result<bool> ScoreStore::tryStore(const QString& databasePath, const ScoreRecord& record) {
    return insert(databasePath, record, Locks::GiveUp);
}

Result<bool> ScoreStore::insert(const QString& databasePath, const ScoreRecord& record,
                                Locks locks) {
    const Result<DatabaseConnection> opened = open(databasePath, locks);
    if (!opened) return Failure{opened.error()};
    QSqlQuery insert(opened->database());
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?)")
                       .arg(ScoreTable::kName, ScoreTable::kColumns));
    insert.addBindValue(sdateText(record.day));
    insert.addBindValue(record.score);
    insert.addBindValue(record.speed);
    insert.addBindValue(record.level);
    insert.addBindValue(record.category);
    if (insert.exec()) return true;
    if (locks == Locks::GiveUp && isLockError(insert.lastError())) return false;
    return Failure{insert.lastError().text()};
}
