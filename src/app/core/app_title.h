#pragma once

#include <QString>

// Caption of the main menu and of every message box that has no title of its own.
inline const QString kAppTitle = QStringLiteral("The Brenlo Math Practice Program 2.5.1");
