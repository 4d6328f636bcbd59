#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

class QSqlQuery;

// Beside `answer`, the totals of the answers per category and fact (left operand,
// operation, right operand): by day in `fact_day`, and again by month in `fact_month`,
// kept in the same transaction as each sheet, so that a view of a long range sums a
// few rows per fact rather than reading every answer. Records no summary may count are
// never added.
namespace FactTotalsTable {
inline const QString kDays = QStringLiteral("fact_day");
inline const QString kMonths = QStringLiteral("fact_month");
}  // namespace FactTotalsTable

// A gap between two boxes longer than this is a pause rather than time spent on the
// fact, and is left out of the time estimate.
inline constexpr double kTimedGapLimit = 60;

// A fact's answers over a range of days, summed.
struct FactTotal {
    int left = 0;
    QString operation;  // as stored: "+", "-", "x" or "/"
    int right = 0;
    QString expected;
    int asked = 0;
    int answeredRight = 0;
    // Gaps from the box before, where both were filled in order, up to kTimedGapLimit.
    int timed = 0;
    double timedSeconds = 0;
};

// How often one wrong answer was typed for a fact.
struct TypedWrong {
    int left = 0;
    QString operation;
    int right = 0;
    QString typed;
    int times = 0;
};

// Make the tables, when missing.
QStringList factTotalsStatements();

// Adds to the totals the answers that `condition` on table `answer` picks, with `values`
// bound in order.
bool addToFactTotals(QSqlQuery& query, const QString& condition, const QVariantList& values);
// Makes the totals afresh from every answer.
bool remakeFactTotals(QSqlQuery& query);
// Takes the days from `first` to `last` out of the totals.
bool removeFromFactTotals(QSqlQuery& query, QDate first, QDate last);

// A category's totals over a range by fact, in the order of operation, left and right
// operand: the statement, and its values for `category` from `first` to `last`.
QString factTotalsRead();
QVariantList factTotalsValues(const QString& category, QDate first, QDate last);
// The category's wrong answers over a range as (fact, typed, times); its values are the
// category, the first and the last day.
QString typedWrongRead();
