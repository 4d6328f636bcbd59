#pragma once

#include "result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>

// Fails with why a file is not fit to be used.
using FileCheck = std::function<Result<void>(const QString& path)>;

// Replaces `target` with `bytes` so that a crash leaves either the old file or the
// new one: the bytes go to a temporary file ".brenlo-XXXXXX" in the same folder,
// which is then renamed over the target. `check`, when given, looks at the
// temporary file first, and its reason stops the replacement. A new file is
// readable by all and writable by its owner; an existing one keeps its
// permissions, and a read-only one is refused.
// On failure the target is untouched.
Result<void> writeFileAtomically(const QString& target, const QByteArray& bytes,
                                 const FileCheck& check = {});

// Removes the temporary files that writers killed before their rename left in
// `folder`, and only those: each writer holds a lock on its temporary file until
// the rename, so a file still being written by a running copy of the program stays.
// Returns how many were removed.
int removeLeftoverTemporaries(const QString& folder);
