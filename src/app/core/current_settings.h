#pragma once

#include "level_parameters.h"

#include <QString>

#include <array>

// The values that "path.mpt" carries from one run to the next.
struct StoredSettings {
    static constexpr int kAwardCount = 5;

    std::array<QString, kAwardCount> awardSoundPaths;
    QString userName;  // exactly as typed: never trimmed or case-folded

    bool operator==(const StoredSettings&) const = default;
};

// The process-wide current settings; one instance lives in the AppContext.
// Only `stored` outlives the process.
struct CurrentSettings {
    StoredSettings stored;
    int speedMins = 0;  // minutes of the next countdown
    LevelParameters levels;

    const QString& userName() const { return stored.userName; }
};
