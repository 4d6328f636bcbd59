#include "score_table.h"

#include "app/core/database_connections.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

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

std::optional<QString> scoreTableProblem(const QSqlDatabase& db) {
    const auto notScores = [](const QString& why) {
        return QStringLiteral("it is not a score database (%1)").arg(why);
    };
    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(kName)))
        return notScores(columns.lastError().text());
    QStringList present;
    while (columns.next()) present.append(columns.value(1).toString().toLower());
    if (present.isEmpty()) return notScores(QStringLiteral("it has no table \"%1\"").arg(kName));
    for (const QString& column : {kDate, kScore, kSpeed, kLevel, kCategory}) {
        if (!present.contains(column))
            return notScores(
                QStringLiteral("its table \"%1\" has no column \"%2\"").arg(kName, column));
    }
    return std::nullopt;
}

std::optional<QString> scoreDatabaseProblem(const QString& path) {
    const QString connection = QStringLiteral("brenlo-check");
    std::optional<QString> problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        // Immutable: no lock, no log and no change, even to a database in log mode.
        db.setDatabaseName(QStringLiteral("file:") +
                           QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                           QStringLiteral("?mode=ro&immutable=1"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (!db.open())
            problem = db.lastError().text();
        else
            problem = scoreTableProblem(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return problem;
}

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

DatabaseConnection ScoreStore::open(const QString& databasePath, std::optional<QString>& problem) {
    DatabaseConnection connection = connections_.open(databasePath);
    if (connection.isOpen()) {
        problem = scoreTableProblem(connection.database());
        return connection;
    }
    problem = connection.error();
    // SQLite opens any file and fails only at its first read: a readable file that
    // fails is said to be no score database, unless it is one.
    const QFileInfo file(databasePath);
    if (file.isFile() && file.isReadable()) {
        if (auto notScores = scoreDatabaseProblem(databasePath)) problem = notScores;
    }
    return connection;
}

std::optional<QString> ScoreStore::check(const QString& databasePath) {
    std::optional<QString> problem;
    open(databasePath, problem);
    return problem;
}

std::optional<QString> ScoreStore::store(const QString& databasePath, const ScoreRecord& record) {
    std::optional<QString> problem;
    const DatabaseConnection connection = open(databasePath, problem);
    if (problem) return problem;
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
    std::optional<QString> problem;
    const DatabaseConnection connection = open(databasePath, problem);
    if (problem) return {{}, *problem};
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
