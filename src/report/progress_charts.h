#pragma once

#include "report/core/progress_series.h"
#include "report/core/summary_dates.h"

#include <QChart>

// The score of each day as a percentage of a full sheet, one line per level, with
// gaps on the days a level has no sheet; hovering a day names it.
QChart* makeScoresChart(const ProgressSeries& series, DayRange range, const QString& title);

// The number of sheets of each day, as bars; hovering a bar names its day.
QChart* makeSheetsChart(const ProgressSeries& series, DayRange range, const QString& title);
