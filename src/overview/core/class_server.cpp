#include "class_server.h"

#include "class_reads.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassServer)
};

}  // namespace

Result<void> ClassServer::connect() {
    if (connection_) return {};
    if (!ServerConnection::driverInstalled())
        return Failure{Texts::tr("The class \"%1\" cannot be shown: Qt's PostgreSQL driver is "
                                 "not installed (the package libqt6sql6-psql).")
                           .arg(config_.className)};
    Result<ServerConnection> opened = ServerConnection::open(config_);
    if (!opened)
        return Failure{Texts::tr("The class server could not be reached or refused the connection, "
                                 "so the class \"%1\" cannot be shown. The server said: %2")
                           .arg(config_.className, opened.error())};
    connection_.emplace(std::move(opened).value());
    return {};
}

// A failed read drops the connection, so that the next read connects afresh.
Result<ClassFigures> ClassServer::read(const DayRange& days, QDate today) {
    if (Result<void> connected = connect(); !connected) return Failure{connected.error()};
    Result<ClassFigures> figures =
        ClassReads(connection_->database(), config_.className).figures(days, today);
    if (!figures) connection_.reset();
    return figures;
}
