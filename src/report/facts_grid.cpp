#include "facts_grid.h"

#include <QPainter>

namespace {

constexpr int kCellWidth = 33;  // 21 columns fit beside a vertical scroll bar
constexpr int kHeader = 30;  // the width of the column of row numbers

}  // namespace

QColor shareColour(double share) {
    static constexpr QRgb kStops[] = {0x440154, 0x3b528b, 0x21918c, 0x5ec962, 0xfde725};
    constexpr int kLast = int(std::size(kStops)) - 1;
    const double at = std::clamp(share, 0.0, 1.0) * kLast;
    const int low = std::min(int(at), kLast - 1);
    const double t = at - low;
    const QColor a(kStops[low]), b(kStops[low + 1]);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

FactsGrid::FactsGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FactsGrid"));
    setAccessibleName(tr("Grid of facts by share answered right"));
    setAccessibleDescription(tr("Show as table lists the same facts"));
}

void FactsGrid::showFacts(const QString& operation, const QList<FactStat>& facts) {
    operation_ = operation;
    size_ = gridSize(operation);
    cells_ = QList<Cell>(size_ * size_);
    for (const FactStat& fact : facts)
        if (fact.operation == operation)
            if (const std::optional<GridPlace> place =
                    gridPlace(fact.left, fact.operation, fact.right))
                cells_[place->row * size_ + place->column] = {fact.asked, fact.share()};
    updateGeometry();
    resize(sizeHint());
    update();
}

// Rows as high as the cell's two lines of text and a pixel above and below, so that more
// of them show at once and larger fonts still fit.
QFont FactsGrid::cellFont() const {
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    return small;
}

int FactsGrid::rowHeight() const {
    return 2 * QFontMetrics(cellFont()).height() + 2;
}

QSize FactsGrid::sizeHint() const {
    return {kHeader + size_ * kCellWidth + 1, rowHeight() * (size_ + 1) + 1};
}

void FactsGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setFont(cellFont());
    painter.setPen(palette().text().color());
    const int height = rowHeight();
    painter.drawText(QRect(0, 0, kHeader, height), Qt::AlignCenter, shownSign(operation_));
    for (int i = 0; i < size_; ++i) {
        painter.drawText(QRect(kHeader + i * kCellWidth, 0, kCellWidth, height), Qt::AlignCenter,
                         QString::number(i));
        painter.drawText(QRect(0, (i + 1) * height, kHeader, height), Qt::AlignCenter,
                         QString::number(i));
    }
    for (int row = 0; row < size_; ++row)
        for (int column = 0; column < size_; ++column) {
            const QRect box(kHeader + column * kCellWidth, (row + 1) * height, kCellWidth, height);
            const Cell& cell = cells_[row * size_ + column];
            painter.setPen(palette().mid().color());
            painter.setBrush(cell.asked ? shareColour(cell.share) : palette().base().color());
            painter.drawRect(box);
            if (!cell.asked) continue;
            painter.setPen(cell.share < 0.55 ? Qt::white : Qt::black);
            painter.drawText(
                box, Qt::AlignCenter,
                QStringLiteral("%1%\n%2").arg(qRound(cell.share * 100)).arg(cell.asked));
        }
}
