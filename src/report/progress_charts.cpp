#include "progress_charts.h"

#include "day_scale.h"
#include "scores_plot.h"
#include "sheets_plot.h"

#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace {

QChart* makeChart(const QString& title, DayRange range, QAbstractAxis*& xAxis) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("yyyy-MM-dd"));
    days->setTickCount(6);
    days->setTitleText(QCoreApplication::translate("ProgressCharts", "Day"));
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
    y->setTitleText(QCoreApplication::translate("ProgressCharts", "Average score"));
    chart->addAxis(y, Qt::AlignLeft);

    // A level's series, without points, carries its legend entry; the plot draws its days.
    QXYSeries* anchor = nullptr;
    for (const LevelLine& line : series.lines) {
        anchor = new QLineSeries;
        anchor->setName(shownText(levelName(line.level)));
        anchor->setColor(levelColour(line.level));
        attach(chart, anchor, x, y);
    }
    if (anchor) new ScoresPlot(chart, anchor, DayScale(range.first), series.lines);
    return chart;
}

QChart* makeSheetsChart(const ProgressSeries& series, DayRange range, const QString& title) {
    QAbstractAxis* x = nullptr;
    QChart* chart = makeChart(title, range, x);
    auto* y = new QValueAxis;
    qint64 most = 1;
    for (const DaySheets& day : series.sheetsPerDay) most = std::max(most, day.sheets);
    y->setRange(0, qreal(most));
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QCoreApplication::translate("ProgressCharts", "Sheets"));
    chart->addAxis(y, Qt::AlignLeft);

    const QColor colour(0x1f, 0x5f, 0xbf);
    auto* legend = new QLineSeries;
    legend->setName(QCoreApplication::translate("ProgressCharts", "Sheets per day"));
    legend->setColor(colour);
    attach(chart, legend, x, y);
    new SheetsPlot(chart, legend, DayScale(range.first), series.sheetsPerDay, colour);
    return chart;
}
