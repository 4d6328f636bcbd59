#include "scores_plot.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

constexpr double kDotRadius = 3.5;
// How far from a dot the pointer still names its day.
constexpr double kReach = 8;

QImage dotOf(const QColor& colour) {
    QImage dot(7, 7, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(dot.rect());
    return dot;
}

}  // namespace

QColor levelColour(Level level) {
    static const QColor colours[] = {QColor(0x2e, 0x8b, 0x57), QColor(0x1f, 0x5f, 0xbf),
                                     QColor(0xe0, 0x8a, 0x00), QColor(0xc0, 0x27, 0x2d),
                                     QColor(0x7b, 0x3f, 0xa0)};
    return colours[int(level)];
}

ScoresPlot::ScoresPlot(QChart* chart, QAbstractSeries* anchor, DayScale scale,
                       const QList<LevelLine>& lines)
    : DayPlot(chart, anchor, scale) {
    for (const LevelLine& line : lines) {
        Trace trace{line.level, line.runs, {}, {}, {}, {}};
        for (const QList<LevelDay>& run : line.runs)
            for (const LevelDay& day : run) trace.days.insert(day.day, day);
        traces_.append(trace);
    }
}

void ScoresPlot::place() {
    for (Trace& trace : traces_) {
        trace.lines.clear();
        trace.dots.clear();
        trace.spans.clear();
        if (trace.days.size() > plot_.width()) {
            placeSpans(trace);
            continue;
        }
        for (const QList<LevelDay>& run : trace.runs) {
            trace.lines.moveTo(position(run.first().day, run.first().percent));
            for (const LevelDay& day : run) {
                trace.dots.append(position(day.day, day.percent));
                trace.lines.lineTo(trace.dots.last());
            }
        }
    }
}

// Each pixel column spans what the level's dots and the lines between them reach there.
void ScoresPlot::placeSpans(Trace& trace) const {
    const double left = std::floor(plot_.left());
    const int columns = int(std::ceil(plot_.right()) - left) + 1;
    QList<std::pair<double, double>> reach(
        columns, {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()});
    const auto columnOf = [&](QPointF p) {
        return std::clamp(int(std::floor(p.x()) - left), 0, columns - 1);
    };
    for (const QList<LevelDay>& run : trace.runs) {
        QPointF previous = position(run.first().day, run.first().percent);
        for (const LevelDay& day : run) {
            const QPointF p = position(day.day, day.percent);
            const auto [low, high] = std::minmax({previous.y(), p.y()});
            for (int c = std::min(columnOf(previous), columnOf(p));
                 c <= std::max(columnOf(previous), columnOf(p)); ++c)
                reach[c] = {std::min(reach[c].first, low), std::max(reach[c].second, high)};
            previous = p;
        }
    }
    for (int c = 0; c < columns; ++c)
        if (reach[c].first <= reach[c].second)
            trace.spans.append(QRectF(left + c, reach[c].first - kDotRadius, 1,
                                      reach[c].second - reach[c].first + 2 * kDotRadius));
}

void ScoresPlot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    for (const Trace& trace : traces_) {
        const QColor colour = levelColour(trace.level);
        painter->setRenderHint(QPainter::Antialiasing, trace.spans.isEmpty());
        for (const QRectF& span : trace.spans) painter->fillRect(span, colour);
        painter->setPen(QPen(colour, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(trace.lines);
        const QImage dot = dotOf(colour);
        for (const QPointF& at : trace.dots)
            painter->drawImage(at - QPointF(kDotRadius, kDotRadius), dot);
    }
}

// The nearest dot within reach.
QString ScoresPlot::tipAt(QPointF at) const {
    const auto [first, last] = daysAround(at, kReach);
    QString tip;
    double nearest = kReach;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        for (const Trace& trace : traces_) {
            const auto found = trace.days.constFind(day);
            if (found == trace.days.cend()) continue;
            const double distance = QLineF(position(day, found->percent), at).length();
            if (distance > nearest) continue;
            nearest = distance;
            tip = describeLevelDay(trace.level, *found);
        }
    }
    return tip;
}
