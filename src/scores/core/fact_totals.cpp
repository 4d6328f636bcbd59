#include "fact_totals.h"

#include "answer_record.h"
#include "score_schema.h"

#include <QSqlQuery>

namespace {

using namespace AnswerTable;
using ScoreTable::kCategory;
using ScoreTable::kDate;

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

}  // namespace

QString factTotalsStatement() {
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS %1 (%2 TEXT NOT NULL, %3 TEXT COLLATE NOCASE NOT NULL,"
               " %4 TEXT NOT NULL, %5 INTEGER NOT NULL, %6 INTEGER NOT NULL, %7 TEXT,"
               " asked INTEGER NOT NULL, answered_right INTEGER NOT NULL, timed INTEGER NOT NULL,"
               " timed_s REAL NOT NULL, PRIMARY KEY (%3, %2, %4, %5, %6)) WITHOUT ROWID")
        .arg(FactTotalsTable::kName, kDate, kCategory, kOperation, kLeft, kRight, kExpected);
}

bool addToFactTotals(QSqlQuery& query, const QString& condition, const QVariantList& values) {
    const QString fact = QStringList{kCategory, kDate, kOperation, kLeft, kRight}.join(u',');
    query.prepare(
        QStringLiteral(
            "INSERT INTO %1 (%2, %3, asked, answered_right, timed, timed_s)"
            " SELECT %2, max(%3), count(*), sum(%4 != 0), count(gap), total(gap) FROM"
            " (SELECT coalesce(%5, '') AS %5, %6, coalesce(%7, '') AS %7, %8, %9, %3, %4,")
                .arg(FactTotalsTable::kName, fact, kExpected, kMarkedRight, kCategory, kDate,
                     kOperation, kLeft, kRight) +
        QStringLiteral(" %1 AS gap FROM %2 WHERE (%3) AND NOT (%4)"
                       " WINDOW w AS (PARTITION BY %5 ORDER BY %6))"
                       " WHERE true GROUP BY %7 ON CONFLICT (%7) DO UPDATE SET"
                       " asked = asked + excluded.asked,"
                       " answered_right = answered_right + excluded.answered_right,"
                       " timed = timed + excluded.timed, timed_s = timed_s + excluded.timed_s")
            .arg(gapExpression(), kName, condition, incompleteCondition(), kSheet, kPlace, fact));
    for (const QVariant& value : values) query.addBindValue(value);
    return query.exec();
}

bool remakeFactTotals(QSqlQuery& query) {
    return query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(FactTotalsTable::kName)) &&
           query.exec(factTotalsStatement()) && addToFactTotals(query, QStringLiteral("true"), {});
}

QString factTotalsRead() {
    return QStringLiteral(
               "SELECT %1, %2, %3, max(%4), sum(asked), sum(answered_right), sum(timed),"
               " total(timed_s) FROM %5 WHERE %6 = ? COLLATE NOCASE AND %7 BETWEEN ? AND ?"
               " GROUP BY %2, %1, %3 ORDER BY %2, %1, %3")
        .arg(kLeft, kOperation, kRight, kExpected, FactTotalsTable::kName, kCategory, kDate);
}

// Runs along the partial index of wrong answers, which holds every column it reads.
QString typedWrongRead() {
    return QStringLiteral(
               "SELECT %1, %2, %3, %4, count(*) FROM %5 WHERE %6 = 0 AND %7 = ? COLLATE NOCASE"
               " AND %8 BETWEEN ? AND ? GROUP BY %2, %1, %3, %4")
        .arg(kLeft, kOperation, kRight, kTyped, kName, kMarkedRight, kCategory, kDate);
}
