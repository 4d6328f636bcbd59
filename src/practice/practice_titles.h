#pragma once

#include "scores/core/practice_kind.h"

#include <QString>

// A practice screen's caption: the padding pushes the user part towards the right
// end of the caption bar.
inline QString practiceWindowTitle(PracticeKind kind, const QString& userName) {
    const QString program =
        kind == PracticeKind::AdditionSubtraction
            ? QStringLiteral("The Brenlo Math Practice Program 2.5 -plus and minus") +
                  QString(48, QLatin1Char(' '))
            : QStringLiteral("The Brenlo Math Practice Program 2.5 -times and divide") +
                  QString(47, QLatin1Char(' '));
    return program + QStringLiteral(" User: - ") + userName;
}
