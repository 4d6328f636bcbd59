#pragma once

#include "scores/core/answer_record.h"

#include <QUuid>

// A whole sheet of 18 answers as a practice screen stores it, every fifth one wrong and
// the last never touched; `n` varies the sums.
inline MarkedSheet classSheet(int n, QDate day = QDate(2026, 12, 1)) {
    MarkedSheet sheet{QUuid::createUuid().toString(QUuid::WithoutBraces),
                      {day, n % 19, "10", "Easy", "Minus and Plus Practice program"},
                      {}};
    for (int place = 0; place < 18; ++place) {
        const int left = n % 50 + place;
        sheet.answers.append({place, kOrdinaryRound, left, "+", 3, QString::number(left + 3),
                              QString::number(left + 3 + int(place % 5 == 0)), place % 5 != 0,
                              place == 17 ? std::nullopt : std::optional(place * 2.5)});
    }
    return sheet;
}
