#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder,
// listening only on a Unix socket there, with the shipped class schema applied and
// login roles in both groups, all trusted. Run as "postgres" when the tests run as
// root, as the server refuses root. Stopped, and its folder removed, when it goes.
class PrivatePgServer {
public:
    static inline const QString kComputerA = QStringLiteral("computer_a");
    static inline const QString kComputerB = QStringLiteral("computer_b");
    static inline const QString kTeacher = QStringLiteral("teacher");

    PrivatePgServer();
    ~PrivatePgServer() { stop(); }

    // Why the server could not be made; empty when it runs.
    const QString& error() const { return error_; }
    bool start();
    bool stop();

    // A libpq connection string for `role`.
    QString connection(const QString& role) const;
    // Runs `sql` through psql as `role` (the superuser when empty); its unaligned
    // output, or a null string when psql failed (the error in lastPsqlError()).
    QString psql(const QString& sql, const QString& role = {}) const;
    QString lastPsqlError() const { return psqlError_; }
    // The same psql in the background, until the process goes.
    std::unique_ptr<QProcess> startPsql(const QString& sql, const QString& role = {}) const;

private:
    // Runs one of the server's programs as the server's user.
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir folder_;
    QString superuser_;
    QString error_;
    mutable QString psqlError_;
};
