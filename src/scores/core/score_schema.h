#pragma once

#include "app/core/result.h"

#include <QString>

class QSqlDatabase;

// Creates a new, empty score database at `path`: the table with the indexes the
// summary's queries and its removal of incomplete records use, in write-ahead-log
// mode so that one connection's unfinished select never blocks another's insert.
Result<void> createScoreDatabase(const QString& path);

// A score database is an SQLite file with the table `score` and its five columns.
// Fails with why a database is not one ("it is not a score database (...)"): of an
// open connection, and of a file, which is read without being changed.
Result<void> checkScoreTable(const QSqlDatabase& db);
Result<void> checkScoreDatabase(const QString& path);

// Gives a file made by an earlier build the indexes and tables it lacks, the totals
// per fact made from its answers; no record or answer is touched.
Result<void> upgradeScoreSchema(const QSqlDatabase& db);

// Records no summary may count: those lacking a speed, a date or a level, and test
// ones. SQLite uses the partial index on them only for a condition written exactly so.
QString incompleteCondition();
