#pragma once

#include "day_plot.h"

#include "report/core/progress_series.h"

#include <QHash>
#include <QPainterPath>

// A level keeps its colour in both categories.
QColor levelColour(Level level);

// Each level's daily scores: runs of days joined by lines, a dot on each day, a gap
// where a day has no sheet; a pointer near a day's dot names it. A level with more
// days than the plot has pixel columns is drawn as one upright span per column, what
// its lines and dots cover there, so that years of days cost no more than the plot's
// width to draw.
class ScoresPlot final : public DayPlot {
public:
    ScoresPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale,
               const QList<LevelLine>& lines);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    struct Trace {
        Level level = Level::Easy;
        QList<QList<LevelDay>> runs;
        QHash<QDate, LevelDay> days;
        QPainterPath lines;
        QList<QPointF> dots;
        QList<QRectF> spans;  // when drawn by pixel columns
    };

    void place() override;
    void placeSpans(Trace& trace) const;
    QString tipAt(QPointF position) const override;

    QList<Trace> traces_;
};
