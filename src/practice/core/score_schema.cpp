#include "score_schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Text columns compare without regard to case, as the summary's "like" tests expect.
const char* const kStatements[] = {
    "PRAGMA journal_mode=WAL",
    "PRAGMA user_version=1",
    "CREATE TABLE score (sdate TEXT, score INTEGER, speed TEXT COLLATE NOCASE,"
    " lvl TEXT COLLATE NOCASE, cat TEXT COLLATE NOCASE)",
    "CREATE INDEX score_summary ON score (cat, lvl, speed, sdate)",
};

}  // namespace

std::optional<QString> createScoreDatabase(const QString& path) {
    if (QFile::exists(path)) return QStringLiteral("\"%1\" exists already").arg(path);
    const QString connection = QStringLiteral("brenlo-create");
    std::optional<QString> error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            for (const char* statement : kStatements) {
                if (!query.exec(QString::fromLatin1(statement))) {
                    error = query.lastError().text();
                    break;
                }
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}
