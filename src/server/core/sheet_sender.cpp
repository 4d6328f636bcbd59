#include "sheet_sender.h"

#include "server_connection.h"

#include "app/core/user_files.h"
#include "scores/core/date_texts.h"
#include "scores/core/score_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <optional>

namespace {

QByteArray answersJson(const QList<AnswerRecord>& answers) {
    QJsonArray rows;
    for (const AnswerRecord& a : answers) {
        rows.append(QJsonObject{
            {QStringLiteral("place"), a.place},
            {QStringLiteral("left_operand"), a.left},
            {QStringLiteral("operation"), a.operation},
            {QStringLiteral("right_operand"), a.right},
            {QStringLiteral("expected"), a.expected},
            {QStringLiteral("typed"), a.typed},
            {QStringLiteral("marked_right"), a.markedRight},
            {QStringLiteral("changed_s"),
             a.changedSeconds ? QJsonValue(*a.changedSeconds) : QJsonValue()},
        });
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Compact);
}

// The server refused the sheet itself (a data exception or a broken constraint, by
// SQLSTATE class), not the connection: the other sheets may still go.
bool sheetRefused(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    return state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23"));
}

}  // namespace

SheetSender::SheetSender(ClassConfig config, QDir dataFolder, QString computer)
    : config_(std::move(config)),
      dataFolder_(std::move(dataFolder)),
      computer_(std::move(computer)) {}

SheetSender::Round SheetSender::sendAll() {
    Round round;
    std::optional<ServerConnection> server;
    const QStringList databases = dataFolder_.entryList(
        {QLatin1Char('*') + UserFiles::kDatabaseSuffix}, QDir::Files, QDir::Name);
    for (const QString& database : databases) {
        if (!sendUser(dataFolder_.filePath(database), server, round)) break;
    }
    return round;
}

// A user's database that cannot be read now is tried again at the next round.
bool SheetSender::sendUser(const QString& databasePath, std::optional<ServerConnection>& server,
                           Round& round) {
    ScoreStore store(connections_);
    const Result<QList<MarkedSheet>> sheets = store.unsentSheets(databasePath);
    if (!sheets || sheets->isEmpty()) return true;
    if (!server) {
        Result<ServerConnection> opened = ServerConnection::open(config_);
        if (!opened) {
            round.problem = opened.error();
            return false;
        }
        server.emplace(std::move(opened).value());
    }
    const QString file = QFileInfo(databasePath).fileName();
    const QString child = file.left(file.size() - UserFiles::kDatabaseSuffix.size());
    for (const MarkedSheet& sheet : *sheets) {
        // The program is ending: what is left goes at its next start.
        if (QThread::currentThread()->isInterruptionRequested()) return false;
        if (const QSqlError error = submit(*server, child, sheet); error.isValid()) {
            round.problem = error.text().trimmed();
            if (!sheetRefused(error)) return false;
            continue;
        }
        ++round.sent;
        // Unmarked (a file locked too long or read-only), it is sent again later, which
        // the server absorbs.
        static_cast<void>(store.markSent(databasePath, sheet.id));
    }
    return true;
}

// One transaction on the server: the sheet and its answers, or nothing; the error
// when nothing.
QSqlError SheetSender::submit(const ServerConnection& server, const QString& child,
                              const MarkedSheet& sheet) const {
    QSqlDatabase db = server.database();
    if (!db.transaction()) return db.lastError();
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT brenlo.submit_sheet(CAST(? AS uuid), ?, ?, ?, CAST(? AS date), ?, ?, ?,"
        " CAST(? AS smallint), ?, CAST(? AS jsonb))"));
    const ScoreRecord& r = sheet.record;
    const QString round = sheet.answers.isEmpty() ? QString() : sheet.answers.first().round;
    for (const QVariant& value :
         {QVariant(sheet.id), QVariant(config_.className), QVariant(child), QVariant(computer_),
          QVariant(sdateText(r.day)), QVariant(r.category), QVariant(r.level), QVariant(r.speed),
          QVariant(r.score), QVariant(round),
          QVariant(QString::fromUtf8(answersJson(sheet.answers)))})
        query.addBindValue(value);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        db.rollback();
        return error;
    }
    query.finish();
    if (!db.commit()) return db.lastError();
    return {};
}
