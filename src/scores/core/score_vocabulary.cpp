#include "score_vocabulary.h"

QString levelName(Level level) {
    switch (level) {
        case Level::Easy:
            return QStringLiteral("Easy");
        case Level::Normal:
            return QStringLiteral("Normal");
        case Level::Difficult:
            return QStringLiteral("Difficult");
        case Level::MoreDifficult:
            return QStringLiteral("More Difficult");
        case Level::SuperDifficult:
            return QStringLiteral("Super Difficult");
    }
    return {};
}

QString speedText(int minutes) {
    return QString::number(minutes);
}

QString categoryOf(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction
               ? QStringLiteral("Minus and Plus Practice program")
               : QStringLiteral("Multiply and Divide Practice program");
}
