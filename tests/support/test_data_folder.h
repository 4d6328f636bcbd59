#pragma once

#include "scores/core/date_texts.h"
#include "scores/core/score_store.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A fresh data folder with a read-only template database, as the program ships it.
class TestDataFolder {
public:
    TestDataFolder();

    QDir dir() const { return QDir(temporary_.path()); }
    QString path(const QString& name) const { return dir().filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // A user database made from the schema, holding `records` rows.
    void makeUserDatabase(const QString& userName, int records = 0) const;
    // Read through the score module; the count is -1 when the file cannot be read.
    QList<ScoreRecord> records(const QString& fileName) const;
    int recordCount(const QString& fileName) const;
    // The nine lines naming `userName`, with award sounds a0.wav a1.mid a2.mp3 a3.wav a4.wav.
    void writeSettings(const QString& userName) const;

private:
    QTemporaryDir temporary_;
};

inline char* toString(const ScoreRecord& record) {
    return QTest::toString(QStringList{sdateText(record.day), QString::number(record.score),
                                       record.speed, record.level, record.category}
                               .join(u" | "));
}
