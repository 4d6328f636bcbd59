#include "score_store.h"

#include "date_texts.h"
#include "score_vocabulary.h"

#include "app/core/database_connections.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

using namespace ScoreTable;

QString levelPlaceholders() {
    return QStringList(qsizetype(kLevels.size()), QStringLiteral("?")).join(u", ");
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
    return statement + QStringLiteral(
                           " FROM %1 WHERE %2 = ? COLLATE NOCASE AND %3 IN (%4)"
                           " AND %5 BETWEEN ? AND ? GROUP BY %3")
                           .arg(kName, kCategory, kLevel, levelPlaceholders(), kDate);
}

// Runs along the summary index, one range of days per level.
QString dailyStatement() {
    return QStringLiteral(
               "SELECT %1, %2, total(%3), count(%3) FROM %4 WHERE %5 = ? COLLATE NOCASE"
               " AND %2 IN (%6) AND %1 BETWEEN ? AND ? GROUP BY %2, %1")
        .arg(kDate, kLevel, kScore, kName, kCategory, levelPlaceholders());
}

// Binds a category, the five levels and a range of days, in the statements' order.
void bindCategoryRange(QSqlQuery& select, const QString& category, QDate first, QDate last) {
    select.addBindValue(category);
    for (const Level level : kLevels) select.addBindValue(levelName(level));
    select.addBindValue(sdateText(first));
    select.addBindValue(sdateText(last));
}

// A row of summaryStatement() as its level's groups: one per speed with sheets, and
// one without a speed for the rest.
QList<ScoreGroup> groupsAt(const QSqlQuery& select) {
    QList<ScoreGroup> groups;
    const QString level = select.value(0).toString();
    ScoreGroup otherSpeeds{level, QString(), select.value(1).toDouble(),
                           select.value(2).toLongLong()};
    for (std::size_t i = 0; i < kSpeedMinutes.size(); ++i) {
        const ScoreGroup group{level, speedText(kSpeedMinutes[i]),
                               select.value(int(3 + 2 * i)).toDouble(),
                               select.value(int(4 + 2 * i)).toLongLong()};
        if (group.count == 0) continue;
        groups.append(group);
        otherSpeeds.total -= group.total;
        otherSpeeds.count -= group.count;
    }
    if (otherSpeeds.count > 0) groups.append(otherSpeeds);
    return groups;
}

DailyScore dayAt(const QSqlQuery& select) {
    return {readSdate(select.value(0).toString()), select.value(1).toString(),
            select.value(2).toDouble(), select.value(3).toLongLong()};
}

ScoreRecord recordAt(const QSqlQuery& select) {
    return {readSdate(select.value(0).toString()), select.value(1).toInt(),
            select.value(2).toString(), select.value(3).toString(), select.value(4).toString()};
}

// Runs the prepared `select` and gathers what `read` makes of each row.
template <typename T, typename Read>
Result<QList<T>> gather(QSqlQuery& select, Read read) {
    if (!select.exec()) return Failure{select.lastError().text()};
    QList<T> rows;
    while (select.next()) rows.append(read(select));
    if (select.lastError().isValid()) return Failure{select.lastError().text()};
    return rows;
}

}  // namespace

Result<QList<ScoreRecord>> ScoreStore::readAll(const QString& databasePath) {
    return select(databasePath, QStringLiteral("ORDER BY rowid"), {});
}

Result<QList<ScoreGroup>> ScoreStore::groups(const QString& databasePath, const QString& category,
                                             QDate first, QDate last) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    QSqlQuery select(opened->database());
    select.setForwardOnly(true);
    select.prepare(summaryStatement());
    for (const int minutes : kSpeedMinutes)
        for (int twice = 0; twice < 2; ++twice) select.addBindValue(speedText(minutes));
    bindCategoryRange(select, category, first, last);
    const Result<QList<QList<ScoreGroup>>> levels = gather<QList<ScoreGroup>>(select, groupsAt);
    if (!levels) return Failure{levels.error()};
    QList<ScoreGroup> groups;
    for (const QList<ScoreGroup>& level : *levels) groups.append(level);
    return groups;
}

Result<QList<DailyScore>> ScoreStore::daily(const QString& databasePath, const QString& category,
                                            QDate first, QDate last) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    QSqlQuery select(opened->database());
    select.setForwardOnly(true);
    select.prepare(dailyStatement());
    bindCategoryRange(select, category, first, last);
    return gather<DailyScore>(select, dayAt);
}

Result<QList<ScoreRecord>> ScoreStore::records(const QString& databasePath, QDate first,
                                               QDate last) {
    return select(databasePath,
                  QStringLiteral("WHERE %1 BETWEEN ? AND ? ORDER BY %1, rowid").arg(kDate),
                  {sdateText(first), sdateText(last)});
}

Result<QList<ScoreRecord>> ScoreStore::select(const QString& databasePath, const QString& clauses,
                                              const QVariantList& values) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    QSqlQuery query(opened->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 %3").arg(kColumns, kName, clauses));
    for (const QVariant& value : values) query.addBindValue(value);
    return gather<ScoreRecord>(query, recordAt);
}
