#pragma once

#include "class_config.h"

#include "app/core/result.h"

#include <QSqlDatabase>
#include <QString>

// One connection to the class server through Qt's PostgreSQL driver, used on the
// thread that opened it and closed when it goes. A server that is down or slow costs
// at most the connect timeout to find, and a statement at most the statement timeout.
class ServerConnection {
public:
    static constexpr int kConnectTimeoutS = 2;
    static constexpr int kStatementTimeoutMs = 5000;

    // Whether Qt's PostgreSQL driver is there to connect with.
    static bool driverInstalled();
    static Result<ServerConnection> open(const ClassConfig& config);

    ServerConnection(ServerConnection&& other) noexcept;
    ServerConnection& operator=(ServerConnection&& other) noexcept;
    ~ServerConnection();

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    explicit ServerConnection(QString name) : name_(std::move(name)) {}
    void close();

    QString name_;
};
