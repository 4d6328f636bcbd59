#include "score_table.h"

#include "score_vocabulary.h"

#include "app/core/database_connections.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <functional>

namespace {

using namespace ScoreTable;

const QString kColumns = QStringList{kDate, kScore, kSpeed, kLevel, kCategory}.join(u", ");

// Raised whenever the schema changes, so that files made by earlier builds are
// brought up to date on open.
constexpr int kSchemaVersion = 3;

// The summary reads one category over a range of days level by level: one range
// scan per level, in the order its grouping needs, that never visits the table.
QString summaryIndexStatement() {
    return QStringLiteral("CREATE INDEX score_summary ON %1 (%2 COLLATE NOCASE, %3, %4, %5, %6)")
        .arg(kName, kCategory, kLevel, kDate, kSpeed, kScore);
}

// Records no summary may count: those lacking a speed, a date or a level, and test ones.
QString incompleteCondition() {
    return QStringLiteral("%1 IS NULL OR %2 IS NULL OR %3 IS NULL OR %3 = 'test' COLLATE NOCASE")
        .arg(kSpeed, kDate, kLevel);
}

// Holds only the incomplete records, so that their removal at every opening of
// the summary never scans the table. SQLite uses a partial index only for a
// condition written exactly as the index's.
QString incompleteIndexStatement() {
    return QStringLiteral("CREATE INDEX score_incomplete ON %1 (%2) WHERE %3")
        .arg(kName, kLevel, incompleteCondition());
}

// One row per level: the sum and count of its sheets, then of its sheets at each
// speed the screens offer. Grouped by level alone, the rows arrive in index order
// and need no sort; the speeds are told apart on the same pass, as exact texts.
QString summaryStatement() {
    QString statement = QStringLiteral("SELECT %1, total(%2), count(%2)").arg(kLevel, kScore);
    for (std::size_t i = 0; i < kSpeedMinutes.size(); ++i)
        statement += QStringLiteral(
                         ", total(%1) FILTER (WHERE %2 = ? COLLATE BINARY),"
                         " count(%1) FILTER (WHERE %2 = ? COLLATE BINARY)")
                         .arg(kScore, kSpeed);
    const QString levels = QStringList(qsizetype(kLevels.size()), QStringLiteral("?")).join(u", ");
    return statement + QStringLiteral(
                           " FROM %1 WHERE %2 = ? COLLATE NOCASE AND %3 IN (%4)"
                           " AND %5 BETWEEN ? AND ? GROUP BY %3")
                           .arg(kName, kCategory, kLevel, levels, kDate);
}

// Runs along the summary index, one range of days per level.
QString dailyStatement() {
    const QString levels = QStringList(qsizetype(kLevels.size()), QStringLiteral("?")).join(u", ");
    return QStringLiteral(
               "SELECT %1, %2, total(%3), count(%3) FROM %4 WHERE %5 = ? COLLATE NOCASE"
               " AND %2 IN (%6) AND %1 BETWEEN ? AND ? GROUP BY %2, %1")
        .arg(kDate, kLevel, kScore, kName, kCategory, levels);
}

ScoreRecord recordAt(const QSqlQuery& select) {
    return {readSdate(select.value(0).toString()), select.value(1).toInt(),
            select.value(2).toString(), select.value(3).toString(), select.value(4).toString()};
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

// Runs `work` as one transaction; returns the reason when it failed and was rolled back.
std::optional<QString> runInTransaction(QSqlDatabase db,
                                        const std::function<bool(QSqlQuery&)>& work) {
    if (!db.transaction()) return db.lastError().text();
    QSqlQuery query(db);
    const bool done = work(query);
    const QString error = done ? QString() : query.lastError().text();
    query.finish();
    if (done && db.commit()) return std::nullopt;
    const QString commitError = db.lastError().text();
    db.rollback();
    return done ? commitError : error;
}

// Gives a file made by an earlier build the indexes it lacks: the summary index
// took its present form in version 2, the index of incomplete records came in 3.
// No record is touched.
std::optional<QString> upgradeSchema(QSqlDatabase db) {
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return version.lastError().text();
    const int from = version.value(0).toInt();
    if (from >= kSchemaVersion) return std::nullopt;
    version.finish();
    return runInTransaction(db, [from](QSqlQuery& query) {
        return (from >= 2 || (query.exec(QStringLiteral("DROP INDEX IF EXISTS score_summary")) &&
                              query.exec(summaryIndexStatement()))) &&
               query.exec(QStringLiteral("DROP INDEX IF EXISTS score_incomplete")) &&
               query.exec(incompleteIndexStatement()) &&
               query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    });
}

QString cannotWrite(const QString& why) {
    return QStringLiteral("it cannot be written (%1)").arg(why);
}

struct OpenResult {
    DatabaseConnection connection;
    QString error;
};

OpenResult openUpToDate(DatabaseConnections& connections, const QString& databasePath) {
    DatabaseConnection connection = connections.open(databasePath);
    if (!connection.isOpen()) return {DatabaseConnection(), connection.error()};
    if (auto error = upgradeSchema(connection.database())) return {DatabaseConnection(), *error};
    return {std::move(connection), QString()};
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
    // fails is said to be no score database, unless it is one, which then cannot be
    // written, as in a folder where SQLite may not make its log.
    const QFileInfo file(databasePath);
    if (file.isFile() && file.isReadable()) {
        const auto notScores = scoreDatabaseProblem(databasePath);
        problem = notScores ? notScores : cannotWrite(*problem);
    }
    return connection;
}

std::optional<QString> ScoreStore::check(const QString& databasePath) {
    std::optional<QString> problem;
    const DatabaseConnection connection = open(databasePath, problem);
    if (problem) return problem;
    connection.stopWaitingForLocks();
    const QSqlError error = connection.writeError();
    if (!error.isValid() || isLockError(error)) return std::nullopt;
    return cannotWrite(error.text());
}

std::optional<QString> ScoreStore::store(const QString& databasePath, const ScoreRecord& record) {
    return insert(databasePath, record, true).error;
}

ScoreStore::Attempt ScoreStore::tryStore(const QString& databasePath, const ScoreRecord& record) {
    return insert(databasePath, record, false);
}

ScoreStore::Attempt ScoreStore::insert(const QString& databasePath, const ScoreRecord& record,
                                       bool waitForLocks) {
    std::optional<QString> problem;
    const DatabaseConnection connection = open(databasePath, problem);
    if (problem) return {problem};
    if (!waitForLocks) connection.stopWaitingForLocks();
    QSqlQuery insert(connection.database());
    insert.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?)").arg(kName, kColumns));
    insert.addBindValue(sdateText(record.day));
    insert.addBindValue(record.score);
    insert.addBindValue(record.speed);
    insert.addBindValue(record.level);
    insert.addBindValue(record.category);
    if (!insert.exec()) return {insert.lastError().text(), isLockError(insert.lastError())};
    return {};
}

ScoreStore::Records ScoreStore::readAll(const QString& databasePath) {
    return select(databasePath, QStringLiteral("ORDER BY rowid"), {});
}

ScoreStore::Groups ScoreStore::groups(const QString& databasePath, const QString& category,
                                      QDate first, QDate last) {
    const OpenResult opened = openUpToDate(connections_, databasePath);
    if (!opened.connection.isOpen()) return {{}, opened.error};
    QSqlQuery select(opened.connection.database());
    select.setForwardOnly(true);
    select.prepare(summaryStatement());
    for (const int minutes : kSpeedMinutes)
        for (int twice = 0; twice < 2; ++twice) select.addBindValue(speedText(minutes));
    select.addBindValue(category);
    for (const Level level : kLevels) select.addBindValue(levelName(level));
    select.addBindValue(sdateText(first));
    select.addBindValue(sdateText(last));
    if (!select.exec()) return {{}, select.lastError().text()};
    Groups result;
    while (select.next()) {
        const QString level = select.value(0).toString();
        ScoreGroup otherSpeeds{level, QString(), select.value(1).toDouble(),
                               select.value(2).toLongLong()};
        for (std::size_t i = 0; i < kSpeedMinutes.size(); ++i) {
            const ScoreGroup group{level, speedText(kSpeedMinutes[i]),
                                   select.value(int(3 + 2 * i)).toDouble(),
                                   select.value(int(4 + 2 * i)).toLongLong()};
            if (group.count == 0) continue;
            result.groups.append(group);
            otherSpeeds.total -= group.total;
            otherSpeeds.count -= group.count;
        }
        if (otherSpeeds.count > 0) result.groups.append(otherSpeeds);
    }
    if (select.lastError().isValid()) return {{}, select.lastError().text()};
    return result;
}

ScoreStore::Days ScoreStore::daily(const QString& databasePath, const QString& category,
                                   QDate first, QDate last) {
    const OpenResult opened = openUpToDate(connections_, databasePath);
    if (!opened.connection.isOpen()) return {{}, opened.error};
    QSqlQuery select(opened.connection.database());
    select.setForwardOnly(true);
    select.prepare(dailyStatement());
    select.addBindValue(category);
    for (const Level level : kLevels) select.addBindValue(levelName(level));
    select.addBindValue(sdateText(first));
    select.addBindValue(sdateText(last));
    if (!select.exec()) return {{}, select.lastError().text()};
    Days result;
    while (select.next())
        result.days.append({readSdate(select.value(0).toString()), select.value(1).toString(),
                            select.value(2).toDouble(), select.value(3).toLongLong()});
    if (select.lastError().isValid()) return {{}, select.lastError().text()};
    return result;
}

ScoreStore::Records ScoreStore::records(const QString& databasePath, QDate first, QDate last) {
    return select(databasePath,
                  QStringLiteral("WHERE %1 BETWEEN ? AND ? ORDER BY %1, rowid").arg(kDate),
                  {sdateText(first), sdateText(last)});
}

ScoreStore::Records ScoreStore::select(const QString& databasePath, const QString& clauses,
                                       const QVariantList& values) {
    std::optional<QString> problem;
    const DatabaseConnection connection = open(databasePath, problem);
    if (problem) return {{}, *problem};
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 %3").arg(kColumns, kName, clauses));
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) return {{}, query.lastError().text()};
    Records result;
    while (query.next()) result.records.append(recordAt(query));
    if (query.lastError().isValid()) return {{}, query.lastError().text()};
    return result;
}

std::optional<QString> ScoreStore::removeIncomplete(const QString& databasePath) {
    const OpenResult opened = openUpToDate(connections_, databasePath);
    if (!opened.connection.isOpen()) return opened.error;
    return runInTransaction(opened.connection.database(), [](QSqlQuery& remove) {
        return remove.exec(
            QStringLiteral("DELETE FROM %1 WHERE %2").arg(kName, incompleteCondition()));
    });
}

std::optional<QString> ScoreStore::removeDays(const QString& databasePath, QDate first,
                                              QDate last) {
    const OpenResult opened = openUpToDate(connections_, databasePath);
    if (!opened.connection.isOpen()) return opened.error;
    return runInTransaction(opened.connection.database(), [first, last](QSqlQuery& remove) {
        remove.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 BETWEEN ? AND ?").arg(kName, kDate));
        remove.addBindValue(sdateText(first));
        remove.addBindValue(sdateText(last));
        return remove.exec();
    });
}
