#include "fact_totals.h"

#include "answer_record.h"
#include "date_texts.h"
#include "score_schema.h"

#include <QSqlQuery>

namespace {

using namespace AnswerTable;
using FactTotalsTable::kDays;
using FactTotalsTable::kMonths;
using ScoreTable::kCategory;
using ScoreTable::kDate;

const QString kMonth = QStringLiteral("month");  // yyyy-mm

// A fact and its day or month: the key of either table.
QString keyOf(const QString& period) {
    return QStringList{kCategory, period, kOperation, kLeft, kRight}.join(u',');
}

QString monthText(QDate day) { return sdateText(day).left(7); }

QString tableStatement(const QString& table, const QString& period) {
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS %1 (%2 TEXT COLLATE NOCASE NOT NULL, %3 TEXT NOT NULL,"
               " %4 TEXT NOT NULL, %5 INTEGER NOT NULL, %6 INTEGER NOT NULL, %7 TEXT,"
               " asked INTEGER NOT NULL, answered_right INTEGER NOT NULL, timed INTEGER NOT NULL,"
               " timed_s REAL NOT NULL, PRIMARY KEY (%2, %3, %4, %5, %6)) WITHOUT ROWID")
        .arg(table, kCategory, period, kOperation, kLeft, kRight, kExpected);
}

// Adds what `select` gives, in the order of the table's columns, to `table`'s totals.
bool upsert(QSqlQuery& query, const QString& table, const QString& period, const QString& select,
            const QVariantList& values) {
    query.prepare(QStringLiteral("INSERT INTO %1 %2 ON CONFLICT (%3) DO UPDATE SET"
                                 " asked = asked + excluded.asked,"
                                 " answered_right = answered_right + excluded.answered_right,"
                                 " timed = timed + excluded.timed,"
                                 " timed_s = timed_s + excluded.timed_s")
                      .arg(table, select, keyOf(period)));
    for (const QVariant& value : values) query.addBindValue(value);
    return query.exec();
}

// The time on a box: only when it and the box before were each filled after their own
// predecessor and before their successor, so that a box corrected later or skipped and
// come back to gives no figure.
QString gapExpression() {
    return QStringLiteral(
               "CASE WHEN lag(%1) OVER w = %1 - 1 AND lag(%2) OVER w < %2"
               " AND (%1 < 2 OR (lag(%1, 2) OVER w = %1 - 2 AND lag(%2, 2) OVER w < lag(%2) OVER w))"
               " AND (lead(%1) OVER w IS NOT %1 + 1 OR lead(%2) OVER w IS NULL"
               " OR %2 < lead(%2) OVER w) AND %2 - lag(%2) OVER w <= %3"
               " THEN %2 - lag(%2) OVER w END")
        .arg(kPlace, kChanged)
        .arg(kTimedGapLimit);
}

// The complete records' answers that `condition` picks, summed by fact and `period`, an
// expression of their day.
QString answerSums(const QString& period, const QString& condition) {
    return QStringLiteral(
               "SELECT %1, %2, %3, %4, %5, max(%6), count(*), sum(%7 != 0), count(gap), total(gap)"
               " FROM (SELECT coalesce(%1, '') AS %1, %8 AS %2, coalesce(%3, '') AS %3, %4, %5,"
               " %6, %7, %9 AS gap")
               .arg(kCategory, kMonth, kOperation, kLeft, kRight, kExpected, kMarkedRight, period,
                    gapExpression()) +
           QStringLiteral(" FROM %1 WHERE (%2) AND NOT (%3) WINDOW w AS (PARTITION BY %4 ORDER BY"
                          " %5)) WHERE true GROUP BY %6")
               .arg(kName, condition, incompleteCondition(), kSheet, kPlace, keyOf(kMonth));
}

// The day totals that `condition` picks, summed by month.
QString monthSums(const QString& condition) {
    return QStringLiteral(
               "SELECT %1, substr(%2, 1, 7), %3, %4, %5, max(%6), sum(asked),"
               " sum(answered_right), sum(timed), total(timed_s) FROM %7 WHERE %8"
               " GROUP BY %1, substr(%2, 1, 7), %3, %4, %5")
        .arg(kCategory, kDate, kOperation, kLeft, kRight, kExpected, kDays, condition);
}

}  // namespace

