#pragma once

#include "score_record.h"

#include <QString>

#include <optional>

class DatabaseConnections;

// Stores finished sheets in a user's score database: each store opens the file,
// inserts one row with bound values and releases the connection.
class ScoreStore {
public:
    explicit ScoreStore(DatabaseConnections& connections) : connections_(connections) {}

    // Returns the reason when the record could not be stored.
    std::optional<QString> store(const QString& databasePath, const ScoreRecord& record);

private:
    DatabaseConnections& connections_;
};
