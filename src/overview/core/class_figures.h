#pragma once

#include "report/core/facts_stats.h"

#include <QDate>
#include <QList>
#include <QString>

// What the teacher's overview shows of one class, read from the class server.

// A child of the class: sheets from Monday to today, and the last day practised.
struct ChildWeek {
    QString child;
    int sheetsThisWeek = 0;
    QDate lastDay;
};

// The sheets of one level and category over the chosen days.
struct LevelAverage {
    QString category;  // stored texts, never translated
    QString level;
    int sheets = 0;
    double averageScore = 0;
};

// A fact the class missed. `fact` counts the missed answers only (so its `asked` is
// the number of misses) with what was typed instead.
struct ClassMiss {
    FactStat fact;
    int children = 0;
};

struct ClassFigures {
    QList<ChildWeek> children;
    QList<LevelAverage> averages;
    QList<ClassMiss> misses;
};

// Monday of `today`'s week.
inline QDate weekStart(QDate today) {
    return today.addDays(1 - today.dayOfWeek());
}
