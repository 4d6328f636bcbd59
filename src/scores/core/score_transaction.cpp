#include "score_transaction.h"

#include <QSqlError>
#include <QSqlQuery>

Result<void> runInTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work) {
    if (!db.transaction()) return Failure{db.lastError().text()};
    QSqlQuery query(db);
    const bool done = work(query);
    const QString error = done ? QString() : query.lastError().text();
    query.finish();
    if (done && db.commit()) return {};
    const QString commitError = db.lastError().text();
    db.rollback();
    return Failure{done ? commitError : error};
}
