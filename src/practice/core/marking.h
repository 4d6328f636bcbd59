#pragma once

#include "scores/core/practice_kind.h"

#include <QString>

#include <array>

struct Marking {
    // The right answer beside each wrong one; empty where the answer was right.
    std::array<QString, kProblemCount> corrections;
    std::array<QString, kProblemCount> expected;  // every right answer
    std::array<bool, kProblemCount> right{};
    int count = 0;
};

// Works out each right answer from the operand texts and compares it with the typed
// answer exactly: no trimming, no conversion, so "07", "+7" and "7 " are all wrong.
Marking markSheet(PracticeKind kind, const std::array<QString, kOperandCount>& operands,
                  const std::array<QString, kProblemCount>& answers);
