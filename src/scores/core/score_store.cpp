#include "score_store.h"

#include "date_texts.h"
#include "fact_totals.h"
#include "score_schema.h"
#include "score_transaction.h"

#include "app/core/database_connections.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

Failure cannotWrite(const QString& why) {
    return Failure{QCoreApplication::translate("ScoreStore", "it cannot be written (%1)").arg(why)};
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

bool insertRecord(QSqlQuery& insert, const ScoreRecord& record) {
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?)")
                       .arg(ScoreTable::kName, ScoreTable::kColumns));
    for (const QVariant& value :
         {QVariant(sdateText(record.day)), QVariant(record.score), QVariant(record.speed),
          QVariant(record.level), QVariant(record.category)})
        insert.addBindValue(value);
    return insert.exec();
}

// Cut at the bound, but never between the halves of a character.
QString boundedTyped(const QString& typed) {
    if (typed.size() <= kTypedLimit) return typed;
    return typed.left(typed.at(kTypedLimit - 1).isHighSurrogate() ? kTypedLimit - 1 : kTypedLimit);
}

bool insertAnswers(QSqlQuery& insert, const MarkedSheet& sheet) {
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(AnswerTable::kName, AnswerTable::kColumns,
                            QStringList(15, QStringLiteral("?")).join(u',')));
    const ScoreRecord& r = sheet.record;
    for (const AnswerRecord& a : sheet.answers) {
        const QVariant changed = a.changedSeconds ? QVariant(*a.changedSeconds) : QVariant();
        for (const QVariant& value :
             {QVariant(sheet.id), QVariant(sdateText(r.day)), QVariant(r.category),
              QVariant(r.level), QVariant(r.speed), QVariant(r.score), QVariant(a.round),
              QVariant(a.place), QVariant(a.left), QVariant(a.operation), QVariant(a.right),
              QVariant(a.expected), QVariant(boundedTyped(a.typed)), QVariant(int(a.markedRight)),
              changed})
            insert.addBindValue(value);
        if (!insert.exec()) return false;
    }
    return true;
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

Result<void> ScoreStore::store(const QString& databasePath, const MarkedSheet& sheet) {
    const Result<bool> stored = insert(databasePath, sheet, Locks::WaitFor);
    if (!stored) return Failure{stored.error()};
    return {};
}

Result<bool> ScoreStore::tryStore(const QString& databasePath, const MarkedSheet& sheet) {
    return insert(databasePath, sheet, Locks::GiveUp);
}

Result<bool> ScoreStore::insert(const QString& databasePath, const MarkedSheet& sheet,
                                Locks locks) {
    const Result<DatabaseConnection> opened = open(databasePath, locks);
    if (!opened) return Failure{opened.error()};
    const QSqlError error = runTransaction(opened->database(), [&sheet](QSqlQuery& insert) {
        return insertRecord(insert, sheet.record) && insertAnswers(insert, sheet) &&
               addToFactTotals(insert, AnswerTable::kSheet + QStringLiteral(" = ?"), {sheet.id});
    });
    if (!error.isValid()) return true;
    if (locks == Locks::GiveUp && isLockError(error)) return false;
    return Failure{error.text()};
}

// Short, so that it never holds a store up for long.
Result<void> ScoreStore::markSent(const QString& databasePath, const QString& sheet) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    QSqlQuery mark(opened->database());
    mark.prepare(QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (?)")
                     .arg(SentTable::kName, SentTable::kSheet));
    mark.addBindValue(sheet);
    if (!mark.exec()) return Failure{mark.lastError().text()};
    return {};
}
