#pragma once

#include "practice_kind.h"

#include <QString>

#include <array>

// The leading number of a text, blanks skipped; a text without one reads as 0.
double leadingNumber(const QString& text);

// The shortest decimal text of a number: "12", "-7", "0.5"; never "-0".
QString decimalText(double value);

struct Marking {
    // The right answer beside each wrong one; empty where the answer was right.
    std::array<QString, kProblemCount> corrections;
    std::array<bool, kProblemCount> right{};
    int count = 0;
};

// Works out each right answer from the operand texts and compares it with the typed
// answer exactly: no trimming, no conversion, so "07", "+7" and "7 " are all wrong.
Marking markSheet(PracticeKind kind, const std::array<QString, kOperandCount>& operands,
                  const std::array<QString, kProblemCount>& answers);
