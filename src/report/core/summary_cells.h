#pragma once

#include "scores/core/practice_kind.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <optional>

// The summary table's 30 result cells, `Text1` to `Text30`, numbered row by row:
// one row per level, Easy first; five speed columns, fastest first, then the
// level's total.
inline constexpr int kSummaryColumns = 6;
inline constexpr int kSummaryCells = int(kLevels.size()) * kSummaryColumns;
// The speeds the dialog offers, fastest first as the columns stand.
inline constexpr auto kSummaryColumnMinutes = [] {
    auto minutes = kSpeedMinutes;
    std::reverse(minutes.begin(), minutes.end());
    return minutes;
}();

struct SummaryCell {
    QString text;
    bool bold = false;

    bool operator==(const SummaryCell&) const = default;
};
using SummaryCells = std::array<SummaryCell, kSummaryCells>;

// An average score as a whole percentage of a full sheet, rounded as "0%" rounds it.
int wholePercentOfFullSheet(double averageScore);
// An average score as a whole percentage of a full sheet ("0%"); empty when there
// is no sheet to average.
QString percentOfFullSheet(std::optional<double> averageScore);

// The cells of one category's summary from its records grouped by level and
// speed. A level's total averages all of its sheets, whatever their speed.
// Multiplication and division has no Easy level: that row reads "N/A".
SummaryCells summaryCells(PracticeKind kind, const QList<ScoreGroup>& groups);
