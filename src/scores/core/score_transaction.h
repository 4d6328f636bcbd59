#pragma once

#include "app/core/result.h"

#include <QSqlDatabase>

#include <functional>

class QSqlQuery;

// Runs `work` as one transaction; fails with the reason when it failed and was rolled back.
Result<void> runInTransaction(QSqlDatabase db, const std::function<bool(QSqlQuery&)>& work);
