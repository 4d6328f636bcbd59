#pragma once

#include <QString>

#include <optional>

// libpq's "keyword = value" connection strings, as far as the configuration needs.
namespace ConnectionString {

// What keeps `text` from being used; nothing when it may. A password is refused, as
// it belongs in ~/.pgpass or the service file; so is the URI form and a semicolon,
// as Qt's driver appends the text to its own keywords and reads ";" as a space.
std::optional<QString> problem(const QString& text);

// "keyword='value'", quoted as libpq reads it back.
QString pair(const QString& keyword, const QString& value);

}  // namespace ConnectionString
