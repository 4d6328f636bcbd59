#pragma once

#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QDate>
#include <QList>
#include <QString>

// One level's sheets on one day: their average as a whole percentage of a full
// sheet, rounded as the summary rounds it, and their number.
struct LevelDay {
    QDate day;
    int percent = 0;
    qint64 sheets = 0;

    bool operator==(const LevelDay&) const = default;
};

// A level's days, in runs of consecutive days: a day without a sheet of the level
// ends a run, so that a chart leaves a gap there rather than draw a zero.
struct LevelLine {
    Level level = Level::Easy;
    QList<QList<LevelDay>> runs;
};

struct DaySheets {
    QDate day;
    qint64 sheets = 0;
};

// What the progress window shows of one category: a line for each level present,
// Easy first, and the number of sheets of every day that has any, in day order.
struct ProgressSeries {
    QList<LevelLine> lines;
    QList<DaySheets> sheetsPerDay;
};

// From the records grouped by level and day, in any order; a level's name in any
// letter case is that level.
ProgressSeries progressSeries(const QList<DailyScore>& days);

// What a pointer over a day of a level's line, or a screen reader, is told.
QString describeLevelDay(Level level, const LevelDay& day);

// What a pointer over a day's bar is told.
QString describeDaySheets(const DaySheets& day);
