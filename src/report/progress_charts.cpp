#include "progress_charts.h"

#include <QAreaSeries>
#include <QCursor>
#include <QDateTimeAxis>
#include <QGraphicsPathItem>
#include <QHash>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <memory>

namespace {

// A level keeps its colour in both categories.
QColor colourOf(Level level) {
    static const QColor colours[] = {QColor(0x2e, 0x8b, 0x57), QColor(0x1f, 0x5f, 0xbf),
                                     QColor(0xe0, 0x8a, 0x00), QColor(0xc0, 0x27, 0x2d),
                                     QColor(0x7b, 0x3f, 0xa0)};
    return colours[int(level)];
}

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

// Days sit at noon, so that a day's point or bar lies within its day on the axis.
qreal xOf(QDate day, double fraction = 0.5) {
    return qreal(day.startOfDay().toMSecsSinceEpoch()) + fraction * 24 * 3600 * 1000;
}

QDate dayAt(qreal x) {
    return QDateTime::fromMSecsSinceEpoch(qint64(x)).date();
}

void showTip(const QString& text, bool hovering) {
    if (hovering)
        QToolTip::showText(QCursor::pos(), text);
    else
        QToolTip::hideText();
}

// A level's runs of days joined by lines, broken where a day has no sheet: one
// path for the whole level, redrawn whenever the plot area moves, costs far less
// than a series for every run.
class RunLines final : public QGraphicsPathItem {
public:
    RunLines(QChart* chart, QXYSeries* dots, const QColor& colour, QList<QList<QPointF>> runs)
        : QGraphicsPathItem(chart), runs_(std::move(runs)) {
        setPen(QPen(colour, 2));
        QObject::connect(chart, &QChart::plotAreaChanged, dots, [this, chart, dots] {
            QPainterPath path;
            for (const QList<QPointF>& run : runs_) {
                path.moveTo(chart->mapToPosition(run.first(), dots));
                for (const QPointF& point : run) path.lineTo(chart->mapToPosition(point, dots));
            }
            setPath(path);
        });
    }

private:
    const QList<QList<QPointF>> runs_;
};

QChart* makeChart(const QString& title, DayRange range, QAbstractAxis*& xAxis) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("yyyy-MM-dd"));
    days->setTickCount(6);
    days->setTitleText(QStringLiteral("Day"));
    const QDate last = std::max(range.first, range.last);
    days->setRange(range.first.startOfDay(), last.addDays(1).startOfDay());
    chart->addAxis(days, Qt::AlignBottom);
    xAxis = days;
    return chart;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

QChart* makeScoresChart(const ProgressSeries& series, DayRange range, const QString& title) {
    QAbstractAxis* x = nullptr;
    QChart* chart = makeChart(title, range, x);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%.0f%%"));
    y->setTitleText(QStringLiteral("Average score"));
    chart->addAxis(y, Qt::AlignLeft);

    for (const LevelLine& line : series.lines) {
        const Level level = line.level;
        auto days = std::make_shared<QHash<QDate, LevelDay>>();
        // The series carries the points, the legend entry and the hover; its own
        // line, which would join across gaps, is not drawn.
        auto* dots = new QLineSeries;
        dots->setName(levelName(level));
        dots->setPen(QPen(Qt::transparent, 6));
        dots->setLightMarker(dotOf(colourOf(level)));
        QList<QList<QPointF>> runs;
        QList<QPointF> points;
        for (const QList<LevelDay>& run : line.runs) {
            runs.append(QList<QPointF>());
            for (const LevelDay& day : run) {
                days->insert(day.day, day);
                runs.last().append({xOf(day.day), qreal(day.percent)});
                points.append(runs.last().last());
            }
        }
        dots->replace(points);
        attach(chart, dots, x, y);
        for (QLegendMarker* marker : chart->legend()->markers(dots))
            marker->setBrush(colourOf(level));
        QObject::connect(dots, &QXYSeries::hovered, dots,
                         [level, days](const QPointF& point, bool hovering) {
                             const auto day = days->constFind(dayAt(point.x()));
                             if (day != days->cend())
                                 showTip(describeLevelDay(level, *day), hovering);
                         });
        new RunLines(chart, dots, colourOf(level), runs);
    }
    return chart;
}

QChart* makeSheetsChart(const ProgressSeries& series, DayRange range, const QString& title) {
    QAbstractAxis* x = nullptr;
    QChart* chart = makeChart(title, range, x);
    auto* y = new QValueAxis;
    qint64 most = 1;
    QList<QPointF> outline;
    auto sheets = std::make_shared<QHash<QDate, qint64>>();
    for (const DaySheets& day : series.sheetsPerDay) {
        most = std::max(most, day.sheets);
        sheets->insert(day.day, day.sheets);
        // A bar is a step up and down within its day, so days without sheets stay empty.
        outline.append({{xOf(day.day, 0.15), 0},
                        {xOf(day.day, 0.15), qreal(day.sheets)},
                        {xOf(day.day, 0.85), qreal(day.sheets)},
                        {xOf(day.day, 0.85), 0}});
    }
    y->setRange(0, qreal(most));
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("Sheets"));
    chart->addAxis(y, Qt::AlignLeft);

    auto* top = new QLineSeries;
    top->replace(outline);
    auto* bars = new QAreaSeries(top);
    bars->setName(QStringLiteral("Sheets per day"));
    bars->setColor(QColor(0x1f, 0x5f, 0xbf));
    bars->setBorderColor(QColor(0x1f, 0x5f, 0xbf));
    attach(chart, bars, x, y);
    QObject::connect(
        bars, &QAreaSeries::hovered, bars, [sheets](const QPointF& point, bool hovering) {
            const QDate day = dayAt(point.x());
            const qint64 count = sheets->value(day);
            showTip(QStringLiteral("%1: %2 %3")
                        .arg(day.toString(Qt::ISODate), QString::number(count),
                             count == 1 ? QStringLiteral("sheet") : QStringLiteral("sheets")),
                    hovering && count > 0);
        });
    return chart;
}
