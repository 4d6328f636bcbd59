#include "database_connections.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
// Another connection of ours may be writing; wait for it instead of failing at once.
const QString kOptions = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1")
                             .arg(DatabaseConnections::kLockWaitMs);

const QString kWalSuffix = QStringLiteral("-wal");
const QString kShmSuffix = QStringLiteral("-shm");

QString absolute(const QString& filePath) {
    return QFileInfo(filePath).absoluteFilePath();
}

// "mode=rw" keeps SQLite from creating an empty file in place of a missing database.
QString uriFor(const QString& absolutePath) {
    return QStringLiteral("file:") +
           QString::fromLatin1(QUrl::toPercentEncoding(absolutePath, "/")) +
           QStringLiteral("?mode=rw");
}

// Write access as the process acts now, which access() and QFileInfo do not test.
bool writable(const QByteArray& path) {
    return faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

// A connection that may not write the file leaves the log and its shared-memory index
// behind as read-only as the file was, and they would keep every later connection from
// writing once the file may be written again: they get the file's permissions back, as
// SQLite gives them when it makes them.
void matchLogPermissions(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    struct stat status {};
    if (!writable(file) || stat(file.constData(), &status) != 0) return;
    for (const QString& suffix : {kWalSuffix, kShmSuffix}) {
        const QByteArray log = QFile::encodeName(path + suffix);
        if (access(log.constData(), F_OK) == 0 && !writable(log))
            chmod(log.constData(), status.st_mode & 07777);
    }
}

}  // namespace

// SQLITE_BUSY, which Qt passes on as the native code.
bool isLockError(const QSqlError& error) {
    return error.nativeErrorCode() == QStringLiteral("5");
}

DatabaseConnection::DatabaseConnection(DatabaseConnections* owner, QString name)
    : owner_(owner), name_(std::move(name)) {}

DatabaseConnection::DatabaseConnection(DatabaseConnection&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)), name_(std::move(other.name_)) {}

DatabaseConnection& DatabaseConnection::operator=(DatabaseConnection&& other) noexcept {
    if (this != &other) {
        release();
        owner_ = std::exchange(other.owner_, nullptr);
        name_ = std::move(other.name_);
    }
    return *this;
}

DatabaseConnection::~DatabaseConnection() {
    release();
}

bool DatabaseConnection::isOpen() const {
    return owner_ && owner_->files_.contains(name_) && database().isOpen();
}

QSqlDatabase DatabaseConnection::database() const {
    return QSqlDatabase::database(name_, false);
}

void DatabaseConnection::stopWaitingForLocks() const {
    QSqlQuery(database()).exec(QStringLiteral("PRAGMA busy_timeout=0"));
}

// Writes the schema's own user version back unchanged, then rolls back.
QSqlError DatabaseConnection::writeError() const {
    QSqlDatabase db = database();
    if (!db.transaction()) return db.lastError();
    QSqlQuery query(db);
    bool written = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
    if (written) {
        const int version = query.value(0).toInt();
        written = query.exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
    }
    const QSqlError error = written ? QSqlError() : query.lastError();
    query.finish();
    db.rollback();
    return error;
}

void DatabaseConnection::release() {
    if (owner_) owner_->close(name_);
    owner_ = nullptr;
}

DatabaseConnections::~DatabaseConnections() {
    for (const QString& name : files_.keys()) close(name);
}

Result<DatabaseConnection> DatabaseConnections::open(const QString& filePath) {
    const QString path = absolute(filePath);
    matchLogPermissions(path);
    // Qt's connection names are process-wide, so they are counted process-wide too.
    static std::atomic<quint64> lastId{0};
    const QString name = QStringLiteral("brenlo-%1").arg(++lastId);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
        db.setDatabaseName(uriFor(path));
        db.setConnectOptions(kOptions);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            // SQLite reads the file only on first use; this makes a damaged file fail here.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("PRAGMA schema_version")))
                error = probe.lastError().text();
        }
    }
    if (!error.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        return Failure{error};
    }
    files_.insert(name, path);
    return DatabaseConnection(this, name);
}

void DatabaseConnections::releaseAll(const QString& filePath) {
    const QString path = absolute(filePath);
    for (const QString& name : files_.keys(path)) close(name);
    // The last connection to close checkpoints and removes the log; a log left by
    // a crash is recovered by opening the file once more.
    if (QFileInfo::exists(path + kWalSuffix)) {
        const Result<DatabaseConnection> recovery = open(path);
        if (recovery)
            QSqlQuery(recovery->database()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
}

Result<void> DatabaseConnections::replaceFile(const QString& filePath,
                                              const std::function<Result<void>()>& write) {
    releaseAll(filePath);
    if (const Result<void> written = write(); !written) return written;
    const QString path = absolute(filePath);
    for (const QString& suffix : {kWalSuffix, kShmSuffix}) QFile::remove(path + suffix);
    return {};
}

int DatabaseConnections::openCount(const QString& filePath) const {
    return int(files_.keys(absolute(filePath)).size());
}

void DatabaseConnections::close(const QString& name) {
    if (!files_.remove(name)) return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}
