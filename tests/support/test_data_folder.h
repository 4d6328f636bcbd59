#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>
#include <utility>

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
    int recordCount(const QString& fileName) const;
    // Every row of the score table as text: sdate, score, speed, lvl, cat.
    QList<QStringList> rows(const QString& fileName) const;
    void writeSettings(const QString& userName) const;

private:
    // Null when the file cannot be opened or has no score table.
    std::optional<QList<QStringList>> readRows(const QString& fileName) const;

    QTemporaryDir temporary_;
};
