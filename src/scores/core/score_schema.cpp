#include "score_schema.h"

#include "score_record.h"
#include "score_transaction.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

using namespace ScoreTable;

// Raised whenever the schema changes, so that files made by earlier builds are
// brought up to date on open.
constexpr int kSchemaVersion = 3;

// The summary reads one category over a range of days level by level: one range
// scan per level, in the order its grouping needs, that never visits the table.
QString summaryIndexStatement() {
    return QStringLiteral("CREATE INDEX score_summary ON %1 (%2 COLLATE NOCASE, %3, %4, %5, %6)")
        .arg(kName, kCategory, kLevel, kDate, kSpeed, kScore);
}

// Holds only the incomplete records, so that their removal at every opening of
// the summary never scans the table.
QString incompleteIndexStatement() {
    return QStringLiteral("CREATE INDEX score_incomplete ON %1 (%2) WHERE %3")
        .arg(kName, kLevel, incompleteCondition());
}

// Text columns compare without regard to case, as the summary's "like" tests expect.
QStringList schemaStatements() {
    return {
        QStringLiteral("PRAGMA journal_mode=WAL"),
        QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion),
        QStringLiteral("CREATE TABLE %1 (%2 TEXT, %3 INTEGER, %4 TEXT COLLATE NOCASE,"
                       " %5 TEXT COLLATE NOCASE, %6 TEXT COLLATE NOCASE)")
            .arg(kName, kDate, kScore, kSpeed, kLevel, kCategory),
        summaryIndexStatement(),
        incompleteIndexStatement(),
    };
}

Result<void> runStatements(const QSqlDatabase& db, const QStringList& statements) {
    QSqlQuery query(db);
    for (const QString& statement : statements)
        if (!query.exec(statement)) return Failure{query.lastError().text()};
    return {};
}

}  // namespace

QString incompleteCondition() {
    return QStringLiteral("%1 IS NULL OR %2 IS NULL OR %3 IS NULL OR %3 = 'test' COLLATE NOCASE")
        .arg(kSpeed, kDate, kLevel);
}

Result<void> createScoreDatabase(const QString& path) {
    if (QFile::exists(path)) return Failure{QStringLiteral("\"%1\" exists already").arg(path)};
    const QString connection = QStringLiteral("brenlo-create");
    Result<void> created;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        created = db.open() ? runStatements(db, schemaStatements())
                            : Result<void>(Failure{db.lastError().text()});
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return created;
}

Result<void> checkScoreTable(const QSqlDatabase& db) {
    const auto notScores = [](const QString& why) {
        return Failure{QStringLiteral("it is not a score database (%1)").arg(why)};
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
    return {};
}

Result<void> checkScoreDatabase(const QString& path) {
    const QString connection = QStringLiteral("brenlo-check");
    Result<void> checked;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        // Immutable: no lock, no log and no change, even to a database in log mode.
        db.setDatabaseName(QStringLiteral("file:") +
                           QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                           QStringLiteral("?mode=ro&immutable=1"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        checked = db.open() ? checkScoreTable(db) : Result<void>(Failure{db.lastError().text()});
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return checked;
}

// The summary index took its present form in version 2, the index of incomplete
// records came in 3.
Result<void> upgradeScoreSchema(const QSqlDatabase& db) {
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return Failure{version.lastError().text()};
    const int from = version.value(0).toInt();
    if (from >= kSchemaVersion) return {};
    version.finish();
    return runInTransaction(db, [from](QSqlQuery& query) {
        return (from >= 2 || (query.exec(QStringLiteral("DROP INDEX IF EXISTS score_summary")) &&
                              query.exec(summaryIndexStatement()))) &&
               query.exec(QStringLiteral("DROP INDEX IF EXISTS score_incomplete")) &&
               query.exec(incompleteIndexStatement()) &&
               query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    });
}
