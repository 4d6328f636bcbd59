#pragma once

#include <QString>
#include <QVariantList>

class QSqlQuery;

// The table `fact_day` beside `answer`: per day, category and fact (left operand,
// operation, right operand), the totals of that day's answers, kept in the same
// transaction as each sheet, so that a view of a long range sums a few rows per fact
// rather than reading every answer. Records no summary may count are never added.
namespace FactTotalsTable {
inline const QString kName = QStringLiteral("fact_day");
}

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

// Makes the table, when missing.
QString factTotalsStatement();

// Adds to the totals the complete records' answers that `condition` on table `answer`
// picks, with `values` bound in order.
bool addToFactTotals(QSqlQuery& query, const QString& condition, const QVariantList& values);

// Makes the totals afresh from every answer.
bool remakeFactTotals(QSqlQuery& query);

// The category's totals from `first` to `last` (yyyy-mm-dd, both included) by fact, in
// the order of operation, left and right operand.
QString factTotalsRead();
// The category's wrong answers over the range as (fact, typed, times).
QString typedWrongRead();
