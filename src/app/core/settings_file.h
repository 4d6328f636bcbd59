#pragma once

#include "result.h"

#include "current_settings.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The nine-line settings file "path.mpt":
// "[Sound]", award sound paths 0 to 4, "[User]", the user name, "[Award]".
class SettingsFile {
public:
    static constexpr int kLineCount = 9;
    static inline const QString kFileName = QStringLiteral("path.mpt");
    // Nine lines of paths fit many times over; more is never read.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    struct ReadResult {
        StoredSettings settings;  // what could be read; the rest stays empty
        int linesRead = 0;
        bool missing = false;
        bool cutAtBound = false;  // the file is longer than what is read of it
        QList<int> garbledLines;  // one-based; their values stay empty
        QString error;            // set when the file exists but cannot be read

        // What could not be read and which values start empty instead; nothing
        // when all nine lines were read as text.
        std::optional<QString> problem() const;
    };

    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    // Reads the first nine lines of a regular file (a link to one is followed);
    // CR LF, CR alone and LF alone each end a line.
    ReadResult read() const;

    // Replaces the file atomically with the nine lines, each ended by CR LF.
    // On failure the old file is intact. A value checkValue() refuses is refused here,
    // since it would not read back as itself.
    Result<void> write(const StoredSettings& settings) const;

    // The reading and writing of the bytes, apart from the file.
    static ReadResult parse(const QByteArray& bytes, bool cutAtBound = false);
    static QByteArray format(const StoredSettings& settings);

    // Fails with why `value` cannot be one of the file's lines, as "contains ...": a line
    // break would split it, another control character would make the line garbled.
    static Result<void> checkValue(const QString& value);

    const QString& path() const { return path_; }

private:
    QString path_;
};
