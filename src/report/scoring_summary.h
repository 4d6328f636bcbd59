#pragma once

#include "report/core/summary_dates.h"
#include "scores/core/practice_kind.h"

#include <QWidget>

#include <optional>

class AppContext;
class QLabel;
class QLayout;
class QLineEdit;
class SummaryTable;

// The scoring summary, Form5: the average scores of one category over a range
// of days, by level and speed, and the deletion of a range's records. Made afresh
// at every opening after End; each action opens the user's database and releases it.
class ScoringSummary final : public QWidget {
    Q_OBJECT
public:
    explicit ScoringSummary(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLayout* buildDates();
    // The six actions, Addition/Substraction first and focused.
    QLayout* buildButtons();
    void removeIncompleteRecords();
    void summarise(PracticeKind kind);
    void cleanUp();
    void showProgress();
    void end();
    std::optional<DayRange> typedRange();
    QString databasePath() const;

    AppContext& context_;
    QLabel* title_;
    QLineEdit* startDate_;
    QLineEdit* endDate_;
    SummaryTable* table_;
};
