#include "class_server.h"

#include "class_reads.h"

#include "server/core/connection_string.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>

namespace {

const QString kDriver = QStringLiteral("QPSQL");

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassServer)
};

}  // namespace

ClassServer::ClassServer(ClassConfig config)
    : config_(std::move(config)),
      connectionName_(QStringLiteral("brenlo-class-") + QUuid::createUuid().toString()) {}

ClassServer::~ClassServer() {
    QSqlDatabase::removeDatabase(connectionName_);
}

// The timeout goes last, as libpq takes a keyword's last value: the teacher never
// waits on a longer one from the configuration or the service file.
Result<void> ClassServer::connect() {
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return Failure{Texts::tr("The class \"%1\" cannot be shown: Qt's PostgreSQL driver is "
                                 "not installed (the package libqt6sql6-psql).")
                           .arg(config_.className)};
    QSqlDatabase database = QSqlDatabase::contains(connectionName_)
                                ? QSqlDatabase::database(connectionName_, false)
                                : QSqlDatabase::addDatabase(kDriver, connectionName_);
    if (database.isOpen()) return {};
    database.setConnectOptions(config_.connectOptions() + u' ' +
                               ConnectionString::pair(QStringLiteral("connect_timeout"),
                                                      QString::number(kConnectTimeoutSeconds)));
    if (database.open()) return {};
    return Failure{Texts::tr("The class server could not be reached or refused the connection, "
                             "so the class \"%1\" cannot be shown. The server said: %2")
                       .arg(config_.className, database.lastError().databaseText().trimmed())};
}

Result<ClassFigures> ClassServer::read(const DayRange& days, QDate today) {
    if (Result<void> connected = connect(); !connected) return Failure{connected.error()};
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    Result<ClassFigures> figures = ClassReads(database, config_.className).figures(days, today);
    if (!figures) database.close();
    return figures;
}
