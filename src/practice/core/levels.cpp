#include "levels.h"

void assignAddSubLevel(LevelParameters& levels, Level level) {
    struct Values {
        qint16 subRange, numBase, addRange, addOffset;
    };
    // The harder levels practise negative numbers, so their addends get no offset.
    static constexpr Values kValues[] = {
        {10, 10, 10, -8},      // Easy
        {10, 10, 10, 0},       // Normal
        {100, 100, 100, 100},  // Difficult
        {100, -10, 1000, 0},   // More Difficult
        {100, -100, 1000, 0},  // Super Difficult
    };
    const Values& values = kValues[static_cast<int>(level)];
    levels.subRange = values.subRange;
    levels.numBase = values.numBase;
    levels.addRange = values.addRange;
    levels.addOffset = values.addOffset;
}

void assignMulDivLevel(LevelParameters& levels, Level level) {
    struct Values {
        qint16 dividendBase, divisorBase, factorOffset, addRange;
    };
    // Normal and Difficult keep the ten factors of the first sheet rather than
    // whatever range the other screen left behind.
    static constexpr Values kValues[] = {
        {0, 0, 0, 10},         // Normal
        {10, 10, 10, 10},      // Difficult
        {100, 100, 10, 100},   // More Difficult
        {100, 100, -25, 100},  // Super Difficult
    };
    if (level == Level::Easy) return;
    const Values& values = kValues[static_cast<int>(level) - 1];
    levels.dividendBase = values.dividendBase;
    levels.divisorBase = values.divisorBase;
    levels.factorOffset = values.factorOffset;
    levels.addRange = values.addRange;
}

void assignMulDivLoad(LevelParameters& levels) {
    levels.subRange = 10;
    levels.numBase = 10;
    levels.addRange = 10;
    levels.dividendBase = 0;
    levels.divisorBase = 0;
    levels.factorOffset = 1;
}

void assignLevel(PracticeKind kind, LevelParameters& levels, Level level) {
    if (kind == PracticeKind::AdditionSubtraction)
        assignAddSubLevel(levels, level);
    else
        assignMulDivLevel(levels, level);
}
