#include "private_pg_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString kServerUser = QStringLiteral("postgres");

bool asRoot() {
    return geteuid() == 0;
}

// The server's programs refuse root, so they run as the server's system user then.
QStringList asServerUser(const QString& program, const QStringList& arguments) {
    if (!asRoot()) return QStringList{program} + arguments;
    return QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), kServerUser,
                       QStringLiteral("--"), program} +
           arguments;
}

QString roleStatements() {
    return QStringLiteral(
               "CREATE ROLE %1 LOGIN IN ROLE brenlo_computer;"
               "CREATE ROLE %2 LOGIN IN ROLE brenlo_computer;"
               "CREATE ROLE %3 LOGIN IN ROLE brenlo_teacher;"
               "SET password_encryption = 'scram-sha-256';"
               "CREATE ROLE %4 LOGIN IN ROLE brenlo_computer PASSWORD '%5';")
        .arg(PrivatePgServer::kComputerA, PrivatePgServer::kComputerB, PrivatePgServer::kTeacher,
             PrivatePgServer::kPasswordComputer, PrivatePgServer::kPassword);
}

}  // namespace

PrivatePgServer::PrivatePgServer() {
    superuser_ = asRoot() ? kServerUser : qEnvironmentVariable("USER", QStringLiteral("brenlo"));
    if (!folder_.isValid())
        error_ = QStringLiteral("no temporary folder");
    else
        create();
}

PrivatePgServer::~PrivatePgServer() {
    stop();
}

// The folder belongs to the server's user, as initdb and the socket need.
bool PrivatePgServer::create() {
    if (asRoot() && !run(QStringLiteral("chown"), {kServerUser, folder_.path()}, false))
        return false;
    const QString data = folder_.filePath(QStringLiteral("data"));
    if (!run(kBin + QStringLiteral("initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), superuser_, QStringLiteral("-A"),
              QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
              QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}))
        return false;
    QFile hba(data + QStringLiteral("/pg_hba.conf"));
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        hba.write(QStringLiteral("local all %1 scram-sha-256\nlocal all all trust\n")
                      .arg(kPasswordComputer)
                      .toUtf8()) < 0)
        return (error_ = hba.errorString()), false;
    hba.close();
    if (!start()) return false;
    const QString toPostgres =
        QStringLiteral("host='%1' dbname=postgres user=%2").arg(folder_.path(), superuser_);
    const auto client = [this](const QString& connection, const QStringList& arguments) {
        if (!runPsql(connection, arguments).isNull()) return true;
        error_ = psqlError_;
        return false;
    };
    return client(toPostgres,
                  {QStringLiteral("-c"), QStringLiteral("CREATE DATABASE ") + kDatabase}) &&
           client(connection(superuser_),
                  {QStringLiteral("-f"), QStringLiteral(BRENLO_CLASS_SCHEMA)}) &&
           client(connection(superuser_), {QStringLiteral("-c"), roleStatements()});
}

bool PrivatePgServer::start() {
    const QString options =
        QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -c fsync=off")
            .arg(folder_.path());
    return run(kBin + QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), folder_.filePath(QStringLiteral("data")),
                QStringLiteral("-l"), folder_.filePath(QStringLiteral("server.log")),
                QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("start")});
}

bool PrivatePgServer::stop() {
    const QString data = folder_.filePath(QStringLiteral("data"));
    if (!QFile::exists(data + QStringLiteral("/postmaster.pid"))) return true;
    return run(kBin + QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), data, QStringLiteral("-m"), QStringLiteral("immediate"),
                QStringLiteral("-w"), QStringLiteral("stop")});
}

QString PrivatePgServer::connection(const QString& role) const {
    return QStringLiteral("host='%1' dbname=%2 user=%3").arg(folder_.path(), kDatabase, role);
}

QString PrivatePgServer::psql(const QString& sql, const QString& role) const {
    return runPsql(connection(role.isEmpty() ? superuser_ : role), {QStringLiteral("-c"), sql});
}

std::unique_ptr<QProcess> PrivatePgServer::startPsql(const QString& sql) const {
    auto process = std::make_unique<QProcess>();
    process->start(kBin + QStringLiteral("psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-d"),
                    connection(superuser_), QStringLiteral("-c"), sql});
    process->waitForStarted();
    return process;
}

QString PrivatePgServer::runPsql(const QString& connection, const QStringList& arguments) const {
    QProcess process;
    process.start(kBin + QStringLiteral("psql"),
                  QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                              QStringLiteral("-t"), QStringLiteral("-v"),
                              QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), connection} +
                      arguments);
    process.waitForFinished(30000);
    psqlError_ = QString::fromUtf8(process.readAllStandardError());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    // Empty, not null, when it printed nothing.
    const QString output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return output.isNull() ? QStringLiteral("") : output;
}

bool PrivatePgServer::run(const QString& program, const QStringList& arguments, bool asServer) {
    const QStringList command =
        asServer ? asServerUser(program, arguments) : QStringList{program} + arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    error_ = command.join(QLatin1Char(' ')) + QStringLiteral(": ") +
             QString::fromUtf8(process.readAll());
    return false;
}
