#pragma once

#include "report/core/facts_stats.h"

#include <QColor>
#include <QWidget>

// One operation's grid of facts, each cell coloured by the share answered right,
// with the share and the count as text; cells never asked stay blank.
class FactsGrid final : public QWidget {
    Q_OBJECT
public:
    explicit FactsGrid(QWidget* parent);

    // The facts of `operation` among `facts`; those outside its grid are left out.
    void showFacts(const QString& operation, const QList<FactStat>& facts);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont cellFont() const;
    int rowHeight() const;

    struct Cell {
        int asked = 0;
        double share = 0;
    };
    QString operation_;
    int size_ = 0;
    QList<Cell> cells_;  // row by row
};

// The colour of a share from 0 to 1 on a viridis-like scale: dark violet to yellow,
// its lightness rising all the way, so that it reads in grey and for colour-blind eyes.
QColor shareColour(double share);
