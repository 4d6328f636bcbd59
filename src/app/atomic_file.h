#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

// Replaces `target` with `bytes` so that a crash leaves either the old file or the
// new one: the bytes go to a temporary file in the same folder, which is then
// renamed over the target. Returns the reason on failure; the target is untouched.
std::optional<QString> writeFileAtomically(
    const QString& target, const QByteArray& bytes,
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
