#include "marking.h"

#include "app/core/number_text.h"

Marking markSheet(PracticeKind kind, const std::array<QString, kOperandCount>& operands,
                  const std::array<QString, kProblemCount>& answers) {
    Marking marking;
    for (int i = 0; i < kProblemCount; ++i) {
        const double top = leadingNumber(operands[2 * i]);
        const double bottom = leadingNumber(operands[2 * i + 1]);
        const bool first = i < kFirstSecondOperation;
        double answer;
        if (kind == PracticeKind::AdditionSubtraction)
            answer = first ? top - bottom : top + bottom;
        else
            answer = first ? top / bottom : top * bottom;
        const QString rightText = decimalText(answer);
        marking.expected[i] = rightText;
        marking.right[i] = answers[i] == rightText;
        if (marking.right[i])
            ++marking.count;
        else
            marking.corrections[i] = rightText;
    }
    return marking;
}
