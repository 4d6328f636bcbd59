#include "progress_charts.h"

#include <QAreaSeries>
#include <QCursor>
#include <QDateTimeAxis>
#include <QHash>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
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
        auto* lone = new QScatterSeries;
        lone->setMarkerSize(8);
        lone->setColor(colourOf(level));
        lone->setBorderColor(colourOf(level));
        QList<QXYSeries*> parts;
        for (const QList<LevelDay>& run : line.runs) {
            QList<QPointF> points;
            for (const LevelDay& day : run) {
                days->insert(day.day, day);
                points.append({xOf(day.day), qreal(day.percent)});
            }
            if (points.size() == 1) {
                lone->append(points.first());
                continue;
            }
            auto* part = new QLineSeries;
            part->setPen(QPen(colourOf(level), 2));
            part->replace(points);
            parts.append(part);
        }
        if (lone->count() > 0)
            parts.append(lone);
        else
            delete lone;
        for (QXYSeries* part : parts) {
            part->setName(levelName(level));
            attach(chart, part, x, y);
            QObject::connect(part, &QXYSeries::hovered, part,
                             [level, days](const QPointF& point, bool hovering) {
                                 const auto day = days->constFind(dayAt(point.x()));
                                 if (day != days->cend())
                                     showTip(describeLevelDay(level, *day), hovering);
                             });
            // One entry in the legend for each level, however many gaps its line has.
            if (part != parts.first()) chart->legend()->markers(part).first()->setVisible(false);
        }
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
