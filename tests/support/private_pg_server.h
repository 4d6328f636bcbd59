#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder,
// listening only on a Unix socket there, with the shipped class schema applied and
// login roles in both groups. Run as "postgres" when the tests run as root, as the
// server refuses root. Stopped, and its folder removed, when it goes.
class PrivatePgServer {
public:
    // Login roles: two computers and a teacher, trusted on the socket, and a computer
    // that must give its password.
    static inline const QString kComputerA = QStringLiteral("computer_a");
    static inline const QString kComputerB = QStringLiteral("computer_b");
    static inline const QString kTeacher = QStringLiteral("teacher");
    static inline const QString kPasswordComputer = QStringLiteral("computer_pw");
    static inline const QString kPassword = QStringLiteral("right horse");
    static inline const QString kDatabase = QStringLiteral("brenlo");

    PrivatePgServer();
    ~PrivatePgServer();
    PrivatePgServer(const PrivatePgServer&) = delete;
    PrivatePgServer& operator=(const PrivatePgServer&) = delete;

    // Why the server could not be made; empty when it runs.
    const QString& error() const { return error_; }

    bool start();
    bool stop();

    // A libpq connection string for `role`, without a password.
    QString connection(const QString& role) const;
    // Runs `sql` through psql as `role` (the superuser when empty); its unaligned
    // output, or a null string when psql failed (the error in lastError()).
    QString psql(const QString& sql, const QString& role = {}) const;
    QString lastPsqlError() const { return psqlError_; }
    // Runs `sql` as the superuser in the background until the process goes.
    std::unique_ptr<QProcess> startPsql(const QString& sql) const;

private:
    // Runs a server program, as the server's user unless `asServer` is false.
    bool run(const QString& program, const QStringList& arguments, bool asServer = true);
    QString runPsql(const QString& connection, const QStringList& arguments) const;
    bool create();

    QTemporaryDir folder_;
    QString superuser_;
    QString error_;
    mutable QString psqlError_;
};
