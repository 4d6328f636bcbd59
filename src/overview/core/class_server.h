#pragma once

#include "class_figures.h"

#include "app/core/result.h"
#include "report/core/summary_dates.h"
#include "server/core/class_config.h"

// The class server as the teacher's program reads it, through Qt's PostgreSQL
// driver: connected at the first read, and again at the next read after any
// failure, so that a server back up is read without a restart.
class ClassServer {
public:
    // How long a connection may take before the teacher is told; libpq's least.
    static constexpr int kConnectTimeoutSeconds = 2;

    explicit ClassServer(ClassConfig config);
    ~ClassServer();
    ClassServer(const ClassServer&) = delete;
    ClassServer& operator=(const ClassServer&) = delete;

    const QString& className() const { return config_.className; }
    Result<ClassFigures> read(const DayRange& days, QDate today);

private:
    Result<void> connect();

    ClassConfig config_;
    QString connectionName_;
};
