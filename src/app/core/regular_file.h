#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a file of the data folder that the user may have replaced with anything:
// only a regular file is read, and never more than a bound, so that a named pipe
// cannot block the program and a device or a huge file cannot exhaust it.
struct RegularFile {
    QByteArray bytes;        // at most the bound
    bool truncated = false;  // the file holds more than the bound
};

struct RegularFileOptions {
    qint64 maxBytes = 0;
    // A link is refused rather than followed.
    bool refuseLinks = false;
    // After reading, the file is made read-only for all, unless it has another name
    // somewhere whose owner would not expect the change.
    bool leaveReadOnly = false;
};

// Nothing when there is no file of that name; fails with why nothing was read.
Result<std::optional<RegularFile>> readRegularFile(const QString& path,
                                                   const RegularFileOptions& options);
