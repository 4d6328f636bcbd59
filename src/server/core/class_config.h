#pragma once

#include "app/core/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The class server as one configuration file names it, the same on every computer
// of a class: lines "key = value", "#" comments; "class" and exactly one of
// "service" (a name in pg_service.conf) or "connection" (a libpq connection
// string). Passwords stay in libpq's own files.
struct ClassConfig {
    QString className;
    QString service;
    QString connection;

    // The libpq options for Qt's PostgreSQL driver, which joins them to the rest of
    // its connection string.
    QString connectOptions() const;
};

namespace ClassConfigFile {

// Found among the generic configuration folders: the user's, then the system's.
inline const QString kComputerFile = QStringLiteral("brenlo-math/class.conf");
inline const QString kTeacherFile = QStringLiteral("brenlo-math/class-overview.conf");
// Far more than any real file; more is refused unread.
inline constexpr qint64 kMaxBytes = 64 * 1024;

// The first file of that name, or empty when there is none.
QString locate(const QString& relativePath);

// Nothing when the file is missing or holds only blanks and comments; a failure
// naming the file, the line and what is wrong when it cannot be used.
Result<std::optional<ClassConfig>> read(const QString& path);
Result<std::optional<ClassConfig>> parse(const QByteArray& bytes, const QString& path);

}  // namespace ClassConfigFile
