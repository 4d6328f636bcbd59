#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder,
// listening only on a Unix socket there, with the shipped class schema applied and
// a login role in each group, all trusted. Its programs refuse root, so they run as
// "postgres" then. Stopped, and its folder removed, when it goes.
class PrivatePgServer {
public:
    static inline const QString kComputerA = QStringLiteral("computer_a");
    static inline const QString kTeacher = QStringLiteral("teacher");

    // The folder is open to the server's user, which makes its cluster and socket there;
    // a step that fails stops the rest and leaves its error.
    PrivatePgServer() {
        QFile::setPermissions(folder_.path(), QFileDevice::Permissions(0x7777));
        if (!run("initdb", {"-D", folder_.filePath("data"), "-Upostgres", "-Atrust", "-EUTF8",
                            "--locale=C", "--no-sync"}) ||
            !start())
            return;
        if (psql("\\i '" BRENLO_CLASS_SCHEMA "'").isNull() ||
            psql(QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE brenlo_computer;"
                                "CREATE ROLE %2 LOGIN IN ROLE brenlo_teacher")
                     .arg(kComputerA, kTeacher))
                .isNull())
            error_ = psqlError_;
    }
    ~PrivatePgServer() { stop(); }

    // Why the server could not be made; empty when it runs.
    const QString& error() const { return error_; }
    bool start() {
        return run("pg_ctl", {"-D", folder_.filePath("data"), "-l", folder_.filePath("log"), "-o",
                              "-F -h '' -k '" + folder_.path() + "'", "-w", "start"});
    }
    bool stop() {
        return run("pg_ctl", {"-D", folder_.filePath("data"), "-mimmediate", "-w", "stop"});
    }

    // A libpq connection string for `role`.
    QString connection(const QString& role = "postgres") const {
        return QStringLiteral("host='%1' dbname=postgres user=%2").arg(folder_.path(), role);
    }
    // Runs `sql` through psql as `role`, the superuser unless given: its unaligned output, or a
    // null string when psql failed (the error in lastPsqlError()).
    QString psql(const QString& sql, const QString& role = "postgres") const {
        QProcess process;
        process.start(kBin + "psql",
                      {"-XqAt", "-vON_ERROR_STOP=1", "-d", connection(role), "-c", sql});
        process.waitForFinished(30000);
        psqlError_ = QString::fromUtf8(process.readAllStandardError());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
        // Empty, not null, when it printed nothing.
        const QString output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        return output.isNull() ? QStringLiteral("") : output;
    }
    QString lastPsqlError() const { return psqlError_; }

private:
    static inline const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
    static inline const bool kAsRoot = geteuid() == 0;

    bool run(const QString& program, const QStringList& arguments) {
        QStringList command = QStringList{"runuser", "-u", "postgres", "--"}.mid(kAsRoot ? 0 : 4);
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
    QString error_;
    mutable QString psqlError_;
};
