#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

// Replaces `target` with `bytes` so that a crash leaves either the old file or the
// new one: the bytes go to a temporary file in the same folder, which is then
// renamed over the target. A new file is readable by all and writable by its
// owner; an existing one keeps its permissions, and a read-only one is refused.
// Returns the reason on failure; the target is then untouched.
std::optional<QString> writeFileAtomically(const QString& target, const QByteArray& bytes);
