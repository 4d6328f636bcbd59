#include "score_transaction.h"

#include <QSqlQuery>

QSqlError runTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work) {
    if (!db.transaction()) return db.lastError();
    QSqlQuery query(db);
    const bool done = work(query);
    const QSqlError error = done ? QSqlError() : query.lastError();
    query.finish();
    if (done && db.commit()) return {};
    const QSqlError commitError = db.lastError();
    db.rollback();
    return done ? commitError : error;
}

Result<void> runInTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work) {
    const QSqlError error = runTransaction(std::move(db), work);
    if (!error.isValid()) return {};
    return Failure{error.text()};
}
