#include "summary_cells.h"

#include <cmath>

namespace {

constexpr int kFullSheet = kProblemCount;
const QString kFullMarks = QStringLiteral("100%");
const QString kNotApplicable = QStringLiteral("N/A");

struct Sum {
    double total = 0;
    qint64 count = 0;

    void add(const ScoreGroup& group) {
        total += group.total;
        count += group.count;
    }
    std::optional<double> average() const {
        if (count == 0) return std::nullopt;
        return total / double(count);
    }
};

// Level names compare as a "like" without wildcards does: whole text, any case.
bool isLevel(const ScoreGroup& group, Level level) {
    return group.level.compare(levelName(level), Qt::CaseInsensitive) == 0;
}

SummaryCell cellFor(const Sum& sum) {
    const QString text = percentOfFullSheet(sum.average());
    return {text, text == kFullMarks};
}

}  // namespace

int wholePercentOfFullSheet(double averageScore) {
    return int(std::lround(averageScore / kFullSheet * 100));
}

QString percentOfFullSheet(std::optional<double> averageScore) {
    if (!averageScore) return {};
    return QStringLiteral("%1%").arg(wholePercentOfFullSheet(*averageScore));
}

SummaryCells summaryCells(PracticeKind kind, const QList<ScoreGroup>& groups) {
    SummaryCells cells;
    for (int row = 0; row < int(kLevels.size()); ++row) {
        const Level level = kLevels[row];
        SummaryCell* rowCells = &cells[row * kSummaryColumns];
        if (level == Level::Easy && kind == PracticeKind::MultiplicationDivision) {
            for (int column = 0; column < kSummaryColumns; ++column)
                rowCells[column] = {kNotApplicable, false};
            continue;
        }
        Sum levelSum;
        std::array<Sum, kSummaryColumnMinutes.size()> speedSums;
        for (const ScoreGroup& group : groups) {
            if (!isLevel(group, level)) continue;
            levelSum.add(group);
            for (int column = 0; column < int(kSummaryColumnMinutes.size()); ++column)
                if (group.speed == speedText(kSummaryColumnMinutes[column]))
                    speedSums[column].add(group);
        }
        for (int column = 0; column < int(speedSums.size()); ++column)
            rowCells[column] = cellFor(speedSums[column]);
        rowCells[kSummaryColumns - 1] = cellFor(levelSum);
    }
    return cells;
}
