#pragma once

#include "current_settings.h"

#include <QString>

#include <optional>

// The nine-line settings file "path.mpt":
// "[Sound]", award sound paths 0 to 4, "[User]", the user name, "[Award]".
class SettingsFile {
public:
    static constexpr int kLineCount = 9;
    static inline const QString kFileName = QStringLiteral("path.mpt");

    struct ReadResult {
        StoredSettings settings;  // what could be read; the rest stays empty
        int linesRead = 0;
        bool missing = false;
        QString error;  // set when the file exists but cannot be read
    };

    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    // Reads the first nine lines; CR LF, CR alone and LF alone each end a line.
    ReadResult read() const;

    // Replaces the file atomically with the nine lines, each ended by CR LF.
    // Returns the reason when it could not be written; the old file is then intact.
    std::optional<QString> write(const StoredSettings& settings) const;

    const QString& path() const { return path_; }

private:
    QString path_;
};
