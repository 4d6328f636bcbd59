#pragma once

#include "scores/core/practice_kind.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

// The ruled table of 3 rows by 6 problems in column form: top operand over bottom
// operand with the sign beside it, a thin rule, then the correction label and the
// answer box. Problems run in reading order.
class SheetView final : public QWidget {
    Q_OBJECT
public:
    SheetView(PracticeKind kind, QWidget* parent);

    QLabel* operand(int index) const { return operands_[index]; }
    QLineEdit* answer(int problem) const { return answers_[problem]; }
    QLabel* correction(int problem) const { return corrections_[problem]; }
    QLabel* mark(int problem) const { return marks_[problem]; }

    // Locked boxes cannot be edited, and look it, so a child sees the sheet is over.
    void setAnswersLocked(bool locked);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QLabel*, kOperandCount> operands_{};
    std::array<QLineEdit*, kProblemCount> answers_{};
    std::array<QLabel*, kProblemCount> corrections_{};
    std::array<QLabel*, kProblemCount> marks_{};
};
