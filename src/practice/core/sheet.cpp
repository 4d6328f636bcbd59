#include "sheet.h"

#include "app/core/random_source.h"

#include <cmath>

namespace {

constexpr int kSubtractions = kFirstSecondOperation;

// Problems 0-8 subtract: numBase + D(subRange) minus D(subRange); all minuends are
// drawn before all subtrahends. Problems 9-17 add two of addOffset + numBase + D(addRange).
SheetOperands drawAddSub(int subRange, int numBase, int addRange, int addOffset,
                         RandomSource& random) {
    SheetOperands operands{};
    for (int i = 0; i < kSubtractions; ++i)
        operands[2 * i] = numBase + randomDraw(random, subRange);
    for (int i = 0; i < kSubtractions; ++i) operands[2 * i + 1] = randomDraw(random, subRange);
    for (int k = 2 * kSubtractions; k < kOperandCount; ++k)
        operands[k] = addOffset + numBase + randomDraw(random, addRange);
    return operands;
}

// Dividend and divisor share one base, so every division comes out even.
SheetOperands drawMulDiv(const LevelParameters& levels, RandomSource& random) {
    SheetOperands operands{};
    for (int i = 0; i < kSubtractions; ++i) {
        const int quotient = randomDraw(random, 10);
        operands[2 * i] = (levels.dividendBase + i + 2) * quotient;
        operands[2 * i + 1] = levels.divisorBase + i + 2;
    }
    for (int k = 2 * kSubtractions; k < kOperandCount; ++k)
        operands[k] = levels.factorOffset + randomDraw(random, levels.addRange);
    return operands;
}

}  // namespace

int randomDraw(RandomSource& random, int n) {
    return static_cast<int>(std::floor(double(random.next()) * n));
}

SheetOperands drawSheet(PracticeKind kind, const LevelParameters& levels, RandomSource& random) {
    if (kind == PracticeKind::MultiplicationDivision) return drawMulDiv(levels, random);
    return drawAddSub(levels.subRange, levels.numBase, levels.addRange, levels.addOffset, random);
}

SheetOperands drawFirstAddSubSheet(RandomSource& random) {
    return drawAddSub(10, 10, 100, 0, random);
}
