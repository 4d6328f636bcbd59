#include "sheets_plot.h"

#include <QPainter>

#include <algorithm>

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

void SheetsPlot::place() {
    bars_.clear();
    for (auto day = sheets_.cbegin(); day != sheets_.cend(); ++day) {
        QRectF bar(position(day.key(), qreal(day.value()), kBarStart),
                   position(day.key(), 0, kBarEnd));
        bar.setWidth(std::max(bar.width(), 1.0));
        bars_.append(bar);
    }
}

void SheetsPlot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing, bars_.size() <= plot_.width());
    for (const QRectF& bar : bars_) painter->fillRect(bar, colour_);
}

QString SheetsPlot::tipAt(QPointF at) const {
    const QDate day = dayAt(at);
    const qint64 count = sheets_.value(day);
    if (count == 0 || at.y() < position(day, qreal(count)).y()) return QString();
    return describeDaySheets({day, count});
}
