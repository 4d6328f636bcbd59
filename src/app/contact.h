#pragma once

#include <QString>

// Where questions and feedback go; the help and about screens both name it.
inline const QString kContactAddress = QStringLiteral("brenlo.math@example.org");
