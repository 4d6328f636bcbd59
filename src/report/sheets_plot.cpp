#include "sheets_plot.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// A bar fills the middle of its day, so that neighbouring days stay apart.
constexpr double kBarStart = 0.15;
constexpr double kBarEnd = 0.85;

}  // namespace

SheetsPlot::SheetsPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale,
                       const QList<DaySheets>& days, const QColor& colour)
    : DayPlot(chart, anchor, scale), colour_(colour) {
    for (const DaySheets& day : days) sheets_.insert(day.day, day.sheets);
}

QRectF SheetsPlot::barOf(QDate day, qint64 sheets) const {
    QRectF bar(position(day, qreal(sheets), kBarStart), position(day, 0, kBarEnd));
    if (bar.width() < 1) {  // the whole pixel its day's middle lies in
        bar.setLeft(std::floor(position(day, 0).x()));
        bar.setWidth(1);
    }
    return bar;
}

void SheetsPlot::place() {
    bars_.clear();
    for (auto day = sheets_.cbegin(); day != sheets_.cend(); ++day)
        bars_.append(barOf(day.key(), day.value()));
}

void SheetsPlot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing, bars_.size() <= plot_.width());
    for (const QRectF& bar : bars_) painter->fillRect(bar, colour_);
}

// Of the bars under the pointer, the one whose middle lies nearest.
QString SheetsPlot::tipAt(QPointF at) const {
    const auto [first, last] = daysAround(at, 1);
    QString tip;
    double nearest = std::numeric_limits<double>::max();
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const qint64 count = sheets_.value(day);
        const QRectF bar = barOf(day, count);
        if (count == 0 || !bar.contains(at) || std::abs(bar.center().x() - at.x()) > nearest)
            continue;
        nearest = std::abs(bar.center().x() - at.x());
        tip = describeDaySheets({day, count});
    }
    return tip;
}
