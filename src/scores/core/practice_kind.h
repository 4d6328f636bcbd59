#pragma once

#include <QString>
#include <QtGlobal>

// The two practice screens are one screen set up per kind.
enum class PracticeKind {
    AdditionSubtraction,     // problems 0-8 subtract, 9-17 add
    MultiplicationDivision,  // problems 0-8 divide, 9-17 multiply
};

inline constexpr PracticeKind kPracticeKinds[] = {PracticeKind::AdditionSubtraction,
                                                  PracticeKind::MultiplicationDivision};

inline PracticeKind otherKind(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction ? PracticeKind::MultiplicationDivision
                                                     : PracticeKind::AdditionSubtraction;
}

inline constexpr int kProblemCount = 18;
inline constexpr int kOperandCount = 2 * kProblemCount;
// Problems before this index use the first operation of the kind.
inline constexpr int kFirstSecondOperation = 9;

struct Operation {
    QStringView sign;
    const char* word;  // for screen readers, in the context "Operation"
};

// The operation of problem `index`.
inline Operation operationOf(PracticeKind kind, int index) {
    static constexpr Operation kOperations[2][2] = {
        {{u"-", QT_TRANSLATE_NOOP("Operation", "minus")},
         {u"+", QT_TRANSLATE_NOOP("Operation", "plus")}},
        {{u"\u00F7", QT_TRANSLATE_NOOP("Operation", "divided by")},
         {u"*", QT_TRANSLATE_NOOP("Operation", "times")}},
    };
    return kOperations[int(kind)][index < kFirstSecondOperation ? 0 : 1];
}

// The sign an answer of problem `index` is stored with, whatever sign the sheet shows.
inline QString storedOperation(PracticeKind kind, int index) {
    static const QString kStored[2][2] = {{QStringLiteral("-"), QStringLiteral("+")},
                                          {QStringLiteral("/"), QStringLiteral("x")}};
    return kStored[int(kind)][index < kFirstSecondOperation ? 0 : 1];
}
