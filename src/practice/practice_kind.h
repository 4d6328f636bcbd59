#pragma once

#include <QString>

// The two practice screens are one screen set up per kind.
enum class PracticeKind {
    AdditionSubtraction,     // problems 0-8 subtract, 9-17 add
    MultiplicationDivision,  // problems 0-8 divide, 9-17 multiply
};

inline constexpr int kProblemCount = 18;
inline constexpr int kOperandCount = 2 * kProblemCount;
// Problems before this index use the first operation of the kind.
inline constexpr int kFirstSecondOperation = 9;

inline QString categoryOf(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction
               ? QStringLiteral("Minus and Plus Practice program")
               : QStringLiteral("Multiply and Divide Practice program");
}

// The operator sign of problem `index`.
inline QString signOf(PracticeKind kind, int index) {
    const bool first = index < kFirstSecondOperation;
    if (kind == PracticeKind::AdditionSubtraction)
        return first ? QStringLiteral("-") : QStringLiteral("+");
    return first ? QStringLiteral("\u00F7") : QStringLiteral("*");
}

// The operation of problem `index` in words, for screen readers.
inline QString operationWordOf(PracticeKind kind, int index) {
    const bool first = index < kFirstSecondOperation;
    if (kind == PracticeKind::AdditionSubtraction)
        return first ? QStringLiteral("minus") : QStringLiteral("plus");
    return first ? QStringLiteral("divided by") : QStringLiteral("times");
}
