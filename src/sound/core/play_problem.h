#pragma once

#include "app/core/result.h"

#include <QString>

// Fails with why a file surely cannot be played, found without opening it: cheap enough
// to ask on the GUI thread before every play. Whether the content decodes is the
// output's to say.
Result<void> checkPlayable(const QString& filePath);
