#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The table `score` of a user's database: its name and columns.
namespace ScoreTable {
inline const QString kName = QStringLiteral("score");
inline const QString kDate = QStringLiteral("sdate");
inline const QString kScore = QStringLiteral("score");
inline const QString kSpeed = QStringLiteral("speed");
inline const QString kLevel = QStringLiteral("lvl");
inline const QString kCategory = QStringLiteral("cat");
// A record's columns in the order of ScoreRecord's fields.
inline const QString kColumns =
    QStringList{kDate, kScore, kSpeed, kLevel, kCategory}.join(QStringLiteral(", "));
}  // namespace ScoreTable

// One finished sheet, as its practice screen showed it.
struct ScoreRecord {
    QDate day;         // sdate
    int score = 0;     // right answers, 0 to 18
    QString speed;     // "2", "5", "10", "15" or "20"
    QString level;     // lvl: "Easy" ... "Super Difficult"
    QString category;  // cat: the practice screen's title

    bool operator==(const ScoreRecord&) const = default;
};

// The sheets of one level and speed: their summed scores and their number.
struct ScoreGroup {
    QString level;
    QString speed;
    double total = 0;
    qint64 count = 0;

    bool operator==(const ScoreGroup&) const = default;
};

// The sheets of one level on one day: their summed scores and their number.
struct DailyScore {
    QDate day;
    QString level;
    double total = 0;
    qint64 count = 0;

    bool operator==(const DailyScore&) const = default;
};
