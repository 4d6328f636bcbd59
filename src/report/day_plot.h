#pragma once

#include "day_scale.h"

#include <QGraphicsItem>
#include <QTransform>

#include <utility>

class QAbstractSeries;
class QChart;

// Days drawn over a chart's plot area, placed by the chart's own axes: follows the plot
// area as it moves and tells the pointer what it is over. Drawing the days here rather
// than as the chart's series keeps years of days cheap: a series strokes and outlines
// every point of them.
class DayPlot : public QGraphicsItem {
public:
    QRectF boundingRect() const override { return plot_; }

protected:
    // `anchor` is a series on the chart's axes, through which values map to positions.
    DayPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale);

    // Lays the days out again over plot_, after it has moved.
    virtual void place() = 0;
    // What the pointer at `position` is told; nothing hides the tip.
    virtual QString tipAt(QPointF position) const = 0;

    QPointF position(QDate day, double value, double fraction = 0.5) const {
        return toPosition_.map(QPointF(scale_.xOf(day, fraction), value));
    }
    // The first and the last day within `pixels` across of `position`: years of days
    // put several under one pixel.
    std::pair<QDate, QDate> daysAround(QPointF position, double pixels) const;

    const DayScale scale_;
    QRectF plot_;
    QTransform toPosition_;  // from an axis value to a position on the chart

private:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override { hoverMoveEvent(event); }
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void follow(QChart* chart, QAbstractSeries* anchor);
};