QStringList factTotalsStatements() {
    return {tableStatement(kDays, kDate), tableStatement(kMonths, kMonth)};
}

bool addToFactTotals(QSqlQuery& query, const QString& condition, const QVariantList& values) {
    return upsert(query, kDays, kDate, answerSums(kDate, condition), values) &&
           upsert(query, kMonths, kMonth,
                  answerSums(QStringLiteral("substr(%1, 1, 7)").arg(kDate), condition), values);
}

bool remakeFactTotals(QSqlQuery& query) {
    for (const QString& table : {kDays, kMonths})
        if (!query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table))) return false;
    const QStringList statements = factTotalsStatements();
    return query.exec(statements[0]) && query.exec(statements[1]) &&
           upsert(query, kDays, kDate, answerSums(kDate, QStringLiteral("true")), {}) &&
           upsert(query, kMonths, kMonth, monthSums(QStringLiteral("true")), {});
}

// The months the range touches are made again from the days left of them.
bool removeFromFactTotals(QSqlQuery& query, QDate first, QDate last) {
    const auto run = [&query](const QString& statement, const QVariantList& values) {
        query.prepare(statement);
        for (const QVariant& value : values) query.addBindValue(value);
        return query.exec();
    };
    const QVariantList months{monthText(first), monthText(last)};
    return run(QStringLiteral("DELETE FROM %1 WHERE %2 BETWEEN ? AND ?").arg(kDays, kDate),
               {sdateText(first), sdateText(last)}) &&
           run(QStringLiteral("DELETE FROM %1 WHERE %2 BETWEEN ? AND ?").arg(kMonths, kMonth),
               months) &&
           upsert(query, kMonths, kMonth,
                  monthSums(QStringLiteral("substr(%1, 1, 7) BETWEEN ? AND ?").arg(kDate)),
                  months);
}

// The whole months from the month totals, the days before and after them from the day
// totals; each part a range of its table's key.
QString factTotalsRead() {
    const QString sums = QStringLiteral("%1, %2, %3, %4, asked, answered_right, timed, timed_s")
                             .arg(kLeft, kOperation, kRight, kExpected);
    const QString part = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? COLLATE NOCASE"
                                        " AND %4 BETWEEN ? AND ?");
    return QStringLiteral(
               "SELECT %1, %2, %3, max(%4), sum(asked), sum(answered_right), sum(timed),"
               " total(timed_s) FROM (%5 UNION ALL %6 UNION ALL %7) GROUP BY %2, %1, %3"
               " ORDER BY %2, %1, %3")
        .arg(kLeft, kOperation, kRight, kExpected, part.arg(sums, kMonths, kCategory, kMonth),
             part.arg(sums, kDays, kCategory, kDate), part.arg(sums, kDays, kCategory, kDate));
}

QVariantList factTotalsValues(const QString& category, QDate first, QDate last) {
    const QDate wholeFrom = first.day() == 1 ? first : first.addDays(1 - first.day()).addMonths(1);
    const QDate wholeTo = last.addDays(1).day() == 1 ? last : last.addDays(-last.day());
    if (wholeFrom > wholeTo)  // no whole month: the days alone; a null bound picks nothing
        return {category, QVariant(), QVariant(), category, sdateText(first), sdateText(last),
                category, QVariant(),  QVariant()};
    return {category,          monthText(wholeFrom),          monthText(wholeTo),
            category,          sdateText(first),              sdateText(wholeFrom.addDays(-1)),
            category,          sdateText(wholeTo.addDays(1)), sdateText(last)};
}

// Runs along the partial index of wrong answers, which holds every column it reads.
QString typedWrongRead() {
    return QStringLiteral(
               "SELECT %1, %2, %3, %4, count(*) FROM %5 WHERE %6 = 0 AND %7 = ? COLLATE NOCASE"
               " AND %8 BETWEEN ? AND ? GROUP BY %2, %1, %3, %4")
        .arg(kLeft, kOperation, kRight, kTyped, kName, kMarkedRight, kCategory, kDate);
}
