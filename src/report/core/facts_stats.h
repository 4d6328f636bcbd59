#pragma once

#include "scores/core/fact_totals.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What a range's answers tell of one fact (a problem with its operands).
struct FactStat : FactTotal {
    QMap<QString, int> wrongAnswers;  // typed text and how often

    int missed() const { return asked - answeredRight; }
    double share() const { return asked ? double(answeredRight) / asked : 0.0; }
    // The wrong answer typed most often; of equals, the first in text order.
    QString typicalWrong() const;
    // The mean of the timed gaps; none without any.
    std::optional<double> typicalSeconds() const;
    // "7 + 5", with the signs the screens show.
    QString problemText() const;
};

// The sign the screens show for a stored operation.
QString shownSign(const QString& operation);

// The facts of `totals`, in their order, with the wrong answers typed for each.
QList<FactStat> factStats(const QList<FactTotal>& totals, const QList<TypedWrong>& wrong);

// Where a fact sits in its operation's grid: sums and differences of numbers up to
// 20, products of the times tables up to 12 x 12, and their quotients by divisor
// (row) and quotient (column).
struct GridPlace {
    int row = 0;
    int column = 0;
    bool operator==(const GridPlace&) const = default;
};
std::optional<GridPlace> gridPlace(int left, const QString& operation, int right);
// Rows and columns of `operation`'s grid: 21 or 13, or 0 for an unknown sign.
int gridSize(const QString& operation);

// The facts outside every grid that were missed, most missed first, at most `limit`.
QList<FactStat> missedMost(const QList<FactStat>& facts, int limit);
