#pragma once

#include "scores/core/practice_kind.h"

#include <QCoreApplication>

// A practice screen's caption: the padding pushes the user part towards the right
// end of the caption bar.
inline QString practiceWindowTitle(PracticeKind kind, const QString& userName) {
    const QString program =
        kind == PracticeKind::AdditionSubtraction
            ? QCoreApplication::translate("PracticeTitles",
                                          "The Brenlo Math Practice Program 2.5 -plus and minus") +
                  QString(48, QLatin1Char(' '))
            : QCoreApplication::translate(
                  "PracticeTitles", "The Brenlo Math Practice Program 2.5 -times and divide") +
                  QString(47, QLatin1Char(' '));
    return program + QCoreApplication::translate("PracticeTitles", " User: - ") + userName;
}
