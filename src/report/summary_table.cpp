#include "summary_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int kHeadingWidth = 130;
constexpr int kSpeedWidth = 86;
constexpr int kTotalWidth = 150;
constexpr int kHeadingHeight = 44;
constexpr int kRowHeight = 34;
const QColor kRuleColour(Qt::black);
const QColor kCellColour(Qt::white);

const char* const kColumnHeadings[kSummaryColumns] = {
    QT_TRANSLATE_NOOP("SummaryTable", "1 -2 mins."),
    QT_TRANSLATE_NOOP("SummaryTable", "5 mins"),
    QT_TRANSLATE_NOOP("SummaryTable", "10 mins"),
    QT_TRANSLATE_NOOP("SummaryTable", "15 mins"),
    QT_TRANSLATE_NOOP("SummaryTable", "20 mins"),
    QT_TRANSLATE_NOOP("SummaryTable", "Total AVG SCORE"),
};

int columnWidth(int column) {
    return column == kSummaryColumns - 1 ? kTotalWidth : kSpeedWidth;
}

void fill(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Headings keep the window's colour, not the rules' colour of their parent.
void fillAsWindow(QWidget* widget) {
    widget->setAutoFillBackground(true);
    fill(widget, QPalette::Window, QPalette().color(QPalette::Window));
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    fillAsWindow(heading);
    return heading;
}

// The top-left cell: a diagonal from corner to corner, "Speed" above it and
// "Level" below it.
class CornerCell final : public QWidget {
public:
    explicit CornerCell(QWidget* parent) : QWidget(parent) {
        fillAsWindow(this);
        setAccessibleName(SummaryTable::tr("Speed across, level down"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(kRuleColour);
        painter.drawLine(rect().topLeft(), rect().bottomRight());
        const QRect text = rect().adjusted(4, 2, -4, -2);
        painter.drawText(text, Qt::AlignTop | Qt::AlignRight, SummaryTable::tr("   Speed"));
        //: Below the diagonal of the table's corner: the rows are the levels.
        painter.drawText(text, Qt::AlignBottom | Qt::AlignLeft, SummaryTable::tr("Level"));
    }
};

QLineEdit* makeCell(int number, const QString& description, QWidget* parent) {
    auto* cell = new QLineEdit(parent);
    cell->setObjectName(QStringLiteral("Text%1").arg(number));
    cell->setAccessibleName(description);
    cell->setReadOnly(true);
    cell->setFrame(false);
    cell->setAlignment(Qt::AlignCenter);
    fill(cell, QPalette::Base, kCellColour);
    return cell;
}

}  // namespace

SummaryTable::SummaryTable(QWidget* parent) : QWidget(parent) {
    // The rules are the table's own colour showing between the cells.
    setAutoFillBackground(true);
    fill(this, QPalette::Window, kRuleColour);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(1);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* corner = new CornerCell(this);
    corner->setFixedSize(kHeadingWidth, kHeadingHeight);
    grid->addWidget(corner, 0, 0);
    for (int column = 0; column < kSummaryColumns; ++column) {
        QLabel* heading = makeHeading(tr(kColumnHeadings[column]), this);
        heading->setFixedSize(columnWidth(column), kHeadingHeight);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int row = 0; row < int(kLevels.size()); ++row) {
        const QString level = shownText(levelName(kLevels[row]));
        QLabel* heading = makeHeading(level, this);
        heading->setFixedSize(kHeadingWidth, kRowHeight);
        grid->addWidget(heading, row + 1, 0);
        for (int column = 0; column < kSummaryColumns; ++column) {
            const int index = row * kSummaryColumns + column;
            QLineEdit* cell = makeCell(
                index + 1, level + QStringLiteral(", ") + tr(kColumnHeadings[column]), this);
            cell->setFixedSize(columnWidth(column), kRowHeight);
            grid->addWidget(cell, row + 1, column + 1);
            cells_[index] = cell;
        }
    }
}

void SummaryTable::showCells(const SummaryCells& cells) {
    for (int i = 0; i < kSummaryCells; ++i) {
        cells_[i]->setText(cells[i].text);
        QFont font = cells_[i]->font();
        font.setBold(cells[i].bold);
        cells_[i]->setFont(font);
    }
}
