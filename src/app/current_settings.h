#pragma once

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
struct CurrentSettings {
    StoredSettings stored;

    const QString& userName() const { return stored.userName; }
};
