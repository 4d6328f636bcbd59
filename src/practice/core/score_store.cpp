#include "score_store.h"

#include "app/core/database_connections.h"

#include <QSqlError>
#include <QSqlQuery>

std::optional<QString> ScoreStore::store(const QString& databasePath, const ScoreRecord& record) {
    const DatabaseConnection connection = connections_.open(databasePath);
    if (!connection.isOpen()) return connection.error();
    QSqlQuery insert(connection.database());
    insert.prepare(
        QStringLiteral("INSERT INTO score (sdate, score, speed, lvl, cat) VALUES (?, ?, ?, ?, ?)"));
    insert.addBindValue(record.day.toString(Qt::ISODate));
    insert.addBindValue(record.score);
    insert.addBindValue(record.speed);
    insert.addBindValue(record.level);
    insert.addBindValue(record.category);
    if (!insert.exec()) return insert.lastError().text();
    return std::nullopt;
}
