#pragma once

#include <QString>

#include <optional>

// Why a file surely cannot be played, found without opening it: cheap enough to ask
// on the GUI thread before every play. Whether the content decodes is the output's to say.
std::optional<QString> playProblem(const QString& filePath);
