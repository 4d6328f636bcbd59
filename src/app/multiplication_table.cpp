#include "multiplication_table.h"

#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLineEdit>
#include <QPalette>

namespace {

constexpr int kSide = 9;
const QColor kHeaderColour(192, 255, 255);
const QColor kProductColour(192, 255, 192);

QString accessibleNameFor(int row, int column) {
    if (row == 1 && column == 1)
        return QCoreApplication::translate("MultiplicationTable", "Row 1 and column 1");
    if (row == 1)
        return QCoreApplication::translate("MultiplicationTable", "Column %1").arg(column);
    if (column == 1) return QCoreApplication::translate("MultiplicationTable", "Row %1").arg(row);
    return QCoreApplication::translate("MultiplicationTable", "%1 times %2").arg(row).arg(column);
}

QFont boxFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

QLineEdit* makeBox(int row, int column, const QFont& font, QWidget* parent) {
    auto* box = new QLineEdit(QString::number(row * column), parent);
    box->setObjectName(QStringLiteral("Text1_%1").arg((row - 1) * kSide + column - 1));
    box->setAccessibleName(accessibleNameFor(row, column));
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(48, 32);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, row == 1 || column == 1 ? kHeaderColour : kProductColour);
    box->setPalette(palette);
    return box;
}

}  // namespace

MultiplicationTable::MultiplicationTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QCoreApplication::translate("MultiplicationTable", "Mulitiplication table"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(6);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const QFont font = boxFont();
    for (int row = 1; row <= kSide; ++row)
        for (int column = 1; column <= kSide; ++column)
            grid->addWidget(makeBox(row, column, font, this), row - 1, column - 1);
}
