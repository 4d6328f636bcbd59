#include "score_store.h"

#include "answer_record.h"
#include "date_texts.h"
#include "fact_totals.h"
#include "score_schema.h"
#include "score_transaction.h"

#include "app/core/database_connections.h"

#include <QSqlQuery>

using namespace ScoreTable;

// The totals per fact never hold incomplete records, so they stay as they are.
Result<void> ScoreStore::removeIncomplete(const QString& databasePath) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    return runInTransaction(opened->database(), [](QSqlQuery& remove) {
        const auto removeFrom = [&remove](const QString& table) {
            return remove.exec(
                QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, incompleteCondition()));
        };
        return removeFrom(AnswerTable::kName) && removeFrom(kName);
    });
}

Result<void> ScoreStore::removeDays(const QString& databasePath, QDate first, QDate last) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    return runInTransaction(opened->database(), [first, last](QSqlQuery& remove) {
        const auto removeFrom = [&](const QString& table) {
            remove.prepare(
                QStringLiteral("DELETE FROM %1 WHERE %2 BETWEEN ? AND ?").arg(table, kDate));
            remove.addBindValue(sdateText(first));
            remove.addBindValue(sdateText(last));
            return remove.exec();
        };
        return removeFromFactTotals(remove, first, last) && removeFrom(AnswerTable::kName) &&
               removeFrom(kName);
    });
}
