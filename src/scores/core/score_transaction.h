#pragma once

#include "app/core/result.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <functional>

class QSqlQuery;

// Runs `work` as one transaction; gives the error it failed with and was rolled back
// on, or an invalid one when committed.
QSqlError runTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work);

// As runTransaction(), failing with the reason.
Result<void> runInTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work);
