#include "progress_series.h"

#include "score_sum.h"
#include "summary_cells.h"

#include <QMap>

#include <QCoreApplication>
#include <optional>

namespace {

std::optional<Level> levelNamed(const QString& name) {
    for (const Level level : kLevels)
        if (name.compare(levelName(level), Qt::CaseInsensitive) == 0) return level;
    return std::nullopt;
}

QString sheetsText(qint64 sheets) {
    // English picks its form here; a translation has a form per count for both texts.
    const int count = int(sheets);
    return sheets == 1 ? QCoreApplication::translate("ProgressSeries", "%n sheet", nullptr, count)
                       : QCoreApplication::translate("ProgressSeries", "%n sheets", nullptr, count);
}

}  // namespace

ProgressSeries progressSeries(const QList<DailyScore>& days) {
    // Ordered maps put the levels and the days in order and merge the letter cases.
    QMap<Level, QMap<QDate, ScoreSum>> byLevel;
    QMap<QDate, qint64> sheets;
    for (const DailyScore& day : days) {
        const std::optional<Level> level = levelNamed(day.level);
        if (!level || day.count <= 0) continue;
        byLevel[*level][day.day].add(day.total, day.count);
        sheets[day.day] += day.count;
    }
    ProgressSeries series;
    for (auto level = byLevel.cbegin(); level != byLevel.cend(); ++level) {
        LevelLine line{level.key(), {}};
        QDate previous;
        for (auto day = level->cbegin(); day != level->cend(); ++day) {
            if (!previous.isValid() || previous.daysTo(day.key()) != 1)
                line.runs.append(QList<LevelDay>());
            line.runs.last().append(
                LevelDay{day.key(), wholePercentOfFullSheet(*day->average()), day->count});
            previous = day.key();
        }
        series.lines.append(line);
    }
    for (auto day = sheets.cbegin(); day != sheets.cend(); ++day)
        series.sheetsPerDay.append({day.key(), day.value()});
    return series;
}

QString describeLevelDay(Level level, const LevelDay& day) {
    return QCoreApplication::translate("ProgressSeries", "%1, %2: %3% average of %4")
        .arg(day.day.toString(Qt::ISODate), shownText(levelName(level)),
             QString::number(day.percent), sheetsText(day.sheets));
}

QString describeDaySheets(const DaySheets& day) {
    return day.day.toString(Qt::ISODate) + QStringLiteral(": ") + sheetsText(day.sheets);
}
