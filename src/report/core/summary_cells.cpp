#include "summary_cells.h"

#include "score_sum.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr int kFullSheet = kProblemCount;
const QString kFullMarks = QStringLiteral("100%");
const char* const kNotApplicable = QT_TRANSLATE_NOOP("SummaryCells", "N/A");

// Level names compare as a "like" without wildcards does: whole text, any case.
bool isLevel(const ScoreGroup& group, Level level) {
    return group.level.compare(levelName(level), Qt::CaseInsensitive) == 0;
}

SummaryCell cellFor(const ScoreSum& sum) {
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
                rowCells[column] = {QCoreApplication::translate("SummaryCells", kNotApplicable),
                                    false};
            continue;
        }
        ScoreSum levelSum;
        std::array<ScoreSum, kSummaryColumnMinutes.size()> speedSums;
        for (const ScoreGroup& group : groups) {
            if (!isLevel(group, level)) continue;
            levelSum.add(group.total, group.count);
            for (int column = 0; column < int(kSummaryColumnMinutes.size()); ++column)
                if (group.speed == speedText(kSummaryColumnMinutes[column]))
                    speedSums[column].add(group.total, group.count);
        }
        for (int column = 0; column < int(speedSums.size()); ++column)
            rowCells[column] = cellFor(speedSums[column]);
        rowCells[kSummaryColumns - 1] = cellFor(levelSum);
    }
    return cells;
}
