#pragma once

#include <QDate>
#include <QString>

// One finished sheet, as its practice screen showed it.
struct ScoreRecord {
    QDate day;         // sdate, stored as yyyy-mm-dd so that ranges compare days
    int score = 0;     // right answers, 0 to 18
    QString speed;     // "2", "5", "10", "15" or "20"
    QString level;     // lvl: "Easy" ... "Super Difficult"
    QString category;  // cat: the practice screen's title
};
