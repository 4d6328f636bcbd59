#pragma once

#include "answer_record.h"
#include "fact_totals.h"

#include "app/core/result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

class DatabaseConnection;
class DatabaseConnections;
class QSqlQuery;

// Reads and writes a user's score database; each call opens the file, works with
// bound values and releases the connection. Every call opens it the same way: it
// must be a score database, and one made by an earlier build is brought up to date.
class ScoreStore {
public:
    explicit ScoreStore(DatabaseConnections& connections) : connections_(connections) {}

    // Opens the file once to prove that it is a score database that can take a record.
    // A write lock another program holds is no reason to fail, and is not waited for.
    Result<void> check(const QString& databasePath);

    // Inserts a sheet's record and its answers in one transaction: all or nothing.
    Result<void> store(const QString& databasePath, const MarkedSheet& sheet);
    // A record without answers.
    Result<void> store(const QString& databasePath, const ScoreRecord& record) {
        return store(databasePath, MarkedSheet{{}, record, {}});
    }
    // As store(), but gives up at once while another program holds the file's write
    // lock: true when stored, false when locked out.
    Result<bool> tryStore(const QString& databasePath, const MarkedSheet& sheet);

    // Every record, in the order they were stored.
    Result<QList<ScoreRecord>> readAll(const QString& databasePath);

    // The records of `category` (in any letter case) from `first` to `last`, both
    // included, grouped by level and speed; a level's sheets at speeds the screens
    // never offer come as one group without a speed.
    Result<QList<ScoreGroup>> groups(const QString& databasePath, const QString& category,
                                     QDate first, QDate last);

    // The records of `category` (in any letter case) at the five levels from `first`
    // to `last`, both included, grouped by level and day.
    Result<QList<DailyScore>> daily(const QString& databasePath, const QString& category,
                                    QDate first, QDate last);

    // Every record of both categories from `first` to `last`, both included, by day
    // and, within a day, in the order they were stored.
    Result<QList<ScoreRecord>> records(const QString& databasePath, QDate first, QDate last);

    // The answers of `category` (in any letter case) from `first` to `last`, both
    // included, by day and, within a day, in the order they were stored; of every
    // category when `category` is empty.
    Result<QList<StoredAnswer>> answers(const QString& databasePath, const QString& category,
                                        QDate first, QDate last);

    // The totals per fact of `category` (in any letter case) from `first` to `last`,
    // both included, in the order of operation, left and right operand.
    Result<QList<FactTotal>> factTotals(const QString& databasePath, const QString& category,
                                        QDate first, QDate last);
    // The wrong answers typed over the same range, each with how often.
    Result<QList<TypedWrong>> typedWrong(const QString& databasePath, const QString& category,
                                         QDate first, QDate last);

    // What a round of mistakes is drawn from, ordered as answers(): the answers of
    // `category` (in any letter case) from `first` to `last` that were marked wrong, and
    // the `recent` most recent ones up to `last`. Reading only these keeps the draw quick.
    Result<QList<StoredAnswer>> answersToPractise(const QString& databasePath,
                                                  const QString& category, QDate first,
                                                  QDate last, int recent);

    // The sheets with answers that are not marked sent to the class server, their
    // answers in place order, leaving out those the clean-up of incomplete records
    // would delete.
    Result<QList<MarkedSheet>> unsentSheets(const QString& databasePath);
    // Marks a sheet the class server has taken; marking it again changes nothing.
    Result<void> markSent(const QString& databasePath, const QString& sheet);

    // Deletes, in every category, the records that lack a speed, a date or a
    // level, and those whose level is "test" in any letter case, with their answers.
    Result<void> removeIncomplete(const QString& databasePath);

    // Deletes every record and answer from `first` to `last`, both included, in one
    // transaction: all of them or, on failure, none.
    Result<void> removeDays(const QString& databasePath, QDate first, QDate last);

private:
    enum class Locks { WaitFor, GiveUp };
    // The one way in: connects, checks that the file is a score database and brings
    // it up to date. With Locks::GiveUp the connection gives up at once on a lock.
    Result<DatabaseConnection> open(const QString& databasePath, Locks locks = Locks::WaitFor);
    // True when stored; false when locked out, which only Locks::GiveUp reports.
    Result<bool> insert(const QString& databasePath, const MarkedSheet& sheet, Locks locks);
    // The rows `statement` picks with `values` bound in order, each as `read` makes it.
    template <typename T>
    Result<QList<T>> select(const QString& databasePath, const QString& statement,
                            const QVariantList& values, T (*read)(const QSqlQuery&));

    DatabaseConnections& connections_;
};
