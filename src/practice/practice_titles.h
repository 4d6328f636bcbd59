#pragma once

#include "app/screens.h"

#include <QString>

// Practice screen captions: the padding pushes the user part towards the right
// end of the caption bar.
inline QString addSubWindowTitle(const QString& userName) {
    return QStringLiteral("The Brenlo Math Practice Program 2.5 -plus and minus") +
           QString(48, QLatin1Char(' ')) + QStringLiteral(" User: - ") + userName;
}

inline QString mulDivWindowTitle(const QString& userName) {
    return QStringLiteral("The Brenlo Math Practice Program 2.5 -times and divide") +
           QString(47, QLatin1Char(' ')) + QStringLiteral(" User: - ") + userName;
}

// The caption of the practice screen `id`.
inline QString practiceWindowTitle(ScreenId id, const QString& userName) {
    return id == ScreenId::AddSubPractice ? addSubWindowTitle(userName)
                                          : mulDivWindowTitle(userName);
}
