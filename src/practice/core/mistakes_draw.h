#pragma once

#include "sheet.h"

#include "scores/core/answer_record.h"

#include <QDate>
#include <QList>

// How many days back a missed fact is still put to the child again.
inline constexpr int kMistakeDays = 30;
// The known facts are looked for in the answers of the ten most recent sheets.
inline constexpr int kKnownAnswers = 10 * kProblemCount;

struct MistakesSheet {
    SheetOperands operands;
    bool fromAnswers = false;  // false: there were no answers, so an ordinary sheet
};

// A sheet of the child's own facts: those missed in the last kMistakeDays days first,
// weighted by how often and how recently, each at most twice and about one among three
// problems; then facts answered right and quickly, most recent first; each only where
// the level's ordinary draw could put it. That draw fills the places left over.
// `answers` are of the sheet's category, by day and, within a sheet, by place: those
// ScoreStore::answersToPractise() reads for kMistakeDays days and kKnownAnswers.
MistakesSheet drawMistakesSheet(PracticeKind kind, const LevelParameters& levels,
                                const QList<StoredAnswer>& answers, QDate today,
                                RandomSource& random);
