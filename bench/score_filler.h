#pragma once

#include "scores/core/date_texts.h"
#include "scores/core/score_record.h"
#include "scores/core/score_schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>

// Makes a new score database at `path` holding `count` records, the i-th of them
// `record(i)`, inserted in one transaction: a million take seconds, not hours.
inline bool fillScoreDatabase(const QString& path, qint64 count,
                              const std::function<ScoreRecord(qint64)>& record) {
    if (!createScoreDatabase(path)) return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    bool done = db.open() && db.transaction();
    {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO score (sdate, score, speed, lvl, cat) VALUES (?, ?, ?, ?, ?)"));
        for (qint64 i = 0; done && i < count; ++i) {
            const ScoreRecord r = record(i);
            for (const QVariant& value :
                 {QVariant(sdateText(r.day)), QVariant(r.score), QVariant(r.speed),
                  QVariant(r.level), QVariant(r.category)})
                insert.addBindValue(value);
            done = insert.exec();
        }
        done = done && db.commit();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return done;
}
