#pragma once

#include "report/core/progress_series.h"
#include "report/core/summary_dates.h"
#include "scores/core/practice_kind.h"

#include <QSet>
#include <QWidget>

class AppContext;
class FactsWindow;
class QAbstractButton;
class QChartView;
class QLabel;
class QLayout;
class QStackedWidget;
class QTableWidget;

// A user's progress over a range of days: for one category, each level's daily
// score as a chart, the sheets of each day as bars, or both as a table for a screen
// reader; printed, saved as a picture, and every record of the range saved as a
// spreadsheet file. Each read opens the user's database and releases it.
class ProgressWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(AppContext& context);

    // Shows `userName`'s records from the range, read afresh.
    void showProgress(const QString& userName, DayRange range);

private:
    // The category and chart choices, with Show as table.
    QLayout* buildChoices();
    // The two charts and the table, one shown at a time.
    void buildViews();
    // Print, the two saves and Close.
    QLayout* buildButtons();
    void read();
    void showView();
    void showTable();
    void saveCsv();
    void savePng();
    void showFacts();
    PracticeKind kind() const;
    QString databasePath() const;
    QString suggestedPath(const QString& suffix) const;

    AppContext& context_;
    QString userName_;
    DayRange range_;
    ProgressSeries series_;
    QLabel* heading_;
    QAbstractButton* addSub_;
    QAbstractButton* scores_;
    QAbstractButton* asTable_;
    QStackedWidget* views_;
    QChartView* scoresChart_;
    QChartView* sheetsChart_;
    QTableWidget* table_;
    FactsWindow* facts_ = nullptr;  // made at its first showing
    QSet<QWidget*> stale_;          // views not yet made from the last read
};
