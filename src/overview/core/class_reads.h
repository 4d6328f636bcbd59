#pragma once

#include "class_figures.h"

#include "app/core/result.h"
#include "report/core/summary_dates.h"

#include <QSqlDatabase>
#include <QString>

// The overview's reads of one class through an open connection as the teacher's role.
// The sums are the server's, so that a year of answers never crosses the network.
class ClassReads {
public:
    // The facts list stops here: what a page and a teacher's attention hold.
    static constexpr int kMissedLimit = 20;

    ClassReads(QSqlDatabase database, QString className)
        : database_(std::move(database)), className_(std::move(className)) {}

    // Every child with a sheet up to `today`, by name, with this week's sheets.
    Result<QList<ChildWeek>> children(QDate today) const;
    // By category, then level in the program's order, then any other level by text.
    Result<QList<LevelAverage>> averages(const DayRange& days) const;
    // Most missed first; of equals, missed by more children, then by problem.
    Result<QList<ClassMiss>> missedMost(const DayRange& days, int limit = kMissedLimit) const;

    // All three, or the first failure.
    Result<ClassFigures> figures(const DayRange& days, QDate today) const;

private:
    QSqlDatabase database_;
    QString className_;
};
