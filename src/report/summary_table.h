#pragma once

#include "report/core/summary_cells.h"

#include <QWidget>

class QLineEdit;

// The ruled table of the scoring summary: a heading row of speeds, a heading
// column of levels and the 30 result cells, with thin rules between them all.
class SummaryTable final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryTable(QWidget* parent = nullptr);

    void showCells(const SummaryCells& cells);

private:
    std::array<QLineEdit*, kSummaryCells> cells_{};
};
