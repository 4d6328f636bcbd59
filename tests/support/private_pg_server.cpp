#include "private_pg_server.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBin = u"/usr/lib/postgresql/15/bin/"_s;
// The server's programs refuse root, so they run as the server's system user then.
const bool kAsRoot = geteuid() == 0;

}  // namespace

PrivatePgServer::PrivatePgServer()
    : superuser_(kAsRoot ? u"postgres"_s : qEnvironmentVariable("USER", u"brenlo"_s)) {
    // The folder belongs to the server's user, as initdb and the socket need.
    if (kAsRoot && chown(qPrintable(folder_.path()), getpwnam("postgres")->pw_uid, -1) != 0) {
        error_ = u"cannot give the server its folder"_s;
        return;
    }
    if (!run(kBin + u"initdb"_s, {u"-D"_s, folder_.filePath(u"data"_s), u"-U"_s, superuser_,
                                  u"-Atrust"_s, u"-EUTF8"_s, u"--locale=C"_s, u"--no-sync"_s}) ||
        !start())
        return;
    if (psql(u"\\i '%1'"_s.arg(QStringLiteral(BRENLO_CLASS_SCHEMA))).isNull() ||
        psql(u"CREATE ROLE %1 LOGIN IN ROLE brenlo_computer;"
             "CREATE ROLE %2 LOGIN IN ROLE brenlo_computer;"
             "CREATE ROLE %3 LOGIN IN ROLE brenlo_teacher"_s.arg(kComputerA, kComputerB, kTeacher))
            .isNull())
        error_ = psqlError_;
}

bool PrivatePgServer::start() {
    return run(kBin + u"pg_ctl"_s,
               {u"-D"_s, folder_.filePath(u"data"_s), u"-l"_s, folder_.filePath(u"log"_s), u"-o"_s,
                u"-c listen_addresses='' -c unix_socket_directories='%1' -c fsync=off"_s.arg(
                    folder_.path()),
                u"-w"_s, u"start"_s});
}

bool PrivatePgServer::stop() {
    return !QFile::exists(folder_.filePath(u"data/postmaster.pid"_s)) ||
           run(kBin + u"pg_ctl"_s,
               {u"-D"_s, folder_.filePath(u"data"_s), u"-mimmediate"_s, u"-w"_s, u"stop"_s});
}

QString PrivatePgServer::connection(const QString& role) const {
    return u"host='%1' dbname=postgres user=%2"_s.arg(folder_.path(), role);
}

QString PrivatePgServer::psql(const QString& sql, const QString& role) const {
    const auto process = startPsql(sql, role);
    process->waitForFinished(30000);
    psqlError_ = QString::fromUtf8(process->readAllStandardError());
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) return {};
    // Empty, not null, when it printed nothing.
    const QString output = QString::fromUtf8(process->readAllStandardOutput()).trimmed();
    return output.isNull() ? u""_s : output;
}

std::unique_ptr<QProcess> PrivatePgServer::startPsql(const QString& sql,
                                                     const QString& role) const {
    auto process = std::make_unique<QProcess>();
    process->start(kBin + u"psql"_s,
                   {u"-XqAt"_s, u"-vON_ERROR_STOP=1"_s, u"-d"_s,
                    connection(role.isEmpty() ? superuser_ : role), u"-c"_s, sql});
    process->waitForStarted();
    return process;
}

bool PrivatePgServer::run(const QString& program, const QStringList& arguments) {
    QStringList command =
        kAsRoot ? QStringList{u"runuser"_s, u"-u"_s, u"postgres"_s, u"--"_s} : QStringList{};
    command << program << arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    error_ = command.join(u' ') + u": "_s + QString::fromUtf8(process.readAll());
    return false;
}
