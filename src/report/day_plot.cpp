#include "day_plot.h"

#include <QChart>
#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QToolTip>

namespace {

// Where Qt Charts stacks its series: above the grid and the axes, below the legend.
constexpr qreal kSeriesZ = 4;

void showTip(const QString& text) {
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text);
}

}  // namespace

DayPlot::DayPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale)
    : QGraphicsItem(chart), scale_(scale) {
    setAcceptHoverEvents(true);
    setZValue(kSeriesZ);
    QObject::connect(chart, &QChart::plotAreaChanged, anchor,
                     [this, chart, anchor] { follow(chart, anchor); });
}

// Both axes are linear: two points fix the mapping of every other.
void DayPlot::follow(QChart* chart, QAbstractSeries* anchor) {
    prepareGeometryChange();
    plot_ = chart->plotArea();
    const QPointF origin(scale_.xOf(scale_.first(), 0), 0);
    const QPointF a = chart->mapToPosition(origin, anchor);
    const QPointF b = chart->mapToPosition(origin + QPointF(DayScale::kDayMs, 1), anchor);
    const double sx = (b.x() - a.x()) / DayScale::kDayMs;
    toPosition_ = QTransform(sx, 0, 0, b.y() - a.y(), a.x() - origin.x() * sx, a.y());
    place();
    update();
}

std::pair<QDate, QDate> DayPlot::daysAround(QPointF position, double pixels) const {
    const QTransform toValue = toPosition_.inverted();
    return {scale_.dayAt(toValue.map(position - QPointF(pixels, 0)).x()),
            scale_.dayAt(toValue.map(position + QPointF(pixels, 0)).x())};
}

void DayPlot::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    showTip(tipAt(event->pos()));
}

void DayPlot::hoverLeaveEvent(QGraphicsSceneHoverEvent*) {
    showTip(QString());
}
