#include "score_store.h"

#include "date_texts.h"
#include "score_schema.h"
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

// A category, the five levels and a range of days, in the statements' order.
QVariantList categoryRange(const QString& category, QDate first, QDate last) {
    QVariantList values{category};
    for (const Level level : kLevels) values.append(levelName(level));
    return values << sdateText(first) << sdateText(last);
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

// Every column of the records the clauses after FROM pick.
QString recordsStatement(const QString& clauses) {
    return QStringLiteral("SELECT %1 FROM %2 %3").arg(kColumns, kName, clauses);
}

ScoreRecord recordAt(const QSqlQuery& select) {
    return {readSdate(select.value(0).toString()), select.value(1).toInt(),
            select.value(2).toString(), select.value(3).toString(), select.value(4).toString()};
}

// A row of AnswerTable::kColumns.
StoredAnswer answerAt(const QSqlQuery& select) {
    const auto text = [&select](int i) { return select.value(i).toString(); };
    const auto number = [&select](int i) { return select.value(i).toInt(); };
    const QVariant changed = select.value(14);
    return {
        text(0),
        {readSdate(text(1)), number(5), text(4), text(3), text(2)},
        {number(7), text(6), number(8), text(9), number(10), text(11), text(12), number(13) != 0,
         changed.isNull() ? std::nullopt : std::optional<double>(changed.toDouble())}};
}

FactTotal factTotalAt(const QSqlQuery& select) {
    const auto number = [&select](int i) { return select.value(i).toInt(); };
    return {number(0),         select.value(1).toString(), number(2), select.value(3).toString(),
            number(4),         number(5),                  number(6),
            select.value(7).toDouble()};
}

TypedWrong typedWrongAt(const QSqlQuery& select) {
    return {select.value(0).toInt(), select.value(1).toString(), select.value(2).toInt(),
            select.value(3).toString(), select.value(4).toInt()};
}

}  // namespace

template <typename T>
Result<QList<T>> ScoreStore::select(const QString& databasePath, const QString& statement,
                                    const QVariantList& values, T (*read)(const QSqlQuery&)) {
    const Result<DatabaseConnection> opened = open(databasePath);
    if (!opened) return Failure{opened.error()};
    QSqlQuery query(opened->database());
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) return Failure{query.lastError().text()};
    QList<T> rows;
    while (query.next()) rows.append(read(query));
    if (query.lastError().isValid()) return Failure{query.lastError().text()};
    return rows;
}

Result<QList<ScoreRecord>> ScoreStore::readAll(const QString& databasePath) {
    return select(databasePath, recordsStatement(QStringLiteral("ORDER BY rowid")), {}, recordAt);
}

Result<QList<ScoreGroup>> ScoreStore::groups(const QString& databasePath, const QString& category,
                                             QDate first, QDate last) {
    QVariantList values;
    for (const int minutes : kSpeedMinutes) values << speedText(minutes) << speedText(minutes);
    const Result<QList<QList<ScoreGroup>>> levels = select(
        databasePath, summaryStatement(), values + categoryRange(category, first, last), groupsAt);
    if (!levels) return Failure{levels.error()};
    QList<ScoreGroup> groups;
    for (const QList<ScoreGroup>& level : *levels) groups.append(level);
    return groups;
}

Result<QList<DailyScore>> ScoreStore::daily(const QString& databasePath, const QString& category,
                                            QDate first, QDate last) {
    return select(databasePath, dailyStatement(), categoryRange(category, first, last), dayAt);
}

Result<QList<StoredAnswer>> ScoreStore::answersToPractise(const QString& databasePath,
                                                          const QString& category, QDate first,
                                                          QDate last, int recent) {
    // The wrong ones come whole from their partial index, in order; the recent right ones
    // are merged in. A sheet's rows are stored together, so the newest rows are whole
    // sheets but the oldest.
    return select(databasePath,
                  QStringLiteral("SELECT %1 FROM %2 WHERE %7 = 0 AND %4 = ? COLLATE NOCASE"
                                 " AND %3 BETWEEN ? AND ? UNION ALL SELECT %1 FROM %2 WHERE"
                                 " %7 != 0 AND %3 >= ? AND rowid IN (SELECT rowid FROM %2 WHERE"
                                 " %3 <= ? AND %4 = ? COLLATE NOCASE ORDER BY %3 DESC, rowid DESC"
                                 " LIMIT ?) ORDER BY %3, %5, %6")
                      .arg(AnswerTable::kColumns, AnswerTable::kName, kDate, kCategory,
                           AnswerTable::kSheet, AnswerTable::kPlace, AnswerTable::kMarkedRight),
                  {category, sdateText(first), sdateText(last), sdateText(first), sdateText(last),
                   category, recent},
                  answerAt);
}

Result<QList<ScoreRecord>> ScoreStore::records(const QString& databasePath, QDate first,
                                               QDate last) {
    return select(
        databasePath,
        recordsStatement(QStringLiteral("WHERE %1 BETWEEN ? AND ? ORDER BY %1, rowid").arg(kDate)),
        {sdateText(first), sdateText(last)}, recordAt);
}

Result<QList<StoredAnswer>> ScoreStore::answers(const QString& databasePath,
                                                const QString& category, QDate first, QDate last) {
    return select(databasePath,
                  QStringLiteral("SELECT %1 FROM %2 WHERE %3 BETWEEN ? AND ? AND"
                                 " (coalesce(?, '') = '' OR %4 = ? COLLATE NOCASE)"
                                 " ORDER BY %3, rowid")
                      .arg(AnswerTable::kColumns, AnswerTable::kName, kDate, kCategory),
                  {sdateText(first), sdateText(last), category, category}, answerAt);
}

Result<QList<MarkedSheet>> ScoreStore::unsentSheets(const QString& databasePath) {
    const Result<QList<StoredAnswer>> rows = select(
        databasePath,
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 NOT IN (SELECT %4 FROM %5) AND NOT (%6)"
                       " ORDER BY %3, %7")
            .arg(AnswerTable::kColumns, AnswerTable::kName, AnswerTable::kSheet, SentTable::kSheet,
                 SentTable::kName, incompleteCondition(), AnswerTable::kPlace),
        {}, answerAt);
    if (!rows) return Failure{rows.error()};
    QList<MarkedSheet> sheets;
    for (const StoredAnswer& row : *rows) {
        if (sheets.isEmpty() || sheets.last().id != row.sheet)
            sheets.append({row.sheet, row.record, {}});
        sheets.last().answers.append(row.answer);
    }
    return sheets;
}

Result<QList<FactTotal>> ScoreStore::factTotals(const QString& databasePath,
                                                const QString& category, QDate first, QDate last) {
    return select(databasePath, factTotalsRead(), factTotalsValues(category, first, last),
                  factTotalAt);
}

Result<QList<TypedWrong>> ScoreStore::typedWrong(const QString& databasePath,
                                                 const QString& category, QDate first, QDate last) {
    return select(databasePath, typedWrongRead(), {category, sdateText(first), sdateText(last)},
                  typedWrongAt);
}
