#include "sheet_view.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int kColumns = 6;
constexpr int kRows = 3;
constexpr int kCellWidth = 128;
constexpr int kCellHeight = 112;
constexpr int kHeavyRule = 3;
constexpr int kOperandRuleY = 74;  // the thin rule under the operands, within a row

QFont pointFont(const QFont& base, qreal points, bool bold = false) {
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFrame* makeRule(const QString& name, int y, int thickness, QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::NoFrame);
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, Qt::black);
    rule->setPalette(palette);
    rule->setGeometry(0, y, kColumns * kCellWidth + kHeavyRule, thickness);
    return rule;
}

}  // namespace

SheetView::SheetView(PracticeKind kind, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sheet"));
    setFixedSize(kColumns * kCellWidth + kHeavyRule, kRows * kCellHeight + kHeavyRule);

    // Heavy rules above, between and below the rows; a thin one under each row's operands.
    for (int row = 0; row <= kRows; ++row)
        makeRule(QStringLiteral("Line%1").arg(row + 1), row * kCellHeight, kHeavyRule, this);
    for (int row = 0; row < kRows; ++row)
        makeRule(QStringLiteral("Line%1").arg(kRows + 2 + row), row * kCellHeight + kOperandRuleY,
                 1, this);

    const QFont signFont = pointFont(font(), 18);
    const QFont operandFont = pointFont(font(), 13.5);
    const QFont answerFont = pointFont(font(), 9.75, true);
    QPalette red = palette();
    red.setColor(QPalette::WindowText, Qt::red);

    for (int i = 0; i < kProblemCount; ++i) {
        const int x = (i % kColumns) * kCellWidth + kHeavyRule;
        const int y = (i / kColumns) * kCellHeight + kHeavyRule;
        const int operandRight = x + kCellWidth - kHeavyRule - 14;

        auto* sign = new QLabel(operationOf(kind, i).sign.toString(), this);
        sign->setObjectName(QStringLiteral("Label3_%1").arg(i));
        sign->setFont(signFont);
        sign->setGeometry(x + 8, y + 34, 30, 34);

        for (int half = 0; half < 2; ++half) {
            auto* operand = new QLabel(this);
            operand->setObjectName(QStringLiteral("num1_%1").arg(2 * i + half));
            operand->setFont(operandFont);
            operand->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            operand->setGeometry(x + 38, y + 4 + 32 * half, operandRight - x - 38, 32);
            operands_[2 * i + half] = operand;
        }

        auto* correction = new QLabel(this);
        correction->setObjectName(QStringLiteral("ans1_%1").arg(i));
        correction->setFont(answerFont);
        correction->setPalette(red);
        correction->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        correction->setGeometry(x + 4, y + kOperandRuleY + 4, 46, 28);
        corrections_[i] = correction;

        auto* answer = new QLineEdit(this);
        answer->setObjectName(QStringLiteral("Text1_%1").arg(i));
        answer->setAccessibleName(tr("Answer %1").arg(i + 1));
        answer->setFont(answerFont);
        answer->setAlignment(Qt::AlignRight);
        answer->setGeometry(x + 54, y + kOperandRuleY + 4, operandRight - x - 54, 28);
        answers_[i] = answer;

        auto* mark = new QLabel(QStringLiteral("0"), this);
        mark->setObjectName(QStringLiteral("sc_%1").arg(i));
        mark->hide();
        marks_[i] = mark;
    }
}

void SheetView::setAnswersLocked(bool locked) {
    QPalette palette = this->palette();
    if (locked) palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    for (QLineEdit* answer : answers_) {
        answer->setReadOnly(locked);
        answer->setPalette(palette);
    }
}

void SheetView::paintEvent(QPaintEvent*) {
    // The vertical rules; the horizontal ones are the Line frames.
    QPainter painter(this);
    for (int column = 0; column <= kColumns; ++column)
        painter.fillRect(column * kCellWidth, 0, kHeavyRule, height(), Qt::black);
}
