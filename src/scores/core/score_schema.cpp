#include "score_schema.h"

#include "answer_record.h"
#include "fact_totals.h"
#include "score_transaction.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <QCoreApplication>
#include <algorithm>

namespace {

using namespace ScoreTable;

// Raised whenever the schema changes, so that files made by earlier builds are
// brought up to date on open.
constexpr int kSchemaVersion = 6;

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

// A sheet's answers under its identifier; the copied record columns as in `score`,
// so that the incomplete condition reads the same on both tables.
QStringList answerStatements() {
    namespace A = AnswerTable;
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2 TEXT NOT NULL, %3 INTEGER NOT NULL,"
                       " %4 TEXT, %5 TEXT COLLATE NOCASE, %6 TEXT COLLATE NOCASE,"
                       " %7 TEXT COLLATE NOCASE, %8 INTEGER, %9 TEXT NOT NULL,")
                .arg(A::kName, A::kSheet, A::kPlace, kDate, kCategory, kLevel, kSpeed, kScore,
                     A::kRound) +
            QStringLiteral(" %1 INTEGER, %2 TEXT, %3 INTEGER, %4 TEXT, %5 TEXT, %6 INTEGER,"
                           " %7 REAL, PRIMARY KEY (%8, %9))")
                .arg(A::kLeft, A::kOperation, A::kRight, A::kExpected, A::kTyped, A::kMarkedRight,
                     A::kChanged, A::kSheet, A::kPlace),
        // Serves both a category's answers over a range of days and a range's clean-up.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answer_day ON %1 (%2, %3 COLLATE NOCASE)")
            .arg(A::kName, kDate, kCategory),
        QStringLiteral("CREATE INDEX IF NOT EXISTS answer_incomplete ON %1 (%2) WHERE %3")
            .arg(A::kName, kLevel, incompleteCondition()),
        // The wrong answers alone, one in five or so, whole and in the order a mistakes round
        // reads them, so that neither it nor the facts view visits the table's pages for them.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answer_wrong ON %1 (%2 COLLATE NOCASE, %3, %4,"
                       " %5, %6) WHERE %7 = 0")
            .arg(A::kName, kCategory, kDate, A::kSheet, A::kPlace,
                 QStringList{A::kOperation, A::kLeft, A::kRight, A::kTyped, A::kExpected, kLevel,
                             kSpeed, kScore, A::kRound, A::kMarkedRight, A::kChanged}
                     .join(u", "),
                 A::kMarkedRight),
    };
}

// The sheets the class server has taken, so that each is sent once; a database that
// is not a class's has it empty.
QString sentStatement() {
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2 TEXT PRIMARY KEY)")
        .arg(SentTable::kName, SentTable::kSheet);
}

// Text columns compare without regard to case, as the summary's "like" tests expect.
QStringList schemaStatements() {
    return QStringList{
               QStringLiteral("PRAGMA journal_mode=WAL"),
               QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion),
               QStringLiteral("CREATE TABLE %1 (%2 TEXT, %3 INTEGER, %4 TEXT COLLATE NOCASE,"
                              " %5 TEXT COLLATE NOCASE, %6 TEXT COLLATE NOCASE)")
                   .arg(kName, kDate, kScore, kSpeed, kLevel, kCategory),
               summaryIndexStatement(),
               incompleteIndexStatement(),
           } +
           answerStatements() + factTotalsStatements() + QStringList{sentStatement()};
}

bool runStatements(QSqlQuery& query, const QStringList& statements) {
    return std::all_of(statements.begin(), statements.end(),
                       [&query](const QString& statement) { return query.exec(statement); });
}

}  // namespace

QString incompleteCondition() {
    return QStringLiteral("%1 IS NULL OR %2 IS NULL OR %3 IS NULL OR %3 = 'test' COLLATE NOCASE")
        .arg(kSpeed, kDate, kLevel);
}

Result<void> createScoreDatabase(const QString& path) {
    if (QFile::exists(path))
        return Failure{
            QCoreApplication::translate("ScoreSchema", "\"%1\" exists already").arg(path)};
    const QString connection = QStringLiteral("brenlo-create");
    Result<void> created;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            created = Failure{db.lastError().text()};
        } else if (QSqlQuery query(db); !runStatements(query, schemaStatements())) {
            created = Failure{query.lastError().text()};
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return created;
}

Result<void> checkScoreTable(const QSqlDatabase& db) {
    const auto notScores = [](const QString& why) {
        return Failure{
            QCoreApplication::translate("ScoreSchema", "it is not a score database (%1)").arg(why)};
    };
    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(kName)))
        return notScores(columns.lastError().text());
    QStringList present;
    while (columns.next()) present.append(columns.value(1).toString().toLower());
    if (present.isEmpty())
        return notScores(
            QCoreApplication::translate("ScoreSchema", "it has no table \"%1\"").arg(kName));
    for (const QString& column : {kDate, kScore, kSpeed, kLevel, kCategory}) {
        if (!present.contains(column))
            return notScores(
                QCoreApplication::translate("ScoreSchema", "its table \"%1\" has no column \"%2\"")
                    .arg(kName, column));
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
// records came in 3, the answers in 4, the totals per fact in 5, the sheets sent to a
// class server in 6. A file restored or copied without the answers or the totals gets
// them whatever its version says.
Result<void> upgradeScoreSchema(const QSqlDatabase& db) {
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version),"
                                     " (SELECT count(*) FROM sqlite_master WHERE name IN"
                                     " ('%1', '%2', '%3'))")
                          .arg(AnswerTable::kName, FactTotalsTable::kDays,
                               FactTotalsTable::kMonths)) ||
        !version.next())
        return Failure{version.lastError().text()};
    const int from = version.value(0).toInt();
    const bool tables = version.value(1).toInt() == 3;
    if (from >= kSchemaVersion && tables) return {};
    version.finish();
    return runInTransaction(db, [from, tables](QSqlQuery& query) {
        const bool indexes =
            from >= 3 ||
            ((from >= 2 || (query.exec(QStringLiteral("DROP INDEX IF EXISTS score_summary")) &&
                            query.exec(summaryIndexStatement()))) &&
             query.exec(QStringLiteral("DROP INDEX IF EXISTS score_incomplete")) &&
             query.exec(incompleteIndexStatement()));
        return indexes && runStatements(query, answerStatements()) &&
               ((from >= 5 && tables) || remakeFactTotals(query)) &&
               (from >= 6 || query.exec(sentStatement())) &&
               query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    });
}
