#include "server_connection.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <utility>

namespace {

const QString kDriver = QStringLiteral("QPSQL");

// The keepalives, which notice a connection dropped mid-statement on a network that
// says nothing, go first, so that the configuration's own win; the timeout goes last,
// as libpq takes a keyword's last value, so that no configuration or service file
// makes anyone wait longer.
QString optionsFor(const ClassConfig& config) {
    return QStringLiteral(
               "keepalives_idle=10 keepalives_interval=5 keepalives_count=2 "
               "application_name=brenlo-math %1 connect_timeout=%2")
        .arg(config.connectOptions())
        .arg(ServerConnection::kConnectTimeoutS);
}

}  // namespace

bool ServerConnection::driverInstalled() {
    return QSqlDatabase::isDriverAvailable(kDriver);
}

Result<ServerConnection> ServerConnection::open(const ClassConfig& config) {
    if (!driverInstalled())
        return Failure{QCoreApplication::translate(
            "ClassServer", "Qt's PostgreSQL driver (package libqt6sql6-psql) is not installed")};
    // Qt's connection names are process-wide, so they are counted process-wide too.
    static std::atomic<quint64> lastId{0};
    ServerConnection connection(QStringLiteral("brenlo-server-%1").arg(++lastId));
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection.name_);
    db.setConnectOptions(optionsFor(config));
    // libpq's own words, without the driver's "unable to connect".
    if (!db.open()) return Failure{db.lastError().databaseText().simplified()};
    QSqlQuery limit(db);
    if (!limit.exec(QStringLiteral("SET statement_timeout = %1").arg(kStatementTimeoutMs)))
        return Failure{limit.lastError().text().trimmed()};
    return connection;
}

ServerConnection::ServerConnection(ServerConnection&& other) noexcept
    : name_(std::exchange(other.name_, QString())) {}

ServerConnection& ServerConnection::operator=(ServerConnection&& other) noexcept {
    if (this != &other) {
        close();
        name_ = std::exchange(other.name_, QString());
    }
    return *this;
}

ServerConnection::~ServerConnection() {
    close();
}

void ServerConnection::close() {
    if (name_.isEmpty()) return;
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(std::exchange(name_, QString()));
}
