#pragma once

#include "report/core/facts_stats.h"
#include "report/core/summary_dates.h"
#include "scores/core/practice_kind.h"

#include <QWidget>

class AppContext;
class FactsGrid;
class QAbstractButton;
class QLabel;
class QLayout;
class QStackedWidget;
class QTableWidget;

// For the parent: how well the child knows each fact of one category over a range
// of days, as a coloured grid or a table for a screen reader, with the problems
// outside the grids missed most and an estimate of the time per fact.
class FactsWindow final : public QWidget {
    Q_OBJECT
public:
    FactsWindow(AppContext& context, QWidget* parent);

    // Shows `userName`'s answers of `kind` from the range, read afresh.
    void showFacts(const QString& userName, DayRange range, PracticeKind kind);

private:
    QLayout* buildChoices();
    void buildViews();
    QLayout* buildButtons();
    void showView();
    void fillTable();
    void fillMissed();
    void showTypicalTime();

    AppContext& context_;
    PracticeKind kind_ = PracticeKind::AdditionSubtraction;
    QList<FactStat> facts_;
    QLabel* heading_;
    QAbstractButton* second_;  // the category's second operation, + or x
    QAbstractButton* first_;
    QAbstractButton* asTable_;
    QStackedWidget* views_;
    FactsGrid* grid_;
    QTableWidget* table_;
    QTableWidget* missed_;
    QLabel* time_;
};
