#pragma once

#include <QString>

#include <optional>

// Creates a new, empty score database at `path`: table score with the index the
// summary's queries use, in write-ahead-log mode so that one connection's
// unfinished select never blocks another's insert. Returns the reason on failure.
std::optional<QString> createScoreDatabase(const QString& path);
