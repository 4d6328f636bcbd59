#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder,
// listening only on a Unix socket there, with the shipped class schema applied and
// login roles in both groups, all trusted. Its programs refuse root, so they run as
// "postgres" then. Stopped, and its folder removed, when it goes.
class PrivatePgServer {
public:
    static inline const QString kComputerA = QStringLiteral("computer_a");
    static inline const QString kComputerB = QStringLiteral("computer_b");
    static inline const QString kTeacher = QStringLiteral("teacher");

    // The folder belongs to the server's user, as initdb and the socket need; a step
    // that fails stops the rest and leaves its error.
    PrivatePgServer() {
        if (kAsRoot && chown(qPrintable(folder_.path()), getpwnam("postgres")->pw_uid, -1) != 0) {
            error_ = QStringLiteral("cannot give the server its folder");
            return;
        }
        if (!run("initdb", {"-D", folder_.filePath("data"), "-U", superuser_, "-Atrust", "-EUTF8",
                            "--locale=C", "--no-sync"}) ||
            !start())
            return;
        if (psql("\\i '" BRENLO_CLASS_SCHEMA "'").isNull() ||
            psql(QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE brenlo_computer;"
                                "CREATE ROLE %2 LOGIN IN ROLE brenlo_computer;"
                                "CREATE ROLE %3 LOGIN IN ROLE brenlo_teacher")
                     .arg(kComputerA, kComputerB, kTeacher))
                .isNull())
            error_ = psqlError_;
    }
    ~PrivatePgServer() { stop(); }

    // Why the server could not be made; empty when it runs.
    const QString& error() const { return error_; }
    bool start() {
        return run("pg_ctl", {"-D", folder_.filePath("data"), "-l", folder_.filePath("log"), "-o",
                              QStringLiteral("-c listen_addresses='' -c fsync=off"
                                             " -c unix_socket_directories='%1'")
                                  .arg(folder_.path()),
                              "-w", "start"});
    }
    bool stop() {
        return !QFile::exists(folder_.filePath("data/postmaster.pid")) ||
               run("pg_ctl", {"-D", folder_.filePath("data"), "-mimmediate", "-w", "stop"});
    }

    // A libpq connection string for `role`, the superuser when empty.
    QString connection(const QString& role = {}) const {
        return QStringLiteral("host='%1' dbname=postgres user=%2")
            .arg(folder_.path(), role.isEmpty() ? superuser_ : role);
    }
    // Runs `sql` through psql as `role`: its unaligned output, or a null string when
    // psql failed (the error in lastPsqlError()).
    QString psql(const QString& sql, const QString& role = {}) const {
        const auto process = startPsql(sql, role);
        process->waitForFinished(30000);
        psqlError_ = QString::fromUtf8(process->readAllStandardError());
        if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) return {};
        // Empty, not null, when it printed nothing.
        const QString output = QString::fromUtf8(process->readAllStandardOutput()).trimmed();
        return output.isNull() ? QStringLiteral("") : output;
    }
    QString lastPsqlError() const { return psqlError_; }
    // The same psql in the background, until the process goes.
    std::unique_ptr<QProcess> startPsql(const QString& sql, const QString& role = {}) const {
        auto process = std::make_unique<QProcess>();
        process->start(kBin + "psql",
                       {"-XqAt", "-vON_ERROR_STOP=1", "-d", connection(role), "-c", sql});
        process->waitForStarted();
        return process;
    }

private:
    static inline const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
    static inline const bool kAsRoot = geteuid() == 0;

    bool run(const QString& program, const QStringList& arguments) {
        QStringList command;
        if (kAsRoot)
            command << "runuser"
                    << "-u"
                    << "postgres"
                    << "--";
        command << kBin + program << arguments;
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(command.first(), command.mid(1));
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return true;
        error_ = command.join(u' ') + ": " + QString::fromUtf8(process.readAll());
        return false;
    }

    QTemporaryDir folder_;
    QString superuser_ = kAsRoot ? "postgres" : qEnvironmentVariable("USER", "brenlo");
    QString error_;
    mutable QString psqlError_;
};
