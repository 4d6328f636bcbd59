#pragma once

#include "scores/core/answer_record.h"
#include "scores/core/date_texts.h"
#include "scores/core/fact_totals.h"
#include "scores/core/score_schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <functional>

// Makes a new score database at `path` holding `count` records, the i-th of them
// `record(i)`, each with `answers` answers under a fresh sheet identifier, inserted in
// one transaction: a million take seconds, not hours. Whoever changes the answers
// afterwards makes the totals per fact afresh with remakeFactTotals().
inline bool fillScoreDatabase(const QString& path, qint64 count,
                              const std::function<ScoreRecord(qint64)>& record, int answers = 0) {
    if (!createScoreDatabase(path)) return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    bool done = db.open() && db.transaction();
    {
        QSqlQuery insert(db), answer(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO score (sdate, score, speed, lvl, cat) VALUES (?, ?, ?, ?, ?)"));
        answer.prepare(QStringLiteral("INSERT INTO answer (%1) VALUES (%2)")
                           .arg(AnswerTable::kColumns, QStringList(15, "?").join(',')));
        for (qint64 i = 0; done && i < count; ++i) {
            const ScoreRecord r = record(i);
            for (const QVariant& value :
                 {QVariant(sdateText(r.day)), QVariant(r.score), QVariant(r.speed),
                  QVariant(r.level), QVariant(r.category)})
                insert.addBindValue(value);
            done = insert.exec();
            const QString sheet = QUuid::createUuid().toString(QUuid::WithoutBraces);
            for (int place = 0; done && place < answers; ++place) {
                for (const QVariant& value :
                     {QVariant(sheet), QVariant(sdateText(r.day)), QVariant(r.category),
                      QVariant(r.level), QVariant(r.speed), QVariant(r.score),
                      QVariant(QStringLiteral("ordinary")), QVariant(place), QVariant(place + 3),
                      QVariant(QStringLiteral("+")), QVariant(4),
                      QVariant(QString::number(place + 7)), QVariant(QString::number(place + 7)),
                      QVariant(1), QVariant(place * 10.5)})
                    answer.addBindValue(value);
                done = answer.exec();
            }
        }
        done = done && remakeFactTotals(answer) && db.commit();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return done;
}
