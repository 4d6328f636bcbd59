#pragma once

#include "class_figures.h"

#include "app/core/result.h"
#include "report/core/summary_dates.h"
#include "server/core/class_config.h"
#include "server/core/server_connection.h"

#include <optional>

// The class server as the teacher's program reads it, through Qt's PostgreSQL
// driver: connected at the first read, and again at the next read after any
// failure, so that a server back up is read without a restart.
class ClassServer {
public:
    explicit ClassServer(ClassConfig config) : config_(std::move(config)) {}

    const QString& className() const { return config_.className; }
    Result<ClassFigures> read(const DayRange& days, QDate today);

private:
    Result<void> connect();

    ClassConfig config_;
    std::optional<ServerConnection> connection_;
};
