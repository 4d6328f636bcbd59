#pragma once

#include "day_plot.h"

#include "report/core/progress_series.h"

#include <QColor>
#include <QHash>

// The number of sheets of each day as a bar within its day; a pointer over a bar names
// its day. A bar narrower than a pixel fills the pixel of its day, without smoothing,
// so that years of days stay solid and quick to draw.
class SheetsPlot final : public DayPlot {
public:
    SheetsPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale, const QList<DaySheets>& days,
               const QColor& colour);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QRectF barOf(QDate day, qint64 sheets) const;
    void place() override;
    QString tipAt(QPointF position) const override;

    QHash<QDate, qint64> sheets_;
    QList<QRectF> bars_;
    QColor colour_;
};
