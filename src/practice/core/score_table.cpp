#include "score_table.h"

#include "app/core/database_connections.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

using namespace ScoreTable;

const QString kColumns = QStringList{kDate, kScore, kSpeed, kLevel, kCategory}.join(u", ");

// Text columns compare without regard to case, as the summary's "like" tests expect.
QStringList schemaStatements() {
    return {
        QStringLiteral("PRAGMA journal_mode=WAL"),
        QStringLiteral("PRAGMA user_version=1"),
        QStringLiteral("CREATE TABLE %1 (%2 TEXT, %3 INTEGER, %4 TEXT COLLATE NOCASE,"
                       " %5 TEXT COLLATE NOCASE, %6 TEXT COLLATE NOCASE)")
            .arg(kName, kDate, kScore, kSpeed, kLevel, kCategory),
        QStringLiteral("CREATE INDEX score_summary ON %1 (%2, %3, %4, %5)")
            .arg(kName, kCategory, kLevel, kSpeed, kDate),
    };
}

}  // namespace

QString sdateText(QDate day) {
    return day.toString(Qt::ISODate);
}

QDate readSdate(const QString& text) {
    return QDate::fromString(text, Qt::ISODate);
}

std::optional<QString> createScoreDatabase(const QString& path) {
    if (QFile::exists(path)) return QStringLiteral("\"%1\" exists already").arg(path);
    const QString connection = QStringLiteral("brenlo-create");
    std::optional<QString> error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            for (const QString& statement : schemaStatements()) {
                if (!query.exec(statement)) {
                    error = query.lastError().text();
                    break;
                }
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

std::optional<QString> ScoreStore::store(const QString& databasePath, const ScoreRecord& record) {
    const DatabaseConnection connection = connections_.open(databasePath);
    if (!connection.isOpen()) return connection.error();
    QSqlQuery insert(connection.database());
    insert.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?)").arg(kName, kColumns));
    insert.addBindValue(sdateText(record.day));
    insert.addBindValue(record.score);
    insert.addBindValue(record.speed);
    insert.addBindValue(record.level);
    insert.addBindValue(record.category);
    if (!insert.exec()) return insert.lastError().text();
    return std::nullopt;
}

ScoreStore::Records ScoreStore::readAll(const QString& databasePath) {
    const DatabaseConnection connection = connections_.open(databasePath);
    if (!connection.isOpen()) return {{}, connection.error()};
    QSqlQuery select(connection.database());
    select.setForwardOnly(true);
    if (!select.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(kColumns, kName)))
        return {{}, select.lastError().text()};
    Records result;
    while (select.next())
        result.records.append({readSdate(select.value(0).toString()), select.value(1).toInt(),
                               select.value(2).toString(), select.value(3).toString(),
                               select.value(4).toString()});
    return result;
}
